#include "play/random_play.h"

#include <array>
#include <exception>
#include <sstream>
#include <vector>

#include "app/game.h"
#include "board/element.h"
#include "board/layout/main_board.h"
#include "board/number_text.h"
#include "board/picture.h"
#include "board/window.h"
#include "info/information_window.h"

namespace play {

namespace {

using board::Event;
using board::MouseButton;
using board::layout::kMainBoard;
using info::kInfoWindow;

// The access letters of both windows in both cases, and a few that belong to no
// button; the key goes to the active window, whose buttons may be disabled.
constexpr std::array<char32_t, 27> kKeys = {U'н', U'Н', U'с', U'С', U'п', U'П', U'у', U'У', U'и',
                                            U'И', U'y', U'Y', U'ю', U'Ю', U'ц', U'Ц', U'а', U'А',
                                            U'б', U'Б', U'ы', U'Ы', U'о', U'О', U'x', U'ж', U'1'};

// Interval texts a player might type, the unreasonable ones included.
constexpr std::array<const char*, 24> kIntervalTexts = {"750",
                                                        "250",
                                                        "1",
                                                        "0",
                                                        "",
                                                        "abc",
                                                        "-5",
                                                        "65535",
                                                        "65536",
                                                        "0.5e3",
                                                        "2.5e2",
                                                        "501.5",
                                                        " 7 5 0",
                                                        "&H1F4",
                                                        "&O777",
                                                        "1d3",
                                                        "99999999999999999999",
                                                        "1e308",
                                                        "1e309",
                                                        "-1e309",
                                                        "2147483647.5",
                                                        "-2147483648.5",
                                                        "250ms",
                                                        "1,5"};

constexpr std::array<const char*, 5> kCodeTexts = {"quibbozar", "Quibbozar", " quibbozar",
                                                   "quibboza", "[чит код]"};

// Digits without leading zeros, "-" before negatives: what the game writes.
bool is_number_text(const std::string& s) {
    std::size_t i = s.size() > 1 && s[0] == '-' ? 1 : 0;
    if (i >= s.size()) return false;
    if (s[i] == '0') return s.size() == i + 1 && i == 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
    }
    return true;
}

std::string utf8(char32_t c) {
    if (c < 0x80) return std::string(1, static_cast<char>(c));
    return {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
}

}  // namespace

RandomPlay::RandomPlay(std::uint64_t seed) : clock_(0, seed), rng_(seed) {
    game_.observe([this](const std::string& window, const std::string& element, Event event) {
        after_handler(window, element, event);
    });
    recorder_.listen_to(game_);
    app::launch(game_);
    const board::Window& board = game_.window(kMainBoard);
    initial_score_ = score_ = board["Labelscore"].caption();
    initial_time_ = board["LabelTime"].caption();
}

Outcome RandomPlay::run(std::int64_t events) {
    const std::int64_t end = out_.events + events;
    while (out_.events < end && !out_.violation) {
        try {
            step();
        } catch (const std::exception& e) {
            fail(std::string("a failure escaped: ") + e.what());
        } catch (...) {
            fail("something that is not an exception escaped");
        }
        if (out_.violation) break;
        watch_held_press();
        check_score(false);
        check_objects();
    }
    out_.told = static_cast<std::int64_t>(recorder_.told().size());
    return out_;
}

void RandomPlay::step() {
    ++out_.events;
    // Now and then a keen spell: a whole round of aiming and little else, so that
    // rounds reach the final scene and the secret as well.
    if (out_.events % 4000 == 0) keen_ = chance(0.3);
    if (keen_) {
        if (chance(0.6)) return aim();
        note("wait briefly");
        return board::advance(game_, clock_, board::milliseconds(1 + pick(60)));
    }
    const int roll = pick(100);
    if (roll < 12) return aim();
    if (roll < 22) return press_somewhere();
    if (roll < 40) return release_somewhere();
    if (roll < 55) return click_somewhere(false);
    if (roll < 60) return click_somewhere(true);
    if (roll < 68) return access_key();
    if (roll < 72) return toolkit_click();
    if (roll < 74) return type_interval();
    if (roll < 75) return type_code();
    if (roll < 76) return close_info();
    return let_time_pass();
}

// --- the player's moves ----------------------------------------------------------

RandomPlay::Point RandomPlay::somewhere(const board::Window& window) {
    const int w = window.client_width();
    const int h = window.client_height();
    const auto& elements = window.elements();
    if (chance(0.6) && !elements.empty()) {
        // On an element: its middle, anywhere inside, or just on or past an edge.
        const board::Element& e = *elements[pick(static_cast<int>(elements.size()))];
        const int l = e.window_left(), t = e.window_top();
        switch (pick(3)) {
            case 0:
                return {l + e.width() / 2, t + e.height() / 2};
            case 1:
                return {l + pick(e.width() + 1), t + pick(e.height() + 1)};
            default: {
                const int dx = pick(3) - 1, dy = pick(3) - 1;
                return {l + (dx < 0   ? -1
                             : dx > 0 ? e.width()
                                      : pick(e.width() + 1)),
                        t + (dy < 0   ? -1
                             : dy > 0 ? e.height()
                                      : pick(e.height() + 1))};
            }
        }
    }
    if (chance(0.2)) {
        // The window's own edges and corners, and just outside them.
        const std::array<int, 4> xs = {-1, 0, w - 1, w};
        const std::array<int, 4> ys = {-1, 0, h - 1, h};
        return {xs[pick(4)], ys[pick(4)]};
    }
    return {pick(w + 400) - 200, pick(h + 400) - 200};
}

MouseButton RandomPlay::some_button() {
    const int roll = pick(20);
    if (roll < 14) return MouseButton::Left;
    if (roll < 17) return MouseButton::Right;
    if (roll < 18) return MouseButton::Middle;
    // The side buttons, as the desktop might pass them on.
    return static_cast<MouseButton>(roll == 18 ? 8 : 16);
}

void RandomPlay::press_somewhere() {
    const std::string window = game_.active_window();
    const Point p = somewhere(game_.window(window));
    const MouseButton b = some_button();
    note("press " + std::to_string(static_cast<int>(b)) + " at " + std::to_string(p.x) + "," +
         std::to_string(p.y) + " on " + window);
    press(window, p.x, p.y, b);
}

void RandomPlay::aim() {
    // A player who goes for what is on view: a shown target or the ring, middle first.
    board::Window& board = game_.window(kMainBoard);
    if (game_.active_window() != kMainBoard) return let_time_pass();
    std::vector<const board::Element*> on_view;
    for (auto name : board::layout::kTargets) {
        if (board[name].visible() && board[name].enabled()) on_view.push_back(&board[name]);
    }
    if (board["Imagegas"].visible()) on_view.push_back(&board["Imagegas"]);
    if (on_view.empty()) return let_time_pass();
    const board::Element& e = *on_view[pick(static_cast<int>(on_view.size()))];
    const int x = e.window_left() + e.width() / 2 + pick(41) - 20;
    const int y = e.window_top() + e.height() / 2 + pick(41) - 20;
    note("aim at " + e.name());
    press(std::string(kMainBoard), x, y, MouseButton::Left);
    check_score(false);
    if (chance(0.3)) board::advance(game_, clock_, board::milliseconds(pick(100)));
    release(std::string(kMainBoard), x, y, MouseButton::Left);
}

void RandomPlay::release_somewhere() {
    const std::string window = game_.active_window();
    const Point p = somewhere(game_.window(window));
    const MouseButton b = chance(0.8) ? MouseButton::Left : some_button();
    note("release " + std::to_string(static_cast<int>(b)) + " at " + std::to_string(p.x) + "," +
         std::to_string(p.y) + " on " + window);
    release(window, p.x, p.y, b);
}

void RandomPlay::click_somewhere(bool twice) {
    const std::string window = game_.active_window();
    const Point p = somewhere(game_.window(window));
    const MouseButton b = chance(0.9) ? MouseButton::Left : some_button();
    note(std::string(twice ? "double click " : "click ") + std::to_string(static_cast<int>(b)) +
         " at " + std::to_string(p.x) + "," + std::to_string(p.y) + " on " + window);
    for (int i = 0; i < (twice ? 2 : 1); ++i) {
        // A click may unload the window it landed on; the rest then goes nowhere.
        press(window, p.x + i * (pick(5) - 2), p.y, b);
        check_score(false);
        if (chance(0.5)) board::advance(game_, clock_, board::milliseconds(pick(120)));
        release(window, p.x, p.y, b);
        if (twice && i == 0) board::advance(game_, clock_, board::milliseconds(pick(300)));
    }
}

void RandomPlay::press(const std::string& window, int x, int y, MouseButton button) {
    saw_double_click_ = false;
    if (button == MouseButton::Left) held_kept_ = false;
    pressing_left_ = button == MouseButton::Left;
    game_.mouse_down(window, x, y, button);
    pressing_left_ = false;
    // A left press replaces the one held before; another button leaves it held.
    if (button == MouseButton::Left) {
        double_press_held_ = saw_double_click_;
        if (saw_double_click_) double_press_window_ = window;
    }
}

void RandomPlay::release(const std::string& window, int x, int y, MouseButton button) {
    releasing_double_ =
        button == MouseButton::Left && double_press_held_ && double_press_window_ == window;
    releasing_left_ = button == MouseButton::Left;
    game_.mouse_up(window, x, y, button);
    if (releasing_left_ && window == held_window_) held_kept_ = false;
    releasing_left_ = false;
    if (releasing_double_) double_press_held_ = false;
    releasing_double_ = false;
}

void RandomPlay::access_key() {
    const char32_t key = kKeys[pick(static_cast<int>(kKeys.size()))];
    std::string window = game_.active_window();
    // Now and then at a window that is not the active one (hidden or not loaded).
    if (chance(0.1))
        window = window == kMainBoard ? std::string(kInfoWindow) : std::string(kMainBoard);
    note("Alt+" + utf8(key) + " on " + window);
    if (game_.access_key(window, key) && (key == U'и' || key == U'И') && window == kMainBoard) {
        ++out_.info_visits;
    }
}

void RandomPlay::toolkit_click() {
    const std::string window = game_.active_window();
    const auto& elements = game_.window(window).elements();
    const std::string element = elements[pick(static_cast<int>(elements.size()))]->name();
    note("toolkit click on " + element + " of " + window);
    game_.click(window, element);
}

std::string RandomPlay::some_interval_text() {
    if (chance(0.5)) return std::to_string(1 + pick(1500));
    if (chance(0.6)) return kIntervalTexts[pick(static_cast<int>(kIntervalTexts.size()))];
    static constexpr char kAlphabet[] = "0123456789.eEdD+-&HhOo ,\tx";
    std::string text;
    for (int n = pick(14); n > 0; --n) text += kAlphabet[pick(sizeof kAlphabet - 1)];
    return text;
}

void RandomPlay::type_interval() {
    board::Window* board = game_.find_window(kMainBoard);
    const std::string text = some_interval_text();
    note("type \"" + text + "\" into the interval box");
    (*board)["Textspeed"].set_text(text);
}

void RandomPlay::type_code() {
    board::Element& box = game_.window(kMainBoard)["Text1"];
    if (!box.shown()) return note("no code box to type into");
    const std::string text = kCodeTexts[pick(static_cast<int>(kCodeTexts.size()))];
    note("type \"" + text + "\" into the code box");
    box.set_text(text);
}

void RandomPlay::close_info() {
    note("close control of the information window");
    game_.request_close(kInfoWindow);
}

void RandomPlay::let_time_pass() {
    board::Micros span;
    const int roll = pick(100);
    if (roll < 70)
        span = board::milliseconds(1 + pick(100));
    else if (roll < 98)
        span = board::milliseconds(100 + pick(3000));
    else
        span = board::seconds(10 + pick(110));  // a stall: the player went away
    note("wait " + std::to_string(span / 1000) + " ms");
    board::advance(game_, clock_, span);
}

// --- invariants -------------------------------------------------------------------

void RandomPlay::after_handler(const std::string& window, const std::string& element, Event event) {
    ++out_.dispatched;
    const bool start = window == kMainBoard && element == "Commandstart" && event == Event::Click;
    if (start) ++out_.starts;
    if (out_.violation) return;
    if (event == Event::DblClick) saw_double_click_ = true;
    if (event == Event::Click && releasing_double_) {
        return fail("the release of a press delivered as DblClick clicked " + element);
    }
    if (pressing_left_ && (event == Event::MouseDown || event == Event::DblClick)) {
        held_window_ = window;
        held_element_ = element;
        held_serial_ = game_.window(window).serial();
        held_kept_ = true;
    }
    if (event == Event::Click && releasing_left_ &&
        (!held_kept_ || element != held_element_ || window != held_window_)) {
        return fail("a release clicked " + element + ", which its press did not keep in reach");
    }
    watch_held_press();
    if (window == kMainBoard && element == "Timer1" && event == Event::Timer) {
        ++out_.board_ticks;
        check_board();
    }
    const std::string before = score_;
    check_score(start);
    if (out_.violation) {
        *out_.violation += "\n  in the " + std::string(board::event_name(event)) + " handler of " +
                           element + " (" + window + "), score before: \"" + before + "\"";
    }
}

void RandomPlay::watch_held_press() {
    if (!held_kept_) return;
    const board::Window* w = game_.find_window(held_window_);
    const board::Element* e = w && w->serial() == held_serial_ ? w->find(held_element_) : nullptr;
    if (!e || !w->visible() || !e->shown() || !e->enabled()) held_kept_ = false;
}

void RandomPlay::check_board() {
    const board::Window& board = game_.window(kMainBoard);
    std::array<int, 4> per_column{};
    for (std::size_t i = 0; i < board::layout::kTargets.size(); ++i) {
        per_column[i % 4] += board[board::layout::kTargets[i]].visible();
    }
    for (int c = 0; c < 4; ++c) {
        if (per_column[c] != 1) {
            return fail("after a board tick column " + std::to_string(c + 1) + " shows " +
                        std::to_string(per_column[c]) + " targets");
        }
    }
    const board::Element& ring = board["Imagegas"];
    bool on_cell = false;
    for (int left : board::layout::kColumnLefts) {
        for (int top : board::layout::kRowTops) on_cell |= ring.left() == left && ring.top() == top;
    }
    if (!on_cell) fail("after a board tick the ring stands between cells");
}

void RandomPlay::check_score(bool start_allowed) {
    const board::Window* board = game_.find_window(kMainBoard);
    if (!board) return fail("the main board is gone");
    const std::string& now = (*board)["Labelscore"].caption();
    const std::string& time = (*board)["LabelTime"].caption();
    if (time != initial_time_) {
        const double t = board::read_lenient(time);
        if (!is_number_text(time) || t < 0 || t > 60) {
            return fail("the time shows \"" + time + "\"");
        }
    }
    if (now == score_) return;
    if (!is_number_text(now)) return fail("the score shows \"" + now + "\"");
    const double gain = board::read_lenient(now) - board::read_lenient(score_);
    const bool scored = gain == 10 || gain == 20 || gain == 30 || gain == 50;
    if (!scored && !(start_allowed && now == "0")) {
        return fail("the score went from \"" + score_ + "\" to \"" + now + "\"");
    }
    score_ = now;
    out_.best_score = std::max(out_.best_score, static_cast<int>(board::read_lenient(now)));
}

void RandomPlay::check_objects() {
    if (recorder_.ended()) return fail("the game ended");
    const board::Window* info = nullptr;
    bool any_visible = false;
    for (const board::Window* w : game_.windows()) {
        if (w->name() == kInfoWindow) info = w;
        any_visible |= w->visible();
    }
    if (!any_visible) return fail("no window is on screen");
    const board::Window* active = game_.find_window(game_.active_window());
    if (!active || !active->visible()) {
        return fail("the active window \"" + game_.active_window() + "\" is not on screen");
    }
    // The pictures of an information window must go with it.
    if (info && info->serial() != info_serial_) {
        info_serial_ = info->serial();
        info_pictures_.clear();
        for (const auto& e : info->elements()) {
            info_pictures_.emplace_back(e->picture());
            info_pictures_.emplace_back(e->mouse_icon());
        }
    }
    if (!info) {
        for (const auto& p : info_pictures_) {
            if (!p.expired()) return fail("a picture of the closed information window lives on");
        }
        info_pictures_.clear();
    }
}

void RandomPlay::fail(const std::string& what) {
    if (out_.violation) return;
    std::ostringstream text;
    text << what << "\n  at event " << out_.events << ", clock " << clock_.now() / 1000
         << " ms; the events before it, oldest first:";
    for (const std::string& e : recent_) text << "\n    " << e;
    out_.violation = text.str();
}

void RandomPlay::note(std::string what) {
    if (recent_.size() == 40) recent_.pop_front();
    recent_.push_back(std::move(what));
}

}  // namespace play

#include "tools/geometry/geometry.h"

#include <sstream>
#include <string_view>

#include "board/clock.h"
#include "board/layout/main_board.h"
#include "board/random.h"
#include "board/runtime.h"
#include "board/window.h"
#include "desktop/units.h"
#include "info/information_window.h"
#include "info/information_window_view.h"

namespace geometry {

namespace {

// Widgets nest: an element in a frame lands at the frame's whole-pixel place
// plus its own, each rounded as the toolkit places it.
int window_left(const board::Element& e) {
    return desktop::to_whole_pixels(e.left()) + (e.container() ? window_left(*e.container()) : 0);
}
int window_top(const board::Element& e) {
    return desktop::to_whole_pixels(e.top()) + (e.container() ? window_top(*e.container()) : 0);
}

void add_window(Geometry& out, const board::Window& w) {
    const QSize client = desktop::client_size(w);
    out.clients.push_back({w.name(), w.caption(), client.width(), client.height()});
    for (const auto& e : w.elements()) {
        if (e->kind() == board::Kind::Timer) continue;
        out.boxes.push_back({w.name(), e->name(), window_left(*e), window_top(*e),
                             desktop::to_whole_pixels(e->width()),
                             desktop::to_whole_pixels(e->height())});
    }
}

void add_role(Geometry& out, const board::Window& w, std::string role, const board::Element& e) {
    out.roles.push_back({w.name(), std::move(role), e.name()});
}

void add_main_board_roles(Geometry& out, const board::Window& w) {
    using namespace board::layout;
    const std::pair<std::string_view, std::string_view> roles[] = {
        {"start_button", kStartButton},
        {"stop_button", kStopButton},
        {"continue_button", kContinueButton},
        {"set_interval_button", kSetIntervalButton},
        {"reset_statistics_button", kResetStatisticsButton},
        {"info_button", kInfoButton},
        {"interval_box", kIntervalBox},
        {"time_left", kTimeLeft},
        {"score", kScore},
        {"rounds_played", kRoundsPlayed},
        {"best_score", kBestScore},
        {"ring", kRing},
        {"code_box", kCodeBox},
        {"portrait", kPortrait},
        {"final_panel", kFinalPanel},
        {"title", kTitle},
    };
    for (const auto& [role, name] : roles) add_role(out, w, std::string(role), w[name]);
    // The grid row by row, as the views number it.
    for (std::size_t i = 0; i < kCells.size(); ++i) {
        add_role(out, w, "cell" + std::to_string(i), w[kCells[i]]);
    }
    for (std::size_t i = 0; i < kTargets.size(); ++i) {
        add_role(out, w, "target" + std::to_string(i), w[kTargets[i]]);
    }
}

void add_information_window_roles(Geometry& out, const info::InformationWindow& v) {
    const std::pair<std::string_view, const board::Element*> roles[] = {
        {"story_button", &v.story_button},   {"goal_button", &v.goal_button},
        {"author_button", &v.author_button}, {"engine_button", &v.engine_button},
        {"links_button", &v.links_button},   {"return_button", &v.return_button},
        {"text_frame", &v.text_frame},       {"text_field", &v.text_field},
        {"author_line", &v.author_line},     {"word_logo", &v.word_logo},
        {"studio_logo", &v.studio_logo},
    };
    for (const auto& [role, e] : roles) add_role(out, v.window, std::string(role), *e);
}

}  // namespace

Geometry read_layouts() {
    // The windows as the game creates them, with no handler attached: nothing
    // moves, so every element stands where its layout puts it.
    board::ManualClock clock;
    board::UniformRandom random;
    board::Runtime game(clock, random);
    game.define(board::layout::main_board());
    game.define(info::information_window());
    game.show(board::layout::kMainBoard);
    game.show(info::kInfoWindow);

    Geometry out;
    const board::Window& main_board = game.window(board::layout::kMainBoard);
    const info::InformationWindow information(game);
    add_window(out, main_board);
    add_window(out, information.window);
    add_main_board_roles(out, main_board);
    add_information_window_roles(out, information);
    return out;
}

std::string report(const Geometry& g) {
    std::ostringstream out;
    for (const Client& c : g.clients) {
        out << c.window << " client " << c.width << ' ' << c.height << '\n';
        for (const Box& b : g.boxes) {
            if (b.window != c.window) continue;
            out << b.window << ' ' << b.element << ' ' << b.left << ' ' << b.top << ' ' << b.width
                << ' ' << b.height << '\n';
        }
    }
    for (const Client& c : g.clients) out << c.window << " caption " << c.caption << '\n';
    for (const Role& r : g.roles) out << r.window << " role " << r.role << ' ' << r.element << '\n';
    return out.str();
}

}  // namespace geometry

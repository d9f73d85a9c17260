#include "board/runtime.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "board/failure.h"

namespace board {

Runtime::Runtime(Clock& clock, RandomSource& random) : clock_(clock), random_(random) {}
Runtime::~Runtime() = default;

void Runtime::define(WindowLayout layout) {
    const std::string name(layout.name);
    layouts_.insert_or_assign(name, std::move(layout));
}

namespace {

const char* kind_name(Kind kind) {
    switch (kind) {
        case Kind::Label:
            return "label";
        case Kind::Picture:
            return "picture";
        case Kind::Button:
            return "button";
        case Kind::TextBox:
            return "text box";
        case Kind::Frame:
            return "frame";
        case Kind::Timer:
            return "timer";
        case Kind::Shape:
            return "shape";
    }
    return "?";
}

// The events the model can deliver to an element of each kind.
bool can_raise(Kind kind, Event event) {
    switch (kind) {
        case Kind::Timer:
            return event == Event::Timer;
        case Kind::Shape:
            return false;   // the mouse passes through shapes
        case Kind::Button:  // buttons know no double click
            return event == Event::Click || event == Event::MouseDown || event == Event::MouseUp;
        default:
            return event == Event::Click || event == Event::DblClick || event == Event::MouseDown ||
                   event == Event::MouseUp;
    }
}

}  // namespace

const char* event_name(Event event) {
    switch (event) {
        case Event::Load:
            return "Load";
        case Event::Close:
            return "Close";
        case Event::Click:
            return "Click";
        case Event::DblClick:
            return "DblClick";
        case Event::MouseDown:
            return "MouseDown";
        case Event::MouseUp:
            return "MouseUp";
        case Event::Timer:
            return "Timer";
    }
    return "?";
}

void Runtime::on(std::string_view window, std::string_view element, Event event, Handler handler) {
    check_wiring(window, element, event);
    handlers_[{std::string(window), std::string(element), event}] = std::move(handler);
}

void Runtime::check_wiring(std::string_view window, std::string_view element, Event event) const {
    const std::string what = std::string(event_name(event)) + " handler for " +
                             (element.empty() ? "window " : std::string(element) + " in window ") +
                             std::string(window);
    const auto layout = layouts_.find(window);
    if (layout == layouts_.end()) throw std::logic_error(what + ": no such window");
    if (element.empty()) {
        if (event != Event::Load && event != Event::Close) {
            throw std::logic_error(what + ": a window raises only Load and Close");
        }
        return;
    }
    const auto& rows = layout->second.rows;
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [&](const ElementRow& r) { return r.name == element; });
    if (row == rows.end()) throw std::logic_error(what + ": no such element");
    if (!can_raise(row->kind, event)) {
        throw std::logic_error(what + ": a " + kind_name(row->kind) + " never raises " +
                               event_name(event));
    }
}

void Runtime::on(std::string_view window, std::string_view element, Event event,
              std::function<void(Runtime&)> handler) {
    on(window, element, event,
       Handler([h = std::move(handler)](Runtime& g, const EventArgs&) { h(g); }));
}

void Runtime::set_double_click(Micros time, int distance_twips) {
    double_click_time_ = time;
    double_click_distance_ = distance_twips;
}

// --- windows -------------------------------------------------------------------

Window* Runtime::find_window(std::string_view name) const {
    for (const auto& w : windows_) {
        if (w->name() == name) return w.get();
    }
    return nullptr;
}

Window& Runtime::window(std::string_view name) const {
    Window* w = find_window(name);
    if (!w) throw std::logic_error("window not loaded: " + std::string(name));
    return *w;
}

bool Runtime::loaded(const std::string& name) const {
    return find_window(name) != nullptr;
}

std::vector<Window*> Runtime::windows() const {
    std::vector<Window*> out;
    for (const auto& w : windows_) out.push_back(w.get());
    return out;
}

void Runtime::show(std::string_view name) {
    Window* w = find_window(name);
    if (!w) {
        const auto layout = layouts_.find(name);
        if (layout == layouts_.end()) throw std::logic_error("no layout for " + std::string(name));
        windows_.push_back(std::make_unique<Window>(*this, layout->second));
        w = windows_.back().get();
        const std::uint64_t serial = w->serial();
        run_handler(w->name(), "", Event::Load, {});
        // The Load handler may have unloaded the window it was loading.
        w = same_window(name, serial);
        if (!w) return;
    }
    w->set_visible(true);
    active_ = w->name();
}

void Runtime::hide(std::string_view name) {
    Window& w = window(name);
    w.set_visible(false);
    if (active_ == w.name()) {
        active_.clear();
        for (const auto& other : windows_) {
            if (other->visible()) active_ = other->name();
        }
    }
}

void Runtime::unload(std::string_view name) {
    const auto it = std::find_if(windows_.begin(), windows_.end(),
                                 [&](const auto& w) { return w->name() == name; });
    if (it == windows_.end()) return;
    std::erase_if(presses_, [&](const PressState& p) { return p.window == name; });
    if (last_press_.window == name) last_press_.valid = false;
    windows_.erase(it);
    if (active_ == name) {
        active_.clear();
        for (const auto& other : windows_) {
            if (other->visible()) active_ = other->name();
        }
    }
}

void Runtime::request_close(std::string_view name) {
    Window* w = find_window(name);
    if (!w) return;
    if (handler(w->name(), "", Event::Close)) {
        run_handler(w->name(), "", Event::Close, {});
    } else if (w == windows_.front().get()) {
        // The first window is the main one: closing it ends the program.
        ended_ = true;
        if (display_) display_->quit();
        return;
    } else {
        unload(name);
    }
    refresh();
}

// --- time and chance -----------------------------------------------------------

void Runtime::randomize() {
    random_.seed(clock_.entropy());
}

std::optional<Micros> Runtime::next_due() const {
    std::optional<Micros> earliest;
    for (const auto& w : windows_) {
        for (const auto& e : w->elements()) {
            if (e->kind() != Kind::Timer || e->due() < 0) continue;
            if (!earliest || e->due() < *earliest) earliest = e->due();
        }
    }
    return earliest;
}

void Runtime::run_due_timers() {
    const Micros now = clock_.now();
    // Every timer due now gets one tick, in the order in which they fell due;
    // a handler may switch other timers off or on in between.
    struct Due {
        Micros at;
        std::uint64_t window_serial;
        std::string window, element;
    };
    std::vector<Due> due;
    for (const auto& w : windows_) {
        for (const auto& e : w->elements()) {
            if (e->kind() == Kind::Timer && e->due() >= 0 && e->due() <= now) {
                due.push_back({e->due(), w->serial(), w->name(), e->name()});
            }
        }
    }
    std::stable_sort(due.begin(), due.end(),
                     [](const Due& a, const Due& b) { return a.at < b.at; });
    for (const Due& d : due) {
        Window* w = find_window(d.window);
        if (!w || w->serial() != d.window_serial) continue;
        Element& timer = (*w)[d.element];
        if (timer.due() < 0 || timer.due() > now) continue;
        timer.take_tick(now);
        dispatch(*w, timer.name(), Event::Timer);
    }
}

void advance(Runtime& game, ManualClock& clock, Micros span) {
    const Micros target = clock.now() + span;
    for (auto due = game.next_due(); due && *due <= target; due = game.next_due()) {
        clock.set(std::max(*due, clock.now()));
        game.run_due_timers();
    }
    clock.set(target);
}

// --- input ---------------------------------------------------------------------

void Runtime::mouse_down(std::string_view window, int x, int y, MouseButton button, int shift) {
    Window* w = find_window(window);
    if (!w || !w->visible()) return;
    // A button that is already down has lost its release somewhere: forget it.
    std::erase_if(presses_, [&](const PressState& p) { return p.button == button; });
    Element* target = w->element_at(x, y);
    const bool takes_it = target && target->enabled();

    // Only a left press on the very element of the last one, soon and near, makes
    // a double click; any other press in between breaks the pair, one on the bare
    // background or on a disabled element included. Buttons know no double click.
    const Micros at = clock_.now();
    bool is_double = false;
    if (button == MouseButton::Left && takes_it) {
        is_double = target->kind() != Kind::Button && last_press_.valid &&
                    !last_press_.was_double && last_press_.window == w->name() &&
                    last_press_.element == target->name() &&
                    at - last_press_.at <= double_click_time_ &&
                    std::abs(x - last_press_.x) <= double_click_distance_ &&
                    std::abs(y - last_press_.y) <= double_click_distance_;
        last_press_ = {w->name(), target->name(), at, x, y, is_double, true};
    } else {
        last_press_.valid = false;
    }
    if (!target) return;

    presses_.push_back({w->name(), w->serial(), target->name(), button, !takes_it, is_double});
    if (!takes_it) return;
    const EventArgs args{button, shift, x - target->window_left(), y - target->window_top()};
    dispatch(*w, target->name(), is_double ? Event::DblClick : Event::MouseDown, args);
}

void Runtime::mouse_up(std::string_view window, int x, int y, MouseButton button, int shift) {
    const auto held = std::find_if(presses_.begin(), presses_.end(), [&](const PressState& p) {
        return p.button == button && p.window == window;
    });
    if (held == presses_.end()) return;
    const PressState press = *held;
    presses_.erase(held);
    if (press.swallowed) return;
    Window* w = same_window(press.window, press.window_serial);
    Element* target = w ? w->find(press.element) : nullptr;
    if (!target) return;
    // The release goes to the pressed element even if it has been hidden or
    // disabled since, so that it can put back what its press changed (a pointer).
    const EventArgs args{button, shift, x - target->window_left(), y - target->window_top()};
    dispatch(*w, press.element, Event::MouseUp, args);
    // The release of a double click's own press clicks nothing, whatever other
    // buttons did in between: the first press's release clicked already.
    if (button != MouseButton::Left || press.double_click) return;
    // The click needs the release over the same element, which must still be
    // there to take it: the MouseUp handler may have hidden it or unloaded its
    // very window.
    w = same_window(press.window, press.window_serial);
    target = w ? w->find(press.element) : nullptr;
    if (!target || !target->shown() || !target->enabled()) return;
    if (w->element_at(x, y) != target) return;
    dispatch(*w, press.element, Event::Click);
}

bool Runtime::click(std::string_view window, std::string_view button) {
    Window* w = find_window(window);
    if (!w) return false;
    Element* e = w->find(button);
    if (!e || !e->enabled() || !e->shown()) return false;
    dispatch(*w, e->name(), Event::Click);
    return true;
}

bool Runtime::access_key(std::string_view window, char32_t key) {
    Window* w = find_window(window);
    if (!w || !w->visible()) return false;
    Element* target = w->access_key_target(key);
    if (!target) return false;
    dispatch(*w, target->name(), Event::Click);
    return true;
}

// --- dispatch ------------------------------------------------------------------

const Handler* Runtime::handler(const std::string& window, const std::string& element,
                             Event event) const {
    const auto it = handlers_.find({window, element, event});
    return it == handlers_.end() ? nullptr : &it->second;
}

void Runtime::dispatch(Window& window, const std::string& element, Event event,
                    const EventArgs& args) {
    // Copy the names: the handler may unload the very window they belong to.
    const std::string window_name = window.name();
    const std::string element_name = element;
    run_handler(window_name, element_name, event, args);
    if (observer_) observer_(window_name, element_name, event);
    refresh();
}

void Runtime::run_handler(const std::string& window, const std::string& element, Event event,
                       const EventArgs& args) {
    const Handler* h = handler(window, element, event);
    if (!h) return;
    try {
        (*h)(*this, args);
    } catch (const Failure& failure) {
        tell_player(failure_message(failure));
    }
}

Window* Runtime::same_window(std::string_view name, std::uint64_t serial) const {
    Window* w = find_window(name);
    return w && w->serial() == serial ? w : nullptr;
}

void Runtime::refresh() {
    if (display_) display_->refresh();
}

void Runtime::tell_player(const std::string& message) {
    told_.push_back(message);
    if (display_) display_->tell_player(message);
}

}  // namespace board

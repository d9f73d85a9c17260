#include "board/input_router.h"

#include <algorithm>
#include <cstdlib>

#include "board/clock.h"
#include "board/window_life.h"

namespace board {

namespace {

// Rises whenever the element, a frame that holds it or its window goes out of
// the player's reach: hidden or disabled.
std::uint64_t withdrawals_of(const Element& element) {
    std::uint64_t n = element.window().hidings();
    for (const Element* e = &element; e; e = e->container()) n += e->withdrawals();
    return n;
}

}  // namespace

void InputRouter::set_double_click(Micros time, int distance_twips) {
    double_click_time_ = time;
    double_click_distance_ = distance_twips;
}

bool InputRouter::makes_double_click(const Window& window, const Element& target, int x, int y,
                                     Micros at) const {
    const LastLeftPress& last = last_left_;
    return target.kind() != Kind::Button && last.valid && !last.double_click &&
           last.window_serial == window.serial() && last.element == &target &&
           at - last.at <= double_click_time_ && std::abs(x - last.x) <= double_click_distance_ &&
           std::abs(y - last.y) <= double_click_distance_;
}

void InputRouter::press(std::string_view window, int x, int y, MouseButton button, int shift) {
    Window* w = windows_.find(window);
    if (!w || !w->visible()) return;
    // A button that is already down has lost its release somewhere: forget it.
    std::erase_if(presses_, [&](const Press& p) { return p.button == button; });
    Element* target = w->element_at(x, y);
    const bool takes_it = target && target->enabled();

    // Only a left press on the very element of the last one, soon and near, makes
    // a double click; any other press in between breaks the pair, one on the bare
    // background or on a disabled element included. Buttons know no double click.
    const Micros at = clock_.now();
    bool double_click = false;
    if (button == MouseButton::Left && takes_it) {
        double_click = makes_double_click(*w, *target, x, y, at);
        last_left_ = {w->name(), w->serial(), target, at, x, y, double_click, true};
    } else {
        last_left_.valid = false;
    }
    if (!target) return;

    presses_.push_back(
        {w->name(), w->serial(), target, button, !takes_it, double_click, withdrawals_of(*target)});
    if (!takes_it) return;
    const EventArgs args{button, shift, x - target->window_left(), y - target->window_top()};
    sink_.deliver(*w, *target, double_click ? Event::DblClick : Event::MouseDown, args);
}

void InputRouter::release(std::string_view window, int x, int y, MouseButton button, int shift) {
    const auto held = std::find_if(presses_.begin(), presses_.end(), [&](const Press& p) {
        return p.button == button && p.window == window;
    });
    if (held == presses_.end()) return;
    const Press press = *held;
    presses_.erase(held);
    if (press.swallowed) return;
    finish(press, x, y, shift);
}

bool InputRouter::tap(std::string_view window, int x, int y) {
    Window* w = windows_.find(window);
    if (!w || !w->visible()) return false;
    Element* target = w->element_at(x, y);
    if (!target || !target->enabled()) return false;
    const Press press{
        w->name(), w->serial(), target, MouseButton::Left, false, false, withdrawals_of(*target)};
    const EventArgs args{MouseButton::Left, 0, x - target->window_left(), y - target->window_top()};
    sink_.deliver(*w, *target, Event::MouseDown, args);
    finish(press, x, y, 0);
    return true;
}

void InputRouter::finish(const Press& press, int x, int y, int shift) {
    Window* w = windows_.same(press.window, press.window_serial);
    if (!w) return;
    // The release goes to the pressed element even if it has been hidden or
    // disabled since, so that it can put back what its press changed (a pointer);
    // it scores nothing.
    Element& target = *press.element;
    const EventArgs args{press.button, shift, x - target.window_left(), y - target.window_top()};
    sink_.deliver(*w, target, Event::MouseUp, args);
    // The release of a double click's press clicks nothing: the first press's
    // release clicked already.
    if (press.button != MouseButton::Left || press.double_click) return;
    // The click needs the release over the same element, which must have stayed
    // within reach the whole time: the MouseUp handler may even have unloaded its
    // very window.
    w = windows_.same(press.window, press.window_serial);
    if (!w || withdrawals_of(target) != press.withdrawals) return;
    if (w->element_at(x, y) != &target) return;
    sink_.deliver(*w, target, Event::Click, {});
}

bool InputRouter::click(std::string_view window, std::string_view button) {
    Window* w = windows_.find(window);
    if (!w || !w->visible()) return false;
    Element* e = w->find(button);
    if (!e || !e->enabled() || !e->shown()) return false;
    sink_.deliver(*w, *e, Event::Click, {});
    return true;
}

bool InputRouter::access_key(std::string_view window, char32_t key) {
    Window* w = windows_.find(window);
    if (!w || !w->visible()) return false;
    Element* target = w->access_key_target(key);
    if (!target) return false;
    sink_.deliver(*w, *target, Event::Click, {});
    return true;
}

void InputRouter::forget(std::string_view window) {
    std::erase_if(presses_, [&](const Press& p) { return p.window == window; });
    if (last_left_.window == window) last_left_.valid = false;
}

}  // namespace board

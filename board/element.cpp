#include "board/element.h"

#include <algorithm>

#include "board/clock.h"
#include "board/failure.h"
#include "board/text.h"
#include "board/window.h"

namespace board {

Element::Element(Window& window, std::string name, Kind kind, std::size_t row)
    : window_(&window), name_(std::move(name)), kind_(kind), row_(row) {}

Element::~Element() = default;

template <typename T>
void Element::assign(T& field, T value) {
    if (field == value) return;  // an unchanged value is no change
    field = std::move(value);
    window_->touch();
}

void Element::set_left(int v) {
    assign(left_, v);
}
void Element::set_top(int v) {
    assign(top_, v);
}
void Element::set_width(int v) {
    assign(width_, v);
}
void Element::set_height(int v) {
    assign(height_, v);
}
void Element::set_visible(bool v) {
    if (visible_ == v) return;
    assign(visible_, v);
    if (!v) ++withdrawals_;
}
void Element::set_tag(std::string v) {
    assign(tag_, std::move(v));
}
void Element::set_caption(std::string v) {
    assign(caption_, std::move(v));
}
void Element::set_text(std::string v) {
    assign(text_, std::move(v));
}
void Element::set_back_color(Colour v) {
    assign(back_color_, v);
}
void Element::set_fore_color(Colour v) {
    assign(fore_color_, v);
}
void Element::set_alignment(Alignment v) {
    assign(alignment_, v);
}
void Element::set_mouse_pointer(PointerKind v) {
    assign(mouse_pointer_, v);
}

void Element::set_picture(PictureRef v) {
    if (same_picture(picture_, v)) return;
    picture_ = std::move(v);
    window_->touch();
}

void Element::set_mouse_icon(PictureRef v) {
    if (same_picture(mouse_icon_, v)) return;
    mouse_icon_ = std::move(v);
    window_->touch();
}

void Element::set_enabled(bool v) {
    if (enabled_ == v) return;
    enabled_ = v;
    if (!v) ++withdrawals_;
    window_->touch();
    if (kind_ == Kind::Timer) restart_timer();
}

void Element::set_interval(std::int64_t v) {
    if (!interval_in_range(v)) {
        throw Failure(FailureCode::InvalidPropertyValue,
                      "invalid property value: interval " + std::to_string(v));
    }
    interval_ = static_cast<int>(v);
    restart_timer();
}

void Element::restart_timer() {
    if (!enabled_ || interval_ == 0) {
        due_ = -1;
        return;
    }
    anchor_ = window_->now();
    due_ = anchor_ + timer_period(interval_);
}

void Element::take_tick(Micros now) {
    if (due_ < 0) return;
    const Micros period = timer_period(interval_);
    due_ = anchor_ + ((now - anchor_) / period + 1) * period;
}

char32_t Element::access_key() const {
    if (kind_ != Kind::Button) return 0;
    return marked_character(caption_);
}

bool Element::shown() const {
    for (const Element* e = this; e; e = e->container_) {
        if (!e->visible_) return false;
    }
    return true;
}

int Element::window_left() const {
    return left_ + (container_ ? container_->window_left() : 0);
}
int Element::window_top() const {
    return top_ + (container_ ? container_->window_top() : 0);
}

bool Element::contains(int x, int y) const {
    const int l = window_left();
    const int t = window_top();
    return x >= l && x < l + width_ && y >= t && y < t + height_;
}

}  // namespace board

#include "board/window.h"

#include <algorithm>
#include <stdexcept>

#include "board/runtime.h"
#include "board/text.h"

namespace board {

namespace {
std::uint64_t next_serial() {
    static std::uint64_t serial = 0;
    return ++serial;
}

PictureRef load_if_named(std::string_view asset) {
    return asset.empty() ? nullptr : Picture::load(std::string(asset));
}

// Buttons, text boxes and frames lie above labels, pictures and shapes.
bool is_upper_layer(Kind kind) {
    return kind == Kind::Button || kind == Kind::TextBox || kind == Kind::Frame;
}

}  // namespace

Window::Window(Runtime& game, const WindowLayout& layout)
    : game_(&game),
      layout_(&layout),
      name_(layout.name),
      serial_(next_serial()),
      caption_(layout.caption),
      width_(layout.width),
      height_(layout.height),
      back_color_(layout.back),
      icon_(load_if_named(layout.icon)),
      pointer_icon_(load_if_named(layout.pointer)),
      reading_(layout.reading) {
    elements_.reserve(layout.rows.size());
    for (const ElementRow& row : layout.rows) {
        auto e = std::make_unique<Element>(*this, std::string(row.name), row.kind,
                                           elements_.size());
        e->set_left(row.left);
        e->set_top(row.top);
        e->set_width(row.width);
        e->set_height(row.height);
        e->set_visible(row.visible);
        e->set_caption(std::string(row.caption));
        e->set_text(std::string(row.text));
        e->set_tag(std::string(row.tag));
        // Every stored picture becomes an object of its own, even for the same art.
        e->set_picture(load_if_named(row.picture));
        e->set_mouse_icon(load_if_named(row.icon));
        e->set_mouse_pointer(row.pointer);
        e->set_alignment(row.alignment);
        e->set_tab_index(row.tab_index);
        if (row.back) e->set_back_color(*row.back);
        if (row.fore) e->set_fore_color(*row.fore);
        if (row.kind == Kind::Timer) e->set_interval(row.interval);
        e->set_enabled(row.enabled);
        if (!by_name_.emplace(e->name(), e.get()).second) {
            throw std::logic_error("element named twice: " + e->name());
        }
        elements_.push_back(std::move(e));
    }
    for (const ElementRow& row : layout.rows) {
        if (!row.container.empty()) (*this)[row.name].set_container(&(*this)[row.container]);
    }
    // Timers that are on from the layout count from the moment the window exists.
    for (auto& e : elements_) {
        if (e->kind() == Kind::Timer && e->enabled()) {
            e->set_enabled(false);
            e->set_enabled(true);
        }
    }
}

void Window::set_back_color(Colour c) {
    if (back_color_ == c) return;
    back_color_ = c;
    touch();
}

void Window::set_visible(bool v) {
    if (visible_ == v) return;
    visible_ = v;
    if (!v) ++hidings_;
    touch();
}

Element* Window::find(std::string_view name) const {
    const auto it = by_name_.find(name);
    return it == by_name_.end() ? nullptr : it->second;
}

Element& Window::operator[](std::string_view name) const {
    Element* e = find(name);
    if (!e) throw std::out_of_range("no element " + std::string(name) + " in " + name_);
    return *e;
}

std::vector<Element*> Window::children(const Element* container) const {
    std::vector<Element*> out;
    for (const auto& e : elements_) {
        if (e->container() == container) out.push_back(e.get());
    }
    return out;
}

Element* Window::hit_among(const Element* container, int x, int y) const {
    const std::vector<Element*> inside = children(container);
    // Two passes: first the kinds that always lie above, then the others.
    for (const bool upper : {true, false}) {
        for (Element* e : inside) {
            if (is_upper_layer(e->kind()) != upper) continue;
            if (e->kind() == Kind::Timer || e->kind() == Kind::Shape) continue;
            if (!e->visible() || !e->contains(x, y)) continue;
            if (e->kind() == Kind::Frame) {
                if (Element* held = hit_among(e, x, y)) return held;
            }
            return e;
        }
    }
    return nullptr;
}

Element* Window::element_at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return nullptr;
    return hit_among(nullptr, x, y);
}

Pointer Window::pointer_at(int x, int y) const {
    const Pointer own{Pointer::Shape::Icon, pointer_icon_};
    const Element* e = element_at(x, y);
    if (!e) return own;
    if (e->mouse_pointer() == PointerKind::Custom && e->mouse_icon()) {
        return {Pointer::Shape::Icon, e->mouse_icon()};
    }
    if (e->mouse_pointer() == PointerKind::Text) return {Pointer::Shape::TextCursor, nullptr};
    if (e->kind() == Kind::TextBox) return {Pointer::Shape::TextCursor, nullptr};
    if (e->kind() == Kind::Button) return {Pointer::Shape::Arrow, nullptr};
    return own;
}

std::vector<Element*> Window::focus_order() const {
    std::vector<Element*> order;
    for (const auto& e : elements_) {
        const bool focusable = e->kind() == Kind::Button || e->kind() == Kind::TextBox;
        if (focusable && e->tab_index() >= 0) order.push_back(e.get());
    }
    std::stable_sort(order.begin(), order.end(), [](const Element* a, const Element* b) {
        return a->tab_index() < b->tab_index();
    });
    return order;
}

Element* Window::initial_focus() const {
    for (Element* e : focus_order()) {
        if (e->enabled() && e->shown()) return e;
    }
    return nullptr;
}

Element* Window::access_key_target(char32_t key) const {
    const char32_t wanted = fold_case(key);
    for (const auto& e : elements_) {
        if (e->kind() != Kind::Button || !e->enabled() || !e->shown()) continue;
        const char32_t mark = e->access_key();
        if (mark != 0 && fold_case(mark) == wanted) return e.get();
    }
    return nullptr;
}

Micros Window::now() const {
    return game_->now();
}

}  // namespace board

#include "board/window_life.h"

#include <algorithm>
#include <stdexcept>

namespace board {

void WindowLife::define(WindowLayout layout) {
    const std::string name(layout.name);
    if (!layouts_.emplace(name, std::move(layout)).second) {
        throw std::logic_error("window defined twice: " + name);
    }
}

const WindowLayout* WindowLife::layout(std::string_view name) const {
    const auto it = layouts_.find(name);
    return it == layouts_.end() ? nullptr : &it->second;
}

Window* WindowLife::find(std::string_view name) const {
    for (const auto& w : windows_) {
        if (w->name() == name) return w.get();
    }
    return nullptr;
}

Window& WindowLife::get(std::string_view name) const {
    Window* w = find(name);
    if (!w) throw std::logic_error("window not loaded: " + std::string(name));
    return *w;
}

Window* WindowLife::same(std::string_view name, std::uint64_t serial) const {
    Window* w = find(name);
    return w && w->serial() == serial ? w : nullptr;
}

Window& WindowLife::create(std::string_view name) {
    const WindowLayout* l = layout(name);
    if (!l) throw std::logic_error("no layout for " + std::string(name));
    windows_.push_back(std::make_unique<Window>(runtime_, *l));
    return *windows_.back();
}

void WindowLife::show(Window& window) {
    window.set_visible(true);
    active_ = window.name();
}

void WindowLife::hide(Window& window) {
    window.set_visible(false);
    if (active_ == window.name()) pick_active();
}

bool WindowLife::unload(std::string_view name) {
    const auto it = std::find_if(windows_.begin(), windows_.end(),
                                 [&](const auto& w) { return w->name() == name; });
    if (it == windows_.end()) return false;
    const std::string gone(name);  // `name` may be the window's own, about to go
    windows_.erase(it);
    if (active_ == gone) pick_active();
    return true;
}

void WindowLife::pick_active() {
    active_.clear();
    for (auto w = windows_.rbegin(); w != windows_.rend(); ++w) {
        if ((*w)->visible()) {
            active_ = (*w)->name();
            return;
        }
    }
}

}  // namespace board

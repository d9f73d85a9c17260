// A window: its own properties and its elements in stacking order. Created from a
// layout when shown for the first time and destroyed when unloaded.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "board/element.h"
#include "board/layout.h"

namespace board {

class Runtime;

// Lets a name be looked up as a std::string_view without building a std::string.
struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const noexcept {
        return std::hash<std::string_view>{}(name);
    }
};

// The pointer image to show at a point of a window.
struct Pointer {
    enum class Shape { Icon, Arrow, TextCursor };
    Shape shape = Shape::Arrow;
    PictureRef icon;  // with Shape::Icon
};

class Window;

// The elements of these names in a window, in their order; an unknown name is a
// programming error.
template <std::size_t N>
std::array<Element*, N> elements_named(const Window& window,
                                       const std::array<std::string_view, N>& names);

class Window {
  public:
    Window(Runtime& game, const WindowLayout& layout);
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const std::string& name() const { return name_; }
    Runtime& game() const { return *game_; }
    // The layout the window was created from; the same for each of its creations.
    const WindowLayout& layout() const { return *layout_; }
    // Distinguishes this creation of the window from earlier ones of the same name.
    std::uint64_t serial() const { return serial_; }

    const std::string& caption() const { return caption_; }
    Colour back_color() const { return back_color_; }
    void set_back_color(Colour c);
    int client_width() const { return width_; }
    int client_height() const { return height_; }
    const PictureRef& icon() const { return icon_; }
    const PictureRef& pointer_icon() const { return pointer_icon_; }
    // What a screen reader reads of the painted elements; nullptr: nothing.
    ReadingOf reading() const { return reading_; }
    bool visible() const { return visible_; }
    void set_visible(bool v);
    // How often the window has been hidden.
    std::uint64_t hidings() const { return hidings_; }

    // The element of that name; an unknown name is a programming error.
    Element& operator[](std::string_view name) const;
    Element* find(std::string_view name) const;
    // Every element, topmost first; the timers come last.
    const std::vector<std::unique_ptr<Element>>& elements() const { return elements_; }
    // The elements held directly by a frame (nullptr: by the window), topmost first.
    std::vector<Element*> children(const Element* container) const;

    // The element that a press at this point reaches: the topmost shown one, where
    // buttons, text boxes and frames lie above labels, pictures and shapes.
    Element* element_at(int x, int y) const;
    Pointer pointer_at(int x, int y) const;

    // Buttons and text boxes that can take the focus, in tab order.
    std::vector<Element*> focus_order() const;
    Element* initial_focus() const;
    // The enabled, shown button whose caption marks this character, if any.
    Element* access_key_target(char32_t key) const;

    // Rises with every change of a property, so that views know when to redraw.
    std::uint64_t revision() const { return revision_; }
    void touch() { ++revision_; }
    Micros now() const;

  private:
    Element* hit_among(const Element* container, int x, int y) const;

    Runtime* game_;
    const WindowLayout* layout_;
    std::string name_;
    std::uint64_t serial_;
    std::string caption_;
    int width_, height_;
    Colour back_color_;
    PictureRef icon_, pointer_icon_;
    ReadingOf reading_;
    bool visible_ = false;
    std::uint64_t hidings_ = 0;
    std::vector<std::unique_ptr<Element>> elements_;
    std::unordered_map<std::string, Element*, NameHash, std::equal_to<>> by_name_;
    std::uint64_t revision_ = 1;
};

template <std::size_t N>
std::array<Element*, N> elements_named(const Window& window,
                                       const std::array<std::string_view, N>& names) {
    std::array<Element*, N> out{};
    for (std::size_t i = 0; i < N; ++i) out[i] = &window[names[i]];
    return out;
}

}  // namespace board

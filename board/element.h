// One named element of a window: its kind, place, state and the properties of
// its kind. All of the game's state lives in these properties.
#pragma once

#include <cstdint>
#include <string>

#include "board/colour.h"
#include "board/picture.h"
#include "board/time_units.h"

namespace board {

class Window;

enum class Kind { Label, Picture, Button, TextBox, Frame, Timer, Shape };
enum class Alignment { Left, Centre };

// The MousePointer property, with its stored values.
enum class PointerKind { Default = 0, Text = 3, Custom = 99 };

class Element {
  public:
    // `row`: the element's place in its window's layout, which names it for good.
    Element(Window& window, std::string name, Kind kind, std::size_t row = 0);
    ~Element();
    Element(const Element&) = delete;
    Element& operator=(const Element&) = delete;

    const std::string& name() const { return name_; }
    Kind kind() const { return kind_; }
    std::size_t row() const { return row_; }
    Window& window() const { return *window_; }
    // The frame that holds this element, or nullptr when the window does.
    Element* container() const { return container_; }
    void set_container(Element* frame) { container_ = frame; }

    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void set_left(int v);
    void set_top(int v);
    void set_width(int v);
    void set_height(int v);

    bool visible() const { return visible_; }
    bool enabled() const { return enabled_; }
    void set_visible(bool v);
    void set_enabled(bool v);
    // How often the element has gone out of the player's reach, hidden or
    // disabled: a press on it that sees this change has lost its element.
    std::uint64_t withdrawals() const { return withdrawals_; }

    const std::string& tag() const { return tag_; }
    const std::string& caption() const { return caption_; }
    const std::string& text() const { return text_; }
    void set_tag(std::string v);
    void set_caption(std::string v);
    void set_text(std::string v);

    Colour back_color() const { return back_color_; }
    Colour fore_color() const { return fore_color_; }
    Alignment alignment() const { return alignment_; }
    void set_back_color(Colour v);
    void set_fore_color(Colour v);
    void set_alignment(Alignment v);

    const PictureRef& picture() const { return picture_; }
    const PictureRef& mouse_icon() const { return mouse_icon_; }
    PointerKind mouse_pointer() const { return mouse_pointer_; }
    void set_picture(PictureRef v);
    void set_mouse_icon(PictureRef v);
    void set_mouse_pointer(PointerKind v);

    int tab_index() const { return tab_index_; }
    void set_tab_index(int v) { tab_index_ = v; }

    // Timers. An interval outside kIntervalMin to kIntervalMax is the invalid-property-value
    // failure and leaves the interval as it was. Setting the interval, or
    // switching the timer on, starts its count afresh.
    int interval() const { return interval_; }
    void set_interval(std::int64_t v);
    // When the next tick falls due; negative while the timer cannot tick.
    Micros due() const { return due_; }
    // Called by the scheduler as the tick is delivered at `now`: the next tick
    // falls on the timer's own beat, and beats missed meanwhile are dropped.
    void take_tick(Micros now);

    // The access-key character marked by "&" in the caption (0 for none).
    char32_t access_key() const;
    // True when the element and every frame that holds it are visible.
    bool shown() const;
    // Position within the window's client area, frames' offsets added.
    int window_left() const;
    int window_top() const;
    bool contains(int x, int y) const;

  private:
    template <typename T>
    void assign(T& field, T value);
    void restart_timer();

    Window* window_;
    std::string name_;
    Kind kind_;
    std::size_t row_;
    Element* container_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    std::uint64_t withdrawals_ = 0;
    std::string tag_, caption_, text_;
    Colour back_color_ = kButtonFace;
    Colour fore_color_ = kButtonText;
    Alignment alignment_ = Alignment::Left;
    PictureRef picture_, mouse_icon_;
    PointerKind mouse_pointer_ = PointerKind::Default;
    int tab_index_ = -1;
    int interval_ = 0;
    Micros anchor_ = 0;  // when the timer's count last started
    Micros due_ = -1;
};

}  // namespace board

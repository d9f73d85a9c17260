// Mouse and keyboard input, decided once: which element a press reaches, where
// its release goes, when a click or a double click follows, and which button an
// access key clicks. Every press keeps what it began, so that its own release
// finishes it, whatever other buttons do in between.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "board/event.h"
#include "board/time_units.h"

namespace board {

class Clock;
class Element;
class Window;
class WindowLife;

class InputRouter {
  public:
    // Where the router hands the events it makes: the runtime runs the handler.
    class Sink {
      public:
        virtual void deliver(Window& window, Element& element, Event event,
                             const EventArgs& args) = 0;

      protected:
        ~Sink() = default;
    };

    InputRouter(const WindowLife& windows, const Clock& clock, Sink& sink)
        : windows_(windows), clock_(clock), sink_(sink) {}

    void set_double_click(Micros time, int distance_twips);

    // Positions in twips within the window's client area.
    void press(std::string_view window, int x, int y, MouseButton button, int shift);
    void release(std::string_view window, int x, int y, MouseButton button, int shift);
    // A left press and its release at one point with no button held: a screen
    // reader's press. The mouse's own presses and its double-click pairing are
    // left as they were. False when nothing there takes it.
    bool tap(std::string_view window, int x, int y);
    // A button clicked by the toolkit; false when it, or its window, is disabled
    // or hidden.
    bool click(std::string_view window, std::string_view button);
    // Alt with a character on this window; false when no button takes it.
    bool access_key(std::string_view window, char32_t key);
    // The window is gone: its presses end without a release.
    void forget(std::string_view window);

  private:
    // A button held down: what it went down on, to send its release there.
    struct Press {
        std::string window;
        std::uint64_t window_serial = 0;
        Element* element = nullptr;  // valid while that very window lives
        MouseButton button = MouseButton::Left;
        bool swallowed = false;    // on a disabled element: no handler hears of it
        bool double_click = false; // delivered as DblClick: its release clicks nothing
        // The element's withdrawals when it went down (see reach_lost()): once the
        // element, a frame that holds it or its window has gone out of reach, the
        // press clicks nothing, even if all are back by the release.
        std::uint64_t withdrawals = 0;
    };
    // The last left press on an element that took it, to pair a double click.
    struct LastLeftPress {
        std::string window;
        std::uint64_t window_serial = 0;
        const Element* element = nullptr;
        Micros at = 0;
        int x = 0, y = 0;
        bool double_click = false;
        bool valid = false;
    };

    // Delivers the release of a press that reached its element, and the click
    // when the release is over the element and the press never lost it.
    void finish(const Press& press, int x, int y, int shift);
    bool makes_double_click(const Window& window, const Element& target, int x, int y,
                            Micros at) const;

    const WindowLife& windows_;
    const Clock& clock_;
    Sink& sink_;
    std::vector<Press> presses_;  // at most one per button
    LastLeftPress last_left_;
    Micros double_click_time_ = 500'000;
    int double_click_distance_ = 60;
};

}  // namespace board

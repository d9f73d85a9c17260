// The events the model delivers to the game's handlers, and what they carry.
#pragma once

#include <functional>

namespace board {

class Element;
class Runtime;

enum class Event { Load, Close, Click, DblClick, MouseDown, MouseUp, Timer };
// The event's own name: "Load", "Click", ...
const char* event_name(Event event);

// Back and Forward are a mouse's side buttons: they press and release like the
// others, but only the left button clicks.
enum class MouseButton { Left = 1, Right = 2, Middle = 4, Back = 8, Forward = 16 };

// What a mouse event carries; the game's handlers may ignore it.
struct EventArgs {
    MouseButton button = MouseButton::Left;
    int shift = 0;
    int x = 0;  // twips, within the element
    int y = 0;
};

// A handler of an element's event, handed the element that raised it: one
// handler may serve many elements alike.
using Handler = std::function<void(Runtime&, Element&, const EventArgs&)>;
// A handler of a window's own event (Load, Close).
using WindowHandler = std::function<void(Runtime&)>;

}  // namespace board

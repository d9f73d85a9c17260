// The game's handlers, one per element and event. They are wired by window and
// element name, checked against the window's layout at once, and found again by
// the element itself: its window's layout and its row there, the same for every
// creation of the window.
#pragma once

#include <cstddef>
#include <map>
#include <string_view>
#include <tuple>

#include "board/event.h"
#include "board/layout.h"

namespace board {

class Element;
class Window;

class HandlerTable {
  public:
    // A handler for an unknown window (layout nullptr) or element, or for an
    // event the element's kind never raises, is a wiring error: a
    // std::logic_error that names them.
    void add(const WindowLayout* layout, std::string_view window, std::string_view element,
             Event event, Handler handler);
    // An event of the window itself: Load or Close.
    void add(const WindowLayout* layout, std::string_view window, Event event,
             WindowHandler handler);
    const Handler* find(const Element& element, Event event) const;
    const WindowHandler* find(const Window& window, Event event) const;

  private:
    using Key = std::tuple<const WindowLayout*, std::size_t, Event>;
    std::map<Key, Handler> handlers_;
    std::map<std::pair<const WindowLayout*, Event>, WindowHandler> window_handlers_;
};

}  // namespace board

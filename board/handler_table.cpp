#include "board/handler_table.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "board/window.h"

namespace board {

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

namespace {
std::string describe(Event event, std::string_view window, std::string_view element) {
    return std::string(event_name(event)) + " handler for " +
           (element.empty() ? "window " : std::string(element) + " in window ") +
           std::string(window);
}
}  // namespace

void HandlerTable::add(const WindowLayout* layout, std::string_view window,
                       std::string_view element, Event event, Handler handler) {
    const std::string what = describe(event, window, element);
    if (!layout) throw std::logic_error(what + ": no such window");
    const auto& rows = layout->rows;
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [&](const ElementRow& r) { return r.name == element; });
    if (row == rows.end()) throw std::logic_error(what + ": no such element");
    if (!can_raise(row->kind, event)) {
        throw std::logic_error(what + ": a " + kind_name(row->kind) + " never raises " +
                               event_name(event));
    }
    handlers_[{layout, static_cast<std::size_t>(row - rows.begin()), event}] = std::move(handler);
}

void HandlerTable::add(const WindowLayout* layout, std::string_view window, Event event,
                       WindowHandler handler) {
    const std::string what = describe(event, window, {});
    if (!layout) throw std::logic_error(what + ": no such window");
    if (event != Event::Load && event != Event::Close) {
        throw std::logic_error(what + ": a window raises only Load and Close");
    }
    window_handlers_[{layout, event}] = std::move(handler);
}

const Handler* HandlerTable::find(const Element& element, Event event) const {
    const auto it = handlers_.find({&element.window().layout(), element.row(), event});
    return it == handlers_.end() ? nullptr : &it->second;
}

const WindowHandler* HandlerTable::find(const Window& window, Event event) const {
    const auto it = window_handlers_.find({&window.layout(), event});
    return it == window_handlers_.end() ? nullptr : &it->second;
}

}  // namespace board

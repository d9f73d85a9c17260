#include "board/event.h"

namespace board {

const char* event_name(Event event) {
    switch (event) {
        case Event::Load:
            return "Load";
        case Event::Close:
            return "Close";
        case Event::Click:
            return "Click";
        case Event::DblClick:
            return "DblClick";
        case Event::MouseDown:
            return "MouseDown";
        case Event::MouseUp:
            return "MouseUp";
        case Event::Timer:
            return "Timer";
    }
    return "?";
}

}  // namespace board

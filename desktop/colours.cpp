#include "desktop/colours.h"

namespace desktop {

QColor to_qcolor(board::Colour colour) {
    if (board::is_system_colour(colour)) {
        // A fixed light scheme, so the game looks the same on every desktop.
        switch (colour) {
            case board::kWindowBackground:
                return QColor(0xFF, 0xFF, 0xFF);
            case board::kWindowText:
            case board::kButtonText:
                return QColor(0, 0, 0);
            case board::kButtonFace:
            default:
                return QColor(0xF0, 0xF0, 0xF0);
        }
    }
    return QColor(board::red_of(colour), board::green_of(colour), board::blue_of(colour));
}

}  // namespace desktop

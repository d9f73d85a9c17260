// The game's colours on the screen.
#pragma once

#include <QColor>

#include "board/colour.h"

namespace desktop {

QColor to_qcolor(board::Colour colour);

}  // namespace desktop

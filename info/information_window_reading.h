// What a screen reader reads of the information window: the text field with the
// last text asked for, the author's line and the two logos.
#pragma once

#include "board/reading.h"
#include "board/window.h"

namespace info {

board::ReadingPlan information_window_reading(board::Window& window);

}  // namespace info

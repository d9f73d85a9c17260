// What a screen reader reads of the main board: the scenes, the grid with its
// targets and the ring, the portrait, the statistics under their headings and the
// hint line; never the registers and holders that only the handlers read.
#pragma once

#include "board/reading.h"
#include "board/window.h"

namespace board::layout {

ReadingPlan main_board_reading(Window& window);

}  // namespace board::layout

// The board tick: on every tick of its timer the board is dealt afresh. Three
// targets on a wrapping diagonal wear the costume, each column shows one target
// in a freshly drawn row, the best score catches up with the score, and the ring
// gets its kind picture and its cell.
#pragma once

#include "board/runtime.h"

namespace round_control {

// The Timer event of the board tick's timer.
void board_tick(board::Runtime& game);

}  // namespace round_control

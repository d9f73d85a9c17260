// The ring: a five-tick cycle of its own timer shows it for one tick in five on the
// cell the board tick last gave it. A click catches it, a double click that
// reaches it while shown is worth more, and press and release swap its pointer.
#pragma once

#include "board/runtime.h"

namespace targets {

inline constexpr int kRingCatchWorth = 30;
inline constexpr int kRingDoubleClickWorth = 50;

// The Timer event of the ring's cycle timer.
void ring_cycle_tick(board::Runtime& game);
// The ring's Click, DblClick, MouseDown and MouseUp.
void catch_ring(board::Runtime& game);
void double_click_ring(board::Runtime& game);
void press_ring(board::Runtime& game);
void release_ring(board::Runtime& game);

}  // namespace targets

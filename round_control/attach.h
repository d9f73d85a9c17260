// Hooks round control up to the main board's buttons and timers.
#pragma once

#include "board/runtime.h"

namespace round_control {
void attach(board::Runtime& game);
}

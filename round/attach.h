// Hooks round control up to the main board's buttons and timers.
#pragma once

#include "board/game.h"

namespace round_control {
void attach(board::Game& game);
}

// Hooks the targets handlers up to their elements.
#pragma once

#include "board/game.h"

namespace targets {
void attach(board::Game& game);
}

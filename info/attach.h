// Hooks the info handlers up to their elements.
#pragma once

#include "board/game.h"

namespace info {
void attach(board::Game& game);
}

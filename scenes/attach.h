// Hooks the scenes handlers up to their elements.
#pragma once

#include "board/game.h"

namespace scenes {
void attach(board::Game& game);
}

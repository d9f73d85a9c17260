// Hooks the hero mode handlers up to their elements.
#pragma once

#include "board/game.h"

namespace hero_mode {
void attach(board::Game& game);
}

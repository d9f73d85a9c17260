// Hooks the hero mode handlers up to their elements.
#pragma once

#include "board/runtime.h"

namespace hero_mode {
void attach(board::Runtime& game);
}

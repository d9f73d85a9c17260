// Hooks the info handlers up to their elements.
#pragma once

#include "board/runtime.h"

namespace info {
void attach(board::Runtime& game);
}

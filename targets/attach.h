// Hooks the targets handlers up to their elements.
#pragma once

#include "board/runtime.h"

namespace targets {
void attach(board::Runtime& game);
}

// Hooks the scenes handlers up to their elements.
#pragma once

#include "board/runtime.h"

namespace scenes {
void attach(board::Runtime& game);
}

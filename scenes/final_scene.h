// The final scene that a winning round opens over the top strip.
#pragma once

#include "board/runtime.h"

namespace scenes {

// The tick of the final scene's timer: one step of the burning airship.
void final_scene_tick(board::Runtime& game);

}  // namespace scenes

// The opening scene that plays once in the top strip of the main board.
#pragma once

#include "board/runtime.h"

namespace scenes {

// The tick of the opening scene's timer: one step of the scene.
void opening_scene_tick(board::Runtime& game);

}  // namespace scenes

// Puts the whole game together: both window layouts and every subsystem's handlers.
#pragma once

#include "board/game.h"

namespace app {

// Defines the windows and attaches every handler; the caller then shows the main board.
void assemble(board::Game& game);

// Shows the main board, which starts the game.
void start(board::Game& game);

}  // namespace app

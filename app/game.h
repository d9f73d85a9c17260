// Puts the whole game together: both window layouts and every subsystem's handlers.
#pragma once

#include "board/runtime.h"

namespace app {

// Defines the windows and attaches every handler. A handler wired to a window,
// element or event that does not exist throws std::logic_error naming it.
void assemble(board::Runtime& game);

// The one way a game is put together and started, on the desktop, in the
// benchmarks and in the tests alike: assembles it, shows the main board (which
// starts the game) and brings the game's display, if it has one, up to date. The
// caller chooses the clock, the random source and the display (a desktop screen, or
// none) before; what assembling throws comes out of here.
void launch(board::Runtime& game);

}  // namespace app

// The boundary between the toolkit's event loop and the game: nothing the game
// throws may unwind through the toolkit, which would end the program.
#pragma once

#include <exception>
#include <string>

#include "board/runtime.h"

namespace desktop {

// What the player is told when something went wrong inside the game.
std::string internal_error_message(const std::exception& error);

// Runs an action of the game; an exception that escapes it is told to the
// player, the windows are brought up to date, and the game goes on.
template <typename Action>
void guarded(board::Runtime& game, Action&& action) {
    try {
        action();
    } catch (const std::exception& error) {
        game.tell_player(internal_error_message(error));
        if (board::Display* display = game.display()) display->refresh();
    }
}

}  // namespace desktop

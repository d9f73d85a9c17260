#include "round/attach.h"

#include "board/layout/main_board.h"
#include "round/board_tick.h"
#include "round/clock.h"
#include "round/lifecycle.h"

namespace round_control {

void attach(board::Game& game) {
    using board::Event;
    const auto board = board::layout::kMainBoard;
    game.on(board, "", Event::Load, start_up);
    game.on(board, "Commandstart", Event::Click, start_round);
    game.on(board, "Commandstop", Event::Click, stop_round);
    game.on(board, "Commandcontinue", Event::Click, continue_round);
    game.on(board, "Commandedit", Event::Click, set_interval);
    game.on(board, "Command1", Event::Click, reset_statistics);
    game.on(board, "Timer1", Event::Timer, board_tick);
    game.on(board, "Timer2", Event::Timer, clock_tick);
}

}  // namespace round_control

#include "round/attach.h"

#include "board/layout/main_board_view.h"
#include "round/board_tick.h"
#include "round/clock.h"
#include "round/lifecycle.h"

namespace round_control {

void attach(board::Game& game) {
    using board::Event;
    using B = board::layout::MainBoard;
    const auto board = board::layout::kMainBoard;
    game.on(board, "", Event::Load, start_up);
    game.on(board, B::kStartButton, Event::Click, start_round);
    game.on(board, B::kStopButton, Event::Click, stop_round);
    game.on(board, B::kContinueButton, Event::Click, continue_round);
    game.on(board, B::kSetIntervalButton, Event::Click, set_interval);
    game.on(board, B::kResetStatisticsButton, Event::Click, reset_statistics);
    game.on(board, B::kBoardTickTimer, Event::Timer, board_tick);
    game.on(board, B::kRoundClockTimer, Event::Timer, clock_tick);
}

}  // namespace round_control

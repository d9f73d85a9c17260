#include "round_control/attach.h"

#include "board/layout/main_board_view.h"
#include "round_control/board_tick.h"
#include "round_control/clock.h"
#include "round_control/lifecycle.h"

namespace round_control {

void attach(board::Runtime& game) {
    using board::Event;
    using B = board::layout::MainBoard;
    const auto main_board = board::layout::kMainBoard;
    game.on(main_board, "", Event::Load, start_up);
    game.on(main_board, B::kStartButton, Event::Click, start_round);
    game.on(main_board, B::kStopButton, Event::Click, stop_round);
    game.on(main_board, B::kContinueButton, Event::Click, continue_round);
    game.on(main_board, B::kSetIntervalButton, Event::Click, set_interval);
    game.on(main_board, B::kResetStatisticsButton, Event::Click, reset_statistics);
    game.on(main_board, B::kBoardTickTimer, Event::Timer, board_tick);
    game.on(main_board, B::kRoundClockTimer, Event::Timer, clock_tick);
}

}  // namespace round_control

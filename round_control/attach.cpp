#include "round_control/attach.h"

#include "board/layout/main_board.h"
#include "round_control/board_tick.h"
#include "round_control/clock.h"
#include "round_control/lifecycle.h"

namespace round_control {

void attach(board::Runtime& game) {
    using board::Event;
    using namespace board::layout;
    game.on(kMainBoard, "", Event::Load, start_up);
    game.on(kMainBoard, kStartButton, Event::Click, start_round);
    game.on(kMainBoard, kStopButton, Event::Click, stop_round);
    game.on(kMainBoard, kContinueButton, Event::Click, continue_round);
    game.on(kMainBoard, kSetIntervalButton, Event::Click, set_interval);
    game.on(kMainBoard, kResetStatisticsButton, Event::Click, reset_statistics);
    game.on(kMainBoard, kBoardTickTimer, Event::Timer, board_tick);
    game.on(kMainBoard, kRoundClockTimer, Event::Timer, clock_tick);
}

}  // namespace round_control

#include "targets/attach.h"

#include "board/layout/main_board_view.h"
#include "targets/ring.h"
#include "targets/strike.h"

namespace targets {

void attach(board::Runtime& game) {
    using board::Event;
    using B = board::layout::MainBoard;
    const auto main_board = board::layout::kMainBoard;
    const auto targets = board::layout::kTargets;

    // The pointer events carry the button, keys and place; no handler here looks
    // at them, so any button presses and releases alike.
    game.on_each(main_board, targets, Event::MouseDown, press_target);
    game.on_each(main_board, targets, Event::MouseUp, release_target);
    game.on_each(main_board, targets, Event::Click, strike_target);

    game.on(main_board, B::kRingCycleTimer, Event::Timer, ring_cycle_tick);
    game.on(main_board, B::kRing, Event::Click, catch_ring);
    game.on(main_board, B::kRing, Event::DblClick, double_click_ring);
    game.on(main_board, B::kRing, Event::MouseDown, press_ring);
    game.on(main_board, B::kRing, Event::MouseUp, release_ring);
}

}  // namespace targets

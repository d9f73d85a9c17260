#include "targets/attach.h"

#include "board/layout/main_board.h"
#include "targets/ring.h"
#include "targets/strike.h"

namespace targets {

void attach(board::Runtime& game) {
    using board::Event;
    using namespace board::layout;

    // The pointer events carry the button, keys and place; no handler here looks
    // at them, so any button presses and releases alike.
    game.on_each(kMainBoard, kTargets, Event::MouseDown, press_target);
    game.on_each(kMainBoard, kTargets, Event::MouseUp, release_target);
    game.on_each(kMainBoard, kTargets, Event::Click, strike_target);

    game.on(kMainBoard, kRingCycleTimer, Event::Timer, ring_cycle_tick);
    game.on(kMainBoard, kRing, Event::Click, catch_ring);
    game.on(kMainBoard, kRing, Event::DblClick, double_click_ring);
    game.on(kMainBoard, kRing, Event::MouseDown, press_ring);
    game.on(kMainBoard, kRing, Event::MouseUp, release_ring);
}

}  // namespace targets

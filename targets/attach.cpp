#include "targets/attach.h"

#include "board/layout/main_board_view.h"
#include "targets/ring.h"
#include "targets/strike.h"

namespace targets {

void attach(board::Runtime& game) {
    using board::Event;
    using board::EventArgs;
    using board::Runtime;
    using B = board::layout::MainBoard;
    const auto main_board = board::layout::kMainBoard;

    // The pointer events carry the button, keys and place; no handler here looks
    // at them, so any button presses and releases alike.
    for (const auto target : board::layout::kTargets) {
        game.on(main_board, target, Event::MouseDown,
                [target](Runtime& g, const EventArgs&) { press_target(g, target); });
        game.on(main_board, target, Event::MouseUp,
                [target](Runtime& g, const EventArgs&) { release_target(g, target); });
        game.on(main_board, target, Event::Click, [target](Runtime& g) { strike_target(g, target); });
    }

    game.on(main_board, B::kRingCycleTimer, Event::Timer, ring_cycle_tick);
    game.on(main_board, B::kRing, Event::Click, catch_ring);
    game.on(main_board, B::kRing, Event::DblClick, double_click_ring);
    game.on(main_board, B::kRing, Event::MouseDown, [](Runtime& g, const EventArgs&) { press_ring(g); });
    game.on(main_board, B::kRing, Event::MouseUp, [](Runtime& g, const EventArgs&) { release_ring(g); });
}

}  // namespace targets

#include "targets/attach.h"

#include "board/layout/main_board_view.h"
#include "targets/ring.h"
#include "targets/strike.h"

namespace targets {

void attach(board::Game& game) {
    using board::Event;
    using board::EventArgs;
    using board::Game;
    using B = board::layout::MainBoard;
    const auto board = board::layout::kMainBoard;

    // The pointer events carry the button, keys and place; no handler here looks
    // at them, so any button presses and releases alike.
    for (const auto target : board::layout::kTargets) {
        game.on(board, target, Event::MouseDown,
                [target](Game& g, const EventArgs&) { press_target(g, target); });
        game.on(board, target, Event::MouseUp,
                [target](Game& g, const EventArgs&) { release_target(g, target); });
        game.on(board, target, Event::Click, [target](Game& g) { strike_target(g, target); });
    }

    game.on(board, B::kRingCycleTimer, Event::Timer, ring_cycle_tick);
    game.on(board, B::kRing, Event::Click, catch_ring);
    game.on(board, B::kRing, Event::DblClick, double_click_ring);
    game.on(board, B::kRing, Event::MouseDown, [](Game& g, const EventArgs&) { press_ring(g); });
    game.on(board, B::kRing, Event::MouseUp, [](Game& g, const EventArgs&) { release_ring(g); });
}

}  // namespace targets

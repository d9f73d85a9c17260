#include "round_control/clock.h"

#include "board/number_text.h"

namespace round_control {

using board::layout::MainBoard;

namespace {

double value_of(const board::Element& label) {
    return board::read_lenient(label.caption());
}

// The board freezes where it stands: nothing is hidden or moved, the targets
// and the ring just stop taking clicks, and the round can no longer be paused
// or continued.
void end_round(const MainBoard& b) {
    b.round_clock_timer.set_enabled(false);
    b.board_tick_timer.set_enabled(false);
    b.ring_cycle_timer.set_enabled(false);

    b.rounds_played.set_caption(board::number_text(value_of(b.rounds_played) + 1));

    for (board::Element* target : b.targets) target->set_enabled(false);
    b.ring.set_enabled(false);
    b.stop_button.set_enabled(false);
    b.continue_button.set_enabled(false);

    keep_best_score(b);

    if (value_of(b.score) >= kWinningScore) {
        b.final_panel.set_visible(true);
        b.final_scene_timer.set_enabled(true);
    }
    if (value_of(b.score) >= kSecretScore) b.secret_hint.set_visible(true);
}

}  // namespace

void keep_best_score(const MainBoard& b) {
    if (value_of(b.best_score) < value_of(b.score)) {
        b.best_score.set_caption(board::number_text(value_of(b.score)));
    }
}

void clock_tick(board::Runtime& game) {
    const MainBoard b(game);
    const double t = value_of(b.time_left) - 1;
    b.time_left.set_caption(board::number_text(t));
    if (t <= 0) end_round(b);
}

}  // namespace round_control

#include "round_control/clock.h"

namespace round_control {

namespace {

// The board freezes where it stands: nothing is hidden or moved, the targets
// and the ring just stop taking clicks, and the round can no longer be paused
// or continued.
void end_round(const RoundView& b) {
    b.round_clock_timer.set_enabled(false);
    b.board_tick_timer.set_enabled(false);
    b.ring_cycle_timer.set_enabled(false);

    b.set_rounds_counted(b.rounds_counted() + 1);

    for (board::Element* target : b.targets) target->set_enabled(false);
    b.ring.set_enabled(false);
    b.stop_button.set_enabled(false);
    b.continue_button.set_enabled(false);

    keep_best_score(b);

    if (b.points() >= kWinningScore) {
        b.final_panel.set_visible(true);
        b.final_scene_timer.set_enabled(true);
    }
    if (b.points() >= kSecretScore) b.secret_hint.set_visible(true);
}

}  // namespace

void keep_best_score(const RoundView& b) {
    if (b.best_points() < b.points()) b.set_best_points(b.points());
}

void clock_tick(board::Runtime& game) {
    const RoundView b(game);
    const std::int64_t t = b.seconds_left() - 1;
    b.set_seconds_left(t);
    if (t <= 0) end_round(b);
}

}  // namespace round_control

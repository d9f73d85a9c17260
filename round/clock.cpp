#include "round/clock.h"

#include "board/layout/main_board.h"
#include "board/number_text.h"

namespace round_control {

namespace {

double value_of(const board::Element& label) {
    return board::read_lenient(label.caption());
}

// The board freezes where it stands: nothing is hidden or moved, the targets
// and the ring just stop taking clicks, and the round can no longer be paused
// or continued.
void end_round(board::Window& f) {
    f["Timer2"].set_enabled(false);
    f["Timer1"].set_enabled(false);
    f["Timer3"].set_enabled(false);

    board::Element& rounds_played = f["Label5"];
    rounds_played.set_caption(board::number_text(value_of(rounds_played) + 1));

    for (const auto target : board::layout::kTargets) f[target].set_enabled(false);
    f["Imagegas"].set_enabled(false);
    f["Commandstop"].set_enabled(false);
    f["Commandcontinue"].set_enabled(false);

    keep_best_score(f);

    if (value_of(f["Labelscore"]) >= kWinningScore) {
        f["Frame1"].set_visible(true);
        f["Timer5"].set_enabled(true);
    }
    if (value_of(f["Labelscore"]) >= kSecretScore) f["Label21"].set_visible(true);
}

}  // namespace

void keep_best_score(board::Window& f) {
    board::Element& best = f["Label7"];
    const board::Element& score = f["Labelscore"];
    if (value_of(best) < value_of(score)) best.set_caption(board::number_text(value_of(score)));
}

void clock_tick(board::Game& game) {
    board::Window& f = game.form(board::layout::kMainBoard);
    board::Element& time_left = f["LabelTime"];
    const double t = value_of(time_left) - 1;
    time_left.set_caption(board::number_text(t));
    if (t <= 0) end_round(f);
}

}  // namespace round_control

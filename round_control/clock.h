// The round clock: every tick of its timer takes a second off the time, and the
// tick that uses the time up ends the round, counts it and judges the score.
#pragma once

#include "board/runtime.h"
#include "round_control/round_view.h"

namespace round_control {

// Score at which the villain's base falls and the final scene opens.
inline constexpr int kWinningScore = 2000;
// Score at which the hint line with the secret code shows as well.
inline constexpr int kSecretScore = 2050;

// The Timer event of the round clock's timer.
void clock_tick(board::Runtime& game);

// Raises the best score to the score when the score beats it; an equal score
// leaves the best score's text as it is. The board tick follows the same rule.
void keep_best_score(const RoundView& board);

}  // namespace round_control

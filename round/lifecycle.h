// Start-up and the round buttons: start, stop, continue, set the interval, and
// clear the statistics.
#pragma once

#include "board/game.h"

namespace round_control {

// A round lasts this many ticks of the round clock, one a second.
inline constexpr int kRoundSeconds = 60;

void start_up(board::Game& game);
void start_round(board::Game& game);
void stop_round(board::Game& game);
void continue_round(board::Game& game);
void set_interval(board::Game& game);
void reset_statistics(board::Game& game);

// The message the player sees when the interval box holds a number that a
// timer cannot take.
std::string interval_refused_message(const std::string& typed);

}  // namespace round_control

// Start-up and the round buttons: start, stop, continue, set the interval, and
// clear the statistics.
#pragma once

#include "board/runtime.h"

namespace round_control {

// A round lasts this many ticks of the round clock, one a second.
inline constexpr int kRoundSeconds = 60;

void start_up(board::Runtime& game);
void start_round(board::Runtime& game);
void stop_round(board::Runtime& game);
void continue_round(board::Runtime& game);
void set_interval(board::Runtime& game);
void reset_statistics(board::Runtime& game);

// The message the player sees when the interval box holds a number that a
// timer cannot take.
std::string interval_refused_message(const std::string& typed);

}  // namespace round_control

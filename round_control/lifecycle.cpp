#include "round_control/lifecycle.h"

#include <optional>
#include <string>

#include "board/number_text.h"
#include "round_control/round_view.h"

namespace round_control {

using board::Runtime;

namespace {

void switch_round_timers(const RoundView& b, bool on) {
    b.board_tick_timer.set_enabled(on);
    b.round_clock_timer.set_enabled(on);
    b.ring_cycle_timer.set_enabled(on);
}

void let_targets_and_ring_take_clicks(const RoundView& b, bool enabled) {
    for (board::Element* target : b.targets) target->set_enabled(enabled);
    b.ring.set_enabled(enabled);
}

// The leading number of the interval box, rounded to whole milliseconds, or
// nothing when no timer can take it.
std::optional<int> interval_asked(const std::string& text) {
    const double ms = board::read_lenient(text);
    // Rounding has no whole number for what lies far beyond the range, so the
    // range is checked roughly before and exactly after.
    if (!(ms > board::kIntervalMin - 1 && ms < board::kIntervalMax + 1)) return std::nullopt;
    const std::int32_t rounded = board::round_half_even(ms);
    if (!board::interval_in_range(rounded)) return std::nullopt;
    return rounded;
}

}  // namespace

void start_up(Runtime& game) {
    game.randomize();
}

void start_round(Runtime& game) {
    const RoundView b(game);
    b.set_points(0);
    b.set_seconds_left(kRoundSeconds);
    b.stop_button.set_enabled(true);
    b.continue_button.set_enabled(false);
    switch_round_timers(b, true);
    // A fresh round starts on a clean board: no target or ring left over from
    // the last round can be struck before the first board tick.
    for (board::Element* target : b.targets) target->set_visible(false);
    b.ring.set_visible(false);
    let_targets_and_ring_take_clicks(b, true);
    // Clear away the final scene of an earlier round; its timer runs on.
    b.final_panel.set_visible(false);
    b.airship.set_picture(b.airship_burning_1.picture());
    b.reset_fire_count();
    b.rescue_message.set_visible(false);
    b.heroes_flight.set_visible(false);
    b.drifting_dot.set_top(840);
    b.drifting_dot.set_left(1920);
}

void stop_round(Runtime& game) {
    const RoundView b(game);
    switch_round_timers(b, false);
    let_targets_and_ring_take_clicks(b, false);
    b.continue_button.set_enabled(true);
}

void continue_round(Runtime& game) {
    const RoundView b(game);
    switch_round_timers(b, true);
    let_targets_and_ring_take_clicks(b, true);
}

void set_interval(Runtime& game) {
    const RoundView b(game);
    // A refused number leaves both timers as they were.
    const std::string& typed = b.interval_box.text();
    const std::optional<int> interval = interval_asked(typed);
    if (!interval) return game.tell_player(interval_refused_message(typed));
    b.board_tick_timer.set_interval(*interval);
    b.ring_cycle_timer.set_interval(*interval);
}

void reset_statistics(Runtime& game) {
    const RoundView b(game);
    b.set_rounds_counted(0);
    b.set_best_points(0);
}

std::string interval_refused_message(const std::string& typed) {
    return "Интервал «" + typed +
           "» не подходит: введите целое число миллисекунд от " +
           std::to_string(board::kIntervalMin) + " до " + std::to_string(board::kIntervalMax) +
           ". "
           "Прежний интервал остаётся в силе.";
}

}  // namespace round_control

#include "round_control/round_view.h"

#include "board/number_text.h"
#include "board/registers.h"

namespace round_control {

using namespace board::layout;

namespace {

std::size_t deal(board::Element& register_label, std::int64_t draw) {
    return static_cast<std::size_t>(board::keep_draw(register_label, draw));
}

}  // namespace

RoundView::RoundView(board::Window& w)
    : stop_button(w[kStopButton]),
      continue_button(w[kContinueButton]),
      interval_box(w[kIntervalBox]),
      board_tick_timer(w[kBoardTickTimer]),
      round_clock_timer(w[kRoundClockTimer]),
      ring_cycle_timer(w[kRingCycleTimer]),
      score(w[kScore]),
      time_left(w[kTimeLeft]),
      rounds_played(w[kRoundsPlayed]),
      best_score(w[kBestScore]),
      targets(board::elements_named(w, kTargets)),
      ring(w[kRing]),
      plain_robot(w[kPlainRobot]),
      costumed_robot(w[kCostumedRobot]),
      ring_kinds(board::elements_named(w, kRingKinds)),
      final_panel(w[kFinalPanel]),
      final_scene_timer(w[kFinalSceneTimer]),
      airship(w[kAirship]),
      airship_burning_1(w[kAirshipBurning1]),
      rescue_message(w[kRescueMessage]),
      heroes_flight(w[kHeroesFlight]),
      drifting_dot(w[kDriftingDot]),
      secret_hint(w[kSecretHint]),
      costume_register_(w[kCostumeRegister]),
      row_registers_(board::elements_named(w, kRowRegisters)),
      ring_kind_register_(w[kRingKindRegister]),
      ring_column_register_(w[kRingColumnRegister]),
      ring_row_register_(w[kRingRowRegister]),
      airship_frame_register_(w[kAirshipFrameRegister]) {}

std::int64_t RoundView::points() const {
    return board::whole_lenient(score.caption());
}
void RoundView::set_points(std::int64_t points) const {
    score.set_caption(board::number_text(points));
}
std::int64_t RoundView::best_points() const {
    return board::whole_lenient(best_score.caption());
}
void RoundView::set_best_points(std::int64_t points) const {
    best_score.set_caption(board::number_text(points));
}
std::int64_t RoundView::rounds_counted() const {
    return board::whole_lenient(rounds_played.caption());
}
void RoundView::set_rounds_counted(std::int64_t rounds) const {
    rounds_played.set_caption(board::number_text(rounds));
}
std::int64_t RoundView::seconds_left() const {
    return board::whole_lenient(time_left.caption());
}
void RoundView::set_seconds_left(std::int64_t seconds) const {
    time_left.set_caption(board::number_text(seconds));
}
void RoundView::reset_fire_count() const {
    airship_frame_register_.set_tag(board::number_text(std::int64_t{0}));
}

std::size_t RoundView::deal_costume_group(std::int64_t draw) const {
    return deal(costume_register_, draw);
}
std::size_t RoundView::deal_row(std::size_t column, std::int64_t draw) const {
    return deal(*row_registers_.at(column), draw);
}
std::size_t RoundView::deal_ring_kind(std::int64_t draw) const {
    return deal(ring_kind_register_, draw);
}
std::size_t RoundView::deal_ring_column(std::int64_t draw) const {
    return deal(ring_column_register_, draw);
}
std::size_t RoundView::deal_ring_row(std::int64_t draw) const {
    return deal(ring_row_register_, draw);
}

}  // namespace round_control

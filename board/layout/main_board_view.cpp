// Which element of the layout plays which part: the one place where the rules'
// names meet the layout's.
#include "board/layout/main_board_view.h"

#include "board/number_text.h"

namespace board::layout {

namespace {
template <std::size_t N>
std::array<Element*, N> bind_all(const Window& w, const std::array<std::string_view, N>& names) {
    std::array<Element*, N> out{};
    for (std::size_t i = 0; i < N; ++i) out[i] = &w[names[i]];
    return out;
}
}  // namespace

MainBoard::MainBoard(Window& w)
    : window(w),
      start_button(w[kStartButton]),
      stop_button(w[kStopButton]),
      continue_button(w[kContinueButton]),
      set_interval_button(w[kSetIntervalButton]),
      reset_statistics_button(w[kResetStatisticsButton]),
      info_button(w[kInfoButton]),
      interval_box(w["Textspeed"]),
      score(w["Labelscore"]),
      time_left(w["LabelTime"]),
      rounds_played(w["Label5"]),
      best_score(w["Label7"]),
      time_heading(w["Label1"]),
      score_heading(w["Label2"]),
      version_column(w["Label3"]),
      rounds_heading(w["Label4"]),
      best_score_heading(w["Label6"]),
      board_tick_timer(w[kBoardTickTimer]),
      round_clock_timer(w[kRoundClockTimer]),
      ring_cycle_timer(w[kRingCycleTimer]),
      opening_scene_timer(w[kOpeningSceneTimer]),
      final_scene_timer(w[kFinalSceneTimer]),
      targets(bind_all(w, kTargets)),
      cells(bind_all(w, kCells)),
      ring(w[kRing]),
      costume_register(w["Labelgeneratorcostume"]),
      row_registers(bind_all<kGridColumns>(
          w, {"LabelGenerator", "LabelGenerator2", "LabelGenerator3", "LabelGenerator4"})),
      ring_kind_register(w["Labelgastype"]),
      ring_column_register(w["Labelgeneratorleft"]),
      ring_row_register(w["Labelgeneratortop"]),
      plain_robot(w["Imagekrotsimple"]),
      costumed_robot(w["Imagekrotincostume"]),
      ring_kinds(bind_all<2>(w, {"Imageantikrot", "Imagenucleargas"})),
      target_press_pointer(w["LabelSecretIcon"]),
      target_release_pointer(w["LabelSecretIcon2"]),
      ring_press_pointer(w["Labelsecreticonexplode"]),
      ring_release_pointer(ring_kind_register),
      code_button(w[kCodeButton]),
      code_box(w["Text1"]),
      secret_hint(w["Label21"]),
      portrait(w["Image1"]),
      friends_picture(w["Imagepelkomode"]),
      friends_strike_pointer(w["Labelpelkoattackicon"]),
      friends_ring_press_pointer(w["LabelPelkotakeringicon"]),
      hero(w["Image14"]),
      hero_bar(w["Label14"]),
      upper_streak(w["Label15"]),
      lower_streak(w["Label16"]),
      villain(w["Image15"]),
      left_bar(w["Label9"]),
      right_bar(w["Label10"]),
      banner(w["Label11"]),
      final_panel(w["Frame1"]),
      airship(w["Imagebaze"]),
      airship_burning_1(w["Image17"]),
      airship_burning_2(w["Image18"]),
      airship_burning_3(w["Image19"]),
      airship_wreck(w["Image20"]),
      airship_frame_register(w["Labelbazegenerator"]),
      rescue_message(w["Label20"]),
      heroes_flight(w["Image21"]),
      drifting_dot(w["Shape1"]),
      character_heading(w["Label12"]),
      title(w["Image27"]) {}

}  // namespace board::layout

namespace board::layout {

namespace {

std::int64_t lenient(const Element& e) {
    return whole_part(read_lenient(e.caption()));
}
std::int64_t strict(const std::string& text) {
    return whole_part(read_strict(text));
}

// A draw kept in its register, then taken back from there.
std::size_t keep_draw(Element& register_label, std::int64_t draw) {
    register_label.set_caption(number_text(draw));
    return static_cast<std::size_t>(read_strict(register_label.caption()));
}

}  // namespace

std::int64_t MainBoard::points() const {
    return lenient(score);
}
void MainBoard::set_points(std::int64_t points) const {
    score.set_caption(number_text(points));
}
void MainBoard::add_points(std::int64_t points) const {
    set_points(this->points() + points);
}

std::int64_t MainBoard::best_points() const {
    return lenient(best_score);
}
void MainBoard::set_best_points(std::int64_t points) const {
    best_score.set_caption(number_text(points));
}
std::int64_t MainBoard::rounds_counted() const {
    return lenient(rounds_played);
}
void MainBoard::set_rounds_counted(std::int64_t rounds) const {
    rounds_played.set_caption(number_text(rounds));
}
std::int64_t MainBoard::seconds_left() const {
    return lenient(time_left);
}
void MainBoard::set_seconds_left(std::int64_t seconds) const {
    time_left.set_caption(number_text(seconds));
}

std::int64_t MainBoard::ring_phase() const {
    return strict(ring.tag());
}
void MainBoard::set_ring_phase(std::int64_t phase) const {
    ring.set_tag(number_text(phase));
}

std::size_t MainBoard::deal_costume_group(std::int64_t draw) const {
    return keep_draw(costume_register, draw);
}
std::size_t MainBoard::deal_row(std::size_t column, std::int64_t draw) const {
    return keep_draw(*row_registers.at(column), draw);
}
std::size_t MainBoard::deal_ring_kind(std::int64_t draw) const {
    return keep_draw(ring_kind_register, draw);
}
std::size_t MainBoard::deal_ring_column(std::int64_t draw) const {
    return keep_draw(ring_column_register, draw);
}
std::size_t MainBoard::deal_ring_row(std::int64_t draw) const {
    return keep_draw(ring_row_register, draw);
}

bool MainBoard::hero_landed() const {
    return strict(opening_scene_timer.tag()) == 1;
}
void MainBoard::set_hero_landed(bool landed) const {
    opening_scene_timer.set_tag(landed ? "1" : "0");
}
std::int64_t MainBoard::blink_count() const {
    return strict(left_bar.tag());
}
void MainBoard::set_blink_count(std::int64_t count) const {
    left_bar.set_tag(number_text(count));
}

int MainBoard::deal_airship_frame(std::int64_t draw) const {
    airship_frame_register.set_caption(number_text(draw));
    const std::string& kept = airship_frame_register.caption();
    for (int frame = 0; frame < 3; ++frame) {
        if (kept == number_text(std::int64_t{frame})) return frame;
    }
    return -1;
}
std::int64_t MainBoard::fire_count() const {
    return strict(airship_frame_register.tag());
}
void MainBoard::set_fire_count(std::int64_t count) const {
    airship_frame_register.set_tag(number_text(count));
}

}  // namespace board::layout

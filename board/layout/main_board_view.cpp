// Which element of the layout plays which part: the one place where the rules'
// names meet the layout's.
#include "board/layout/main_board_view.h"

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

// The whole main board by what each element does, for the tests: they set up
// and check every part of the board through it, as the subsystems' own views
// each see their part. The game's state reads as the handlers read it.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "board/layout/main_board.h"
#include "board/runtime.h"
#include "board/window.h"

namespace testing_support {

using board::Element;
using board::Window;
using board::layout::kGridColumns;
using board::layout::kGridRows;
using namespace board::layout;

class MainBoard {
  public:
    explicit MainBoard(Window& window);
    explicit MainBoard(const board::Runtime& game)
        : MainBoard(game.window(board::layout::kMainBoard)) {}

    Window& window;

    // --- the round's buttons, the interval box and the statistics ---
    Element& start_button;
    Element& stop_button;
    Element& continue_button;
    Element& set_interval_button;
    Element& reset_statistics_button;  // "X"
    Element& info_button;
    Element& interval_box;
    Element& score;
    Element& time_left;
    Element& rounds_played;
    Element& best_score;
    // Headings over the statistics, and the version column beside them.
    Element& time_heading;
    Element& score_heading;
    Element& version_column;
    Element& rounds_heading;
    Element& best_score_heading;

    // --- timers ---
    Element& board_tick_timer;
    Element& round_clock_timer;
    Element& ring_cycle_timer;
    Element& opening_scene_timer;  // its Tag: the flight flag
    Element& final_scene_timer;

    // --- the grid: targets row by row, each over its empty cell ---
    std::array<Element*, 12> targets;
    std::array<Element*, 12> cells;
    Element& target(std::size_t column, std::size_t row) const {
        return *targets.at(row * kGridColumns + column);
    }
    Element& cell(std::size_t column, std::size_t row) const {
        return *cells.at(row * kGridColumns + column);
    }
    Element& ring;

    // --- the board tick's registers: each Caption holds the latest draw ---
    Element& costume_register;
    std::array<Element*, kGridColumns> row_registers;  // one per column
    Element& ring_kind_register;  // its MouseIcon: the ring's pointer after a press
    Element& ring_column_register;
    Element& ring_row_register;

    // --- hidden holders of pictures and pointer images ---
    Element& plain_robot;
    Element& costumed_robot;
    std::array<Element*, 2> ring_kinds;  // by the kind drawn
    Element& target_press_pointer;
    Element& target_release_pointer;
    Element& ring_press_pointer;

    // --- the secret code and the friend's look ---
    Element& code_button;
    Element& code_box;
    Element& secret_hint;
    Element& portrait;         // the character under the "Персонаж" heading
    Element& friends_picture;  // Pelko's picture, and his pointer image
    Element& friends_strike_pointer;
    Element& friends_ring_press_pointer;

    // --- the opening scene in the top strip ---
    Element& hero;  // its Enabled: the descent flag
    Element& hero_bar;
    Element& upper_streak;
    Element& lower_streak;
    Element& villain;
    // The bars beside the capsule; the left one's Tag counts their blinking.
    Element& left_bar;
    Element& right_bar;
    Element& banner;

    // --- the final scene, on its panel over the top strip ---
    Element& final_panel;
    Element& airship;
    Element& airship_burning_1;
    Element& airship_burning_2;
    Element& airship_burning_3;
    Element& airship_wreck;
    // Caption: the latest draw of a frame; Tag: the fire counter.
    Element& airship_frame_register;
    Element& rescue_message;
    Element& heroes_flight;
    Element& drifting_dot;

    // --- scenery that no handler changes, for checks that something stayed ---
    Element& character_heading;  // "Персонаж"
    Element& title;
};

// The roles bound to the elements of the board's layout, by the names it gives them.
inline MainBoard::MainBoard(Window& w)
    : window(w),
      start_button(w[kStartButton]),
      stop_button(w[kStopButton]),
      continue_button(w[kContinueButton]),
      set_interval_button(w[kSetIntervalButton]),
      reset_statistics_button(w[kResetStatisticsButton]),
      info_button(w[kInfoButton]),
      interval_box(w[kIntervalBox]),
      score(w[kScore]),
      time_left(w[kTimeLeft]),
      rounds_played(w[kRoundsPlayed]),
      best_score(w[kBestScore]),
      time_heading(w[kTimeHeading]),
      score_heading(w[kScoreHeading]),
      version_column(w[kVersionColumn]),
      rounds_heading(w[kRoundsHeading]),
      best_score_heading(w[kBestScoreHeading]),
      board_tick_timer(w[kBoardTickTimer]),
      round_clock_timer(w[kRoundClockTimer]),
      ring_cycle_timer(w[kRingCycleTimer]),
      opening_scene_timer(w[kOpeningSceneTimer]),
      final_scene_timer(w[kFinalSceneTimer]),
      targets(board::elements_named(w, kTargets)),
      cells(board::elements_named(w, kCells)),
      ring(w[kRing]),
      costume_register(w[kCostumeRegister]),
      row_registers(board::elements_named(w, kRowRegisters)),
      ring_kind_register(w[kRingKindRegister]),
      ring_column_register(w[kRingColumnRegister]),
      ring_row_register(w[kRingRowRegister]),
      plain_robot(w[kPlainRobot]),
      costumed_robot(w[kCostumedRobot]),
      ring_kinds(board::elements_named(w, kRingKinds)),
      target_press_pointer(w[kTargetPressPointer]),
      target_release_pointer(w[kTargetReleasePointer]),
      ring_press_pointer(w[kRingPressPointer]),
      code_button(w[kCodeButton]),
      code_box(w[kCodeBox]),
      secret_hint(w[kSecretHint]),
      portrait(w[kPortrait]),
      friends_picture(w[kFriendsPicture]),
      friends_strike_pointer(w[kFriendsStrikePointer]),
      friends_ring_press_pointer(w[kFriendsRingPressPointer]),
      hero(w[kHero]),
      hero_bar(w[kHeroBar]),
      upper_streak(w[kUpperStreak]),
      lower_streak(w[kLowerStreak]),
      villain(w[kVillain]),
      left_bar(w[kLeftBar]),
      right_bar(w[kRightBar]),
      banner(w[kBanner]),
      final_panel(w[kFinalPanel]),
      airship(w[kAirship]),
      airship_burning_1(w[kAirshipBurning1]),
      airship_burning_2(w[kAirshipBurning2]),
      airship_burning_3(w[kAirshipBurning3]),
      airship_wreck(w[kAirshipWreck]),
      airship_frame_register(w[kAirshipFrameRegister]),
      rescue_message(w[kRescueMessage]),
      heroes_flight(w[kHeroesFlight]),
      drifting_dot(w[kDriftingDot]),
      character_heading(w[kCharacterHeading]),
      title(w[kTitle]) {}

}  // namespace testing_support

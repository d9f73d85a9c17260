// The main board as round control sees it: the round's buttons and timers, the
// time and the statistics, the targets and the ring it deals, the registers it
// deals through, and the final scene that a start clears away.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "board/layout/main_board.h"
#include "board/runtime.h"

namespace round_control {

using board::layout::kGridColumns;
using board::layout::kGridRows;

class RoundView {
  public:
    explicit RoundView(board::Window& board);
    explicit RoundView(const board::Runtime& game)
        : RoundView(game.window(board::layout::kMainBoard)) {}

    // --- the round's buttons, timers and fields ---
    board::Element& stop_button;
    board::Element& continue_button;
    board::Element& interval_box;
    board::Element& board_tick_timer;
    board::Element& round_clock_timer;
    board::Element& ring_cycle_timer;
    board::Element& score;
    board::Element& time_left;
    board::Element& rounds_played;
    board::Element& best_score;

    // --- what the board tick deals: targets row by row, and the ring ---
    std::array<board::Element*, 12> targets;
    board::Element& target(std::size_t column, std::size_t row) const {
        return *targets.at(row * kGridColumns + column);
    }
    board::Element& ring;
    board::Element& plain_robot;
    board::Element& costumed_robot;
    std::array<board::Element*, 2> ring_kinds;  // by the kind drawn

    // --- the final scene, cleared away by a start, opened by a won round ---
    board::Element& final_panel;
    board::Element& final_scene_timer;
    board::Element& airship;
    board::Element& airship_burning_1;
    board::Element& rescue_message;
    board::Element& heroes_flight;
    board::Element& drifting_dot;
    board::Element& secret_hint;

    // --- the game's state by name, read and written in the elements each time ---
    std::int64_t points() const;
    void set_points(std::int64_t points) const;
    std::int64_t best_points() const;
    void set_best_points(std::int64_t points) const;
    std::int64_t rounds_counted() const;
    void set_rounds_counted(std::int64_t rounds) const;
    std::int64_t seconds_left() const;
    void set_seconds_left(std::int64_t seconds) const;
    // The final scene's fire counter, which a start sets back to 0.
    void reset_fire_count() const;

    // The board tick's deals: each draw is kept in its register and taken back
    // from there.
    std::size_t deal_costume_group(std::int64_t draw) const;
    std::size_t deal_row(std::size_t column, std::int64_t draw) const;
    std::size_t deal_ring_kind(std::int64_t draw) const;
    std::size_t deal_ring_column(std::int64_t draw) const;
    std::size_t deal_ring_row(std::int64_t draw) const;

  private:
    board::Element& costume_register_;
    std::array<board::Element*, kGridColumns> row_registers_;  // one per column
    board::Element& ring_kind_register_;
    board::Element& ring_column_register_;
    board::Element& ring_row_register_;
    board::Element& airship_frame_register_;  // its Tag is the fire counter
};

}  // namespace round_control

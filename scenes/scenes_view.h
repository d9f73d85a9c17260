// The main board as the scenes see it: the pieces of the opening scene in the
// top strip, the final scene's panel with its airship frames, and the flags and
// counters that carry both from one tick to the next.
#pragma once

#include <cstdint>

#include "board/layout/main_board.h"
#include "board/runtime.h"

namespace scenes {

class ScenesView {
  public:
    explicit ScenesView(board::Window& board);
    explicit ScenesView(const board::Runtime& game)
        : ScenesView(game.window(board::layout::kMainBoard)) {}

    // --- the opening scene ---
    board::Element& opening_scene_timer;
    board::Element& hero;
    board::Element& hero_bar;
    board::Element& upper_streak;
    board::Element& lower_streak;
    board::Element& villain;
    board::Element& left_bar;  // beside the capsule, with the right one
    board::Element& right_bar;
    board::Element& banner;

    // --- the final scene ---
    board::Element& final_scene_timer;
    board::Element& airship;
    board::Element& airship_burning_1;
    board::Element& airship_burning_2;
    board::Element& airship_burning_3;
    board::Element& airship_wreck;
    board::Element& rescue_message;
    board::Element& heroes_flight;
    board::Element& drifting_dot;

    // The descent flag is the hero's Enabled; the flight flag, the scene timer's
    // Tag, is "1" once he has landed; the blink counter runs 1, 2, 0 in the
    // left bar's Tag.
    bool hero_falling() const { return hero.enabled(); }
    void set_hero_falling(bool falling) const { hero.set_enabled(falling); }
    bool hero_landed() const;
    void set_hero_landed(bool landed) const;
    std::int64_t blink_count() const;
    void set_blink_count(std::int64_t count) const;

    // The frame drawn is kept in the frame register's caption and compared as
    // text, so anything but "0", "1" or "2" is no frame (-1). The fire counter,
    // in the same element's Tag, counts the draws of frame 2.
    int deal_airship_frame(std::int64_t draw) const;
    std::int64_t fire_count() const;
    void set_fire_count(std::int64_t count) const;

  private:
    board::Element& airship_frame_register_;
};

}  // namespace scenes

// The main board's elements by what they do in the game. The layout keeps the
// elements' own names; a handler binds this view once per event and from then on
// speaks of the score, the ring and the board tick's timer. Binding looks every
// name up once, without building a string.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "board/runtime.h"
#include "board/layout/main_board.h"
#include "board/window.h"

namespace board::layout {

inline constexpr std::size_t kGridColumns = kColumnLefts.size();
inline constexpr std::size_t kGridRows = kRowTops.size();

class MainBoard {
  public:
    // The names of the elements that handlers are attached to.
    static constexpr std::string_view kStartButton = "Commandstart";
    static constexpr std::string_view kStopButton = "Commandstop";
    static constexpr std::string_view kContinueButton = "Commandcontinue";
    static constexpr std::string_view kSetIntervalButton = "Commandedit";
    static constexpr std::string_view kResetStatisticsButton = "Command1";
    static constexpr std::string_view kInfoButton = "Commandinfo";
    static constexpr std::string_view kCodeButton = "Commandcode";
    static constexpr std::string_view kRing = "Imagegas";
    static constexpr std::string_view kBoardTickTimer = "Timer1";
    static constexpr std::string_view kRoundClockTimer = "Timer2";
    static constexpr std::string_view kRingCycleTimer = "Timer3";
    static constexpr std::string_view kOpeningSceneTimer = "Timer4";
    static constexpr std::string_view kFinalSceneTimer = "Timer5";

    explicit MainBoard(Window& window);
    explicit MainBoard(const Runtime& game) : MainBoard(game.window(kMainBoard)) {}

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
    // Its Tag is the flight flag: see hero_landed().
    Element& opening_scene_timer;
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
    Element& ring_kind_register;
    Element& ring_column_register;
    Element& ring_row_register;

    // --- hidden holders of pictures and pointer images ---
    Element& plain_robot;
    Element& costumed_robot;
    std::array<Element*, 2> ring_kinds;  // by the kind drawn
    Element& target_press_pointer;
    Element& target_release_pointer;
    Element& ring_press_pointer;
    // The same element as `ring_kind_register`: its MouseIcon is the ring's
    // pointer once a press is over.
    Element& ring_release_pointer;

    // --- the secret code and the friend's look ---
    Element& code_button;
    Element& code_box;
    Element& secret_hint;
    Element& portrait;         // the character under the "Персонаж" heading
    Element& friends_picture;  // Pelko's picture, and his pointer image
    Element& friends_strike_pointer;
    Element& friends_ring_press_pointer;

    // --- the opening scene in the top strip ---
    Element& hero;  // its Enabled is the descent flag: see hero_falling()
    Element& hero_bar;
    Element& upper_streak;
    Element& lower_streak;
    Element& villain;
    // The bars beside the capsule; the left one's Tag counts their blinking
    // (see blink_count()).
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

    // --- the game's state by name ---
    // Each reads and writes the element property that holds it, every time: the
    // numbers stay number texts in captions and tags, read leniently where a
    // padded caption may stand and strictly where only the game writes. The game
    // writes whole numbers only, so they are read back as whole numbers.

    // The score in `score`'s caption.
    std::int64_t points() const;
    void set_points(std::int64_t points) const;
    void add_points(std::int64_t points) const;
    // The statistics and the time, each in the caption of its field.
    std::int64_t best_points() const;
    void set_best_points(std::int64_t points) const;
    std::int64_t rounds_counted() const;
    void set_rounds_counted(std::int64_t rounds) const;
    std::int64_t seconds_left() const;
    void set_seconds_left(std::int64_t seconds) const;

    // The ring's place in its five-tick cycle, in the ring's Tag.
    std::int64_t ring_phase() const;
    void set_ring_phase(std::int64_t phase) const;

    // The board tick's deals. Each draw is written to its register as a number
    // text and read back from there: the tick acts on the register, not the draw.
    std::size_t deal_costume_group(std::int64_t draw) const;
    std::size_t deal_row(std::size_t column, std::int64_t draw) const;
    std::size_t deal_ring_kind(std::int64_t draw) const;
    std::size_t deal_ring_column(std::int64_t draw) const;
    std::size_t deal_ring_row(std::int64_t draw) const;

    // The opening scene. The descent flag is the hero's Enabled; the flight flag,
    // the scene timer's Tag, is "1" once he has landed; the blink counter runs
    // 1, 2, 0 in the left bar's Tag.
    bool hero_falling() const { return hero.enabled(); }
    void set_hero_falling(bool falling) const { hero.set_enabled(falling); }
    bool hero_landed() const;
    void set_hero_landed(bool landed) const;
    std::int64_t blink_count() const;
    void set_blink_count(std::int64_t count) const;

    // The final scene. The frame drawn is kept in the frame register's caption
    // and compared as text, so anything but "0", "1" or "2" is no frame (-1).
    // The fire counter, in the same element's Tag, counts the draws of frame 2.
    int deal_airship_frame(std::int64_t draw) const;
    std::int64_t fire_count() const;
    void set_fire_count(std::int64_t count) const;
};

}  // namespace board::layout

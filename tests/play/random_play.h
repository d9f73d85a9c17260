// Seeded random play on the headless game: presses, releases and double clicks
// anywhere (edges and outside included, every button), access keys (disabled
// buttons' too), typing into both text boxes, window switches and the clock
// running on, stalls included. After every event, and after every handler the
// game dispatches, the invariants of the board are checked; the first broken one
// ends the run with a description and the events that led to it.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "board/clock.h"
#include "board/picture.h"
#include "board/random.h"
#include "board/runtime.h"
#include "support/recorder.h"

namespace play {

struct Outcome {
    std::int64_t events = 0;      // model calls made: presses, releases, keys, typing, clock
    std::int64_t dispatched = 0;  // handlers the game ran on the way
    std::int64_t board_ticks = 0;
    std::int64_t starts = 0;
    std::int64_t info_visits = 0;
    std::int64_t told = 0;  // messages to the player (refused intervals)
    int best_score = 0;
    std::optional<std::string> violation;  // with the recent events, when one broke
};

class RandomPlay {
  public:
    explicit RandomPlay(std::uint64_t seed);

    // Plays until `events` model calls have been made or an invariant breaks.
    Outcome run(std::int64_t events);

  private:
    // One step of play; records what it did in the recent-events log.
    void step();
    void aim();
    void press_somewhere();
    void release_somewhere();
    void click_somewhere(bool twice);
    void access_key();
    void toolkit_click();
    void type_interval();
    void type_code();
    void close_info();
    void let_time_pass();
    // Every press and release goes through these, which note whether a left
    // press was delivered as a double click, for the check on its release.
    void press(const std::string& window, int x, int y, board::MouseButton button);
    void release(const std::string& window, int x, int y, board::MouseButton button);

    struct Point {
        int x, y;
    };
    Point somewhere(const board::Window& window);
    board::MouseButton some_button();
    std::string some_interval_text();
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }

    // Invariants.
    void after_handler(const std::string& window, const std::string& element, board::Event event);
    void check_board();
    void check_score(bool start_allowed);
    void check_objects();
    void fail(const std::string& what);
    void note(std::string what);

    board::ManualClock clock_;
    board::UniformRandom random_;
    testing_support::Recorder recorder_;
    board::Runtime game_{clock_, random_};
    std::mt19937_64 rng_;
    Outcome out_;
    std::string score_;  // the score's caption after the last check
    std::string initial_score_, initial_time_;
    // The pictures of the information window last seen loaded, to see them go.
    std::uint64_t info_serial_ = 0;
    std::vector<std::weak_ptr<const board::Picture>> info_pictures_;
    bool keen_ = false;
    std::deque<std::string> recent_;
    // Whether the left press that is held was delivered as DblClick, and its window.
    // (Two plain members: GCC 14 warns of an optional string here.)
    bool double_press_held_ = false;
    std::string double_press_window_;
    bool saw_double_click_ = false;  // during the press under way
    bool releasing_double_ = false;  // the release under way ends a DblClick press
    // The element the held left press went down on, and whether it has been out
    // of reach (hidden, disabled, its window hidden or gone) at any check since:
    // only a press that kept it may click it.
    void watch_held_press();
    std::string held_window_, held_element_;
    std::uint64_t held_serial_ = 0;
    bool held_kept_ = false;
    bool pressing_left_ = false;   // a left press under way
    bool releasing_left_ = false;  // a left release under way
};

}  // namespace play

// The whole game on a manual clock with a scripted random source, driven the way
// a player would drive it: clicks at places on the board, keys, and time passing.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

#include "app/game.h"
#include "board/clock.h"
#include "board/runtime.h"
#include "board/layout/main_board_view.h"
#include "support/scripted_random.h"
#include "support/shared.h"

namespace testing_support {

class Harness {
  public:
    board::ManualClock clock;
    ScriptedRandom random;
    // Assembled, with the main board shown at time 0.
    board::Runtime game{clock, random};
    // The main board's elements by role, bound once the board is there.
    const board::layout::MainBoard view;

    Harness();

    board::Window& board() const { return view.window; }
    // An element by its name in the layout, for the tests of the layout itself.
    board::Element& operator[](std::string_view name) const { return board()[name]; }

    // Lets time pass, delivering every timer tick on the way.
    void wait(board::Micros span) { board::advance(game, clock, span); }
    void wait_ms(std::int64_t ms) { wait(board::milliseconds(ms)); }

    // A left click (press and release) at the middle of an element, in its window.
    void click_on(const board::Element& element);
    void press_on(const board::Element& element,
                  board::MouseButton button = board::MouseButton::Left);
    void release_on(const board::Element& element,
                    board::MouseButton button = board::MouseButton::Left);
    // Alt with a character, on the active window.
    bool alt(char32_t key);

    int score() const;
    // How many of the twelve targets are on view.
    int shown_targets() const;
};

// Starts a round with its access key, as the player would.
inline void start_round(Harness& h) {
    ASSERT_TRUE(h.alt(U'н'));
}

}  // namespace testing_support

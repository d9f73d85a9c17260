// The whole game on a manual clock with a scripted random source, driven the way
// a player would drive it: clicks at places on the board, keys, and time passing.
#pragma once

#include <string_view>

#include "app/game.h"
#include "board/clock.h"
#include "board/game.h"
#include "board/layout/main_board.h"
#include "support/scripted_random.h"

namespace testing_support {

class Harness {
  public:
    // Assembles the game and shows the main board at time 0.
    Harness();

    board::ManualClock clock;
    ScriptedRandom random;
    board::Game game{clock, random};

    board::Window& board() const { return game.form(board::layout::kMainBoard); }
    board::Element& operator[](std::string_view name) const { return board()[name]; }

    // Lets time pass, delivering every timer tick on the way.
    void wait(board::Micros span) { board::advance(game, clock, span); }
    void wait_ms(std::int64_t ms) { wait(board::milliseconds(ms)); }

    // A left click (press and release) at the middle of an element of a window.
    void click_on(std::string_view element, std::string_view window = board::layout::kMainBoard);
    void press_on(std::string_view element, board::MouseButton button = board::MouseButton::Left,
                  std::string_view window = board::layout::kMainBoard);
    void release_on(std::string_view element, board::MouseButton button = board::MouseButton::Left,
                    std::string_view window = board::layout::kMainBoard);
    // Alt with a character, on the active window.
    bool alt(char32_t key);

    int score() const;
    // How many of the twelve targets are on view.
    int shown_targets() const;
};

}  // namespace testing_support

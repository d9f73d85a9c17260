// The main board as the switch to the friend's look sees it: the code entry,
// the fields, headings and pictures it recolours and replaces, and the pointer
// holders it rewrites.
#pragma once

#include <array>

#include "board/layout/main_board.h"
#include "board/runtime.h"

namespace hero_mode {

class LookView {
  public:
    explicit LookView(board::Window& board);
    explicit LookView(const board::Runtime& game)
        : LookView(game.window(board::layout::kMainBoard)) {}

    board::Window& window;
    board::Element& code_box;

    // The fields of the statistics and the interval box, and the headings over
    // them with the version column.
    std::array<board::Element*, 5> fields;
    std::array<board::Element*, 5> headings;
    board::Element& portrait;  // the character under the "Персонаж" heading

    std::array<board::Element*, 12> targets;
    std::array<board::Element*, 12> cells;
    board::Element& ring;

    // The holders the strike and the ring copy their pointers from.
    board::Element& target_release_pointer;
    board::Element& ring_press_pointer;
    // Its caption is the board tick's register of the ring's kind.
    board::Element& ring_release_pointer;

    // Pelko's picture, which is also his pointer image, and his other pointers.
    board::Element& friends_picture;
    board::Element& friends_strike_pointer;
    board::Element& friends_ring_press_pointer;
};

}  // namespace hero_mode

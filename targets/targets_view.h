// The main board as the strike and the ring see it: the score they raise, the
// holders they copy pictures and pointer images from, and the ring with its
// place in the cycle.
#pragma once

#include <cstdint>

#include "board/layout/main_board.h"
#include "board/runtime.h"

namespace targets {

class TargetsView {
  public:
    explicit TargetsView(board::Window& board);
    explicit TargetsView(const board::Runtime& game)
        : TargetsView(game.window(board::layout::kMainBoard)) {}

    board::Element& score;
    board::Element& plain_robot;
    board::Element& target_press_pointer;
    board::Element& target_release_pointer;
    board::Element& ring;
    board::Element& ring_press_pointer;
    // Its caption is the board tick's register of the ring's kind.
    board::Element& ring_release_pointer;

    // The score, in the score's caption.
    void add_points(std::int64_t points) const;
    // The ring's place in its five-tick cycle, in the ring's Tag.
    std::int64_t ring_phase() const;
    void set_ring_phase(std::int64_t phase) const;
};

}  // namespace targets

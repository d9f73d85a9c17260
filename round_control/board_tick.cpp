#include "round_control/board_tick.h"

#include <cstddef>
#include <cstdint>

#include "board/number_text.h"
#include "round_control/clock.h"

namespace round_control {

namespace {

// A random draw below n. The view's deals keep it in a register and hand back
// what the register holds.
std::int64_t draw_below(board::Runtime& game, int n) {
    return board::whole_part(game.random_fraction() * n);
}

// The costume diagonals: group g holds, from the top row down, the target in
// column (g + 2 + row) mod 4, so the diagonal wraps round the board.
void dress_costume_diagonal(board::Runtime& game, const RoundView& b) {
    const std::size_t k = b.deal_costume_group(draw_below(game, 4));
    for (std::size_t g = 0; g < kGridColumns; ++g) {
        for (std::size_t row = 0; row < kGridRows; ++row) {
            const auto& source = k == g ? b.costumed_robot : b.plain_robot;
            b.target((g + 2 + row) % kGridColumns, row).set_picture(source.picture());
        }
    }
}

// Each column draws its row into a register of its own.
void show_one_target_per_column(board::Runtime& game, const RoundView& b) {
    for (std::size_t column = 0; column < kGridColumns; ++column) {
        const std::size_t row = b.deal_row(column, draw_below(game, 3));
        for (std::size_t r = 0; r < kGridRows; ++r) b.target(column, r).set_visible(r == row);
    }
}

void place_ring(board::Runtime& game, const RoundView& b) {
    using board::layout::kColumnLefts;
    using board::layout::kRowTops;
    b.ring.set_picture(b.ring_kinds.at(b.deal_ring_kind(draw_below(game, 2)))->picture());
    b.ring.set_left(kColumnLefts.at(b.deal_ring_column(draw_below(game, 4))));
    b.ring.set_top(kRowTops.at(b.deal_ring_row(draw_below(game, 3))));
}

}  // namespace

void board_tick(board::Runtime& game) {
    const RoundView b(game);
    dress_costume_diagonal(game, b);
    show_one_target_per_column(game, b);
    keep_best_score(b);
    place_ring(game, b);
}

}  // namespace round_control

#include "round/board_tick.h"

#include <array>
#include <cstddef>
#include <string_view>

#include "board/layout/main_board.h"
#include "board/number_text.h"
#include "round/clock.h"

namespace round_control {

namespace {

using Names = std::array<std::string_view, 3>;

// The costume diagonals: group g holds, from the top row down, the target in
// column (g + 2 + row) mod 4, so the diagonal wraps round the board.
constexpr std::array<Names, 4> kCostumeGroups = {{
    {"Imagekrot3", "Imagekrot8", "Imagekrot9"},
    {"Imagekrot4", "Imagekrot5", "ImageKrot10"},
    {"Imagekrot1", "Imagekrot6", "Imagekrot11"},
    {"Imagekrot2", "Imagekrot7", "Imagekrot12"},
}};

// Each column with the register of its row draw and its targets, top row first.
struct Column {
    std::string_view row_register;
    Names targets;
};
constexpr std::array<Column, 4> kColumns = {{
    {"LabelGenerator", {"Imagekrot1", "Imagekrot5", "Imagekrot9"}},
    {"LabelGenerator2", {"Imagekrot2", "Imagekrot6", "ImageKrot10"}},
    {"LabelGenerator3", {"Imagekrot3", "Imagekrot7", "Imagekrot11"}},
    {"LabelGenerator4", {"Imagekrot4", "Imagekrot8", "Imagekrot12"}},
}};

// The holders whose pictures the ring wears, by the kind drawn.
constexpr std::array<std::string_view, 2> kRingKinds = {"Imageantikrot", "Imagenucleargas"};

// A random draw below n, kept in its register as a number text and then read
// back from there: the register, not the draw, is what the tick acts on.
std::size_t draw_into(board::Game& game, board::Element& register_label, int n) {
    register_label.set_caption(board::number_text(board::whole_part(game.random_fraction() * n)));
    return static_cast<std::size_t>(board::read_strict(register_label.caption()));
}

void dress_costume_diagonal(board::Game& game, board::Window& f) {
    const std::size_t k = draw_into(game, f["Labelgeneratorcostume"], 4);
    for (std::size_t g = 0; g < kCostumeGroups.size(); ++g) {
        for (const auto target : kCostumeGroups[g]) {
            const auto& source = k == g ? f["Imagekrotincostume"] : f["Imagekrotsimple"];
            f[target].set_picture(source.picture());
        }
    }
}

void show_one_target_per_column(board::Game& game, board::Window& f) {
    for (const Column& column : kColumns) {
        const std::size_t row = draw_into(game, f[column.row_register], 3);
        for (std::size_t r = 0; r < column.targets.size(); ++r) {
            f[column.targets[r]].set_visible(r == row);
        }
    }
}

void place_ring(board::Game& game, board::Window& f) {
    using board::layout::kColumnLefts;
    using board::layout::kRowTops;
    board::Element& ring = f["Imagegas"];
    ring.set_picture(f[kRingKinds.at(draw_into(game, f["Labelgastype"], 2))].picture());
    ring.set_left(kColumnLefts.at(draw_into(game, f["Labelgeneratorleft"], 4)));
    ring.set_top(kRowTops.at(draw_into(game, f["Labelgeneratortop"], 3)));
}

}  // namespace

void board_tick(board::Game& game) {
    board::Window& f = game.form(board::layout::kMainBoard);
    dress_costume_diagonal(game, f);
    show_one_target_per_column(game, f);
    keep_best_score(f);
    place_ring(game, f);
}

}  // namespace round_control

// The board tick: the order of its draws and their registers, the costume
// diagonal, one target per column, the best score and the ring's place.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>

#include "board/number_text.h"
#include "support/harness.h"

using testing_support::Harness;
using testing_support::kDefaultTick;

namespace {

// The targets run row by row over a grid of four columns.
int row_of(std::size_t i) {
    return static_cast<int>(i / 4);
}
int column_of(std::size_t i) {
    return static_cast<int>(i % 4);
}

// What one board tick is to draw, in the order it draws.
struct Deal {
    int costume = 0;
    std::array<int, 4> rows = {0, 0, 0, 0};
    int ring_kind = 0;
    int ring_column = 0;
    int ring_row = 0;
};

void line_up(Harness& h, const Deal& d) {
    h.random.push_draw(d.costume, 4);
    for (const int row : d.rows) h.random.push_draw(row, 3);
    h.random.push_draw(d.ring_kind, 2);
    h.random.push_draw(d.ring_column, 4);
    h.random.push_draw(d.ring_row, 3);
}

}  // namespace

TEST(BoardTick, DrawsEightTimesInOrderEachIntoItsRegister) {
    Harness h;
    const auto& b = h.view;
    line_up(h,
            {.costume = 2, .rows = {1, 2, 0, 1}, .ring_kind = 1, .ring_column = 3, .ring_row = 2});
    ASSERT_TRUE(h.start_round());
    const int before = h.random.drawn;
    h.wait_ms(kDefaultTick - 1);
    EXPECT_EQ(h.random.drawn, before) << "no draw before the first tick";
    h.wait_ms(1);
    EXPECT_EQ(h.random.drawn, before + 8);

    EXPECT_EQ(b.costume_register.caption(), "2");
    EXPECT_EQ(b.row_registers[0]->caption(), "1");
    EXPECT_EQ(b.row_registers[1]->caption(), "2");
    EXPECT_EQ(b.row_registers[2]->caption(), "0");
    EXPECT_EQ(b.row_registers[3]->caption(), "1");
    EXPECT_EQ(b.ring_kind_register.caption(), "1");
    EXPECT_EQ(b.ring_column_register.caption(), "3");
    EXPECT_EQ(b.ring_row_register.caption(), "2");
}

TEST(BoardTick, CostumeFallsOnTheWrappingDiagonalOfTheDraw) {
    Harness h;
    const auto& b = h.view;
    for (int k = 0; k < 4; ++k) line_up(h, {.costume = k});
    ASSERT_TRUE(h.start_round());
    for (int k = 0; k < 4; ++k) {
        h.wait_ms(kDefaultTick);
        const auto& costume = b.costumed_robot.picture();
        const auto& plain = b.plain_robot.picture();
        int costumed = 0;
        for (std::size_t i = 0; i < b.targets.size(); ++i) {
            const auto& picture = b.targets[i]->picture();
            // Counting from 0, the diagonal of draw k holds in row r column (k + 2 + r) mod 4.
            const bool on_diagonal = column_of(i) == (k + 2 + row_of(i)) % 4;
            EXPECT_TRUE(board::same_picture(picture, on_diagonal ? costume : plain))
                << "draw " << k << ", " << b.targets[i]->name();
            costumed += board::same_picture(picture, costume);
        }
        EXPECT_EQ(costumed, 3) << "draw " << k;
    }
}

TEST(BoardTick, EachColumnShowsOnlyTheTargetOfItsDrawnRow) {
    Harness h;
    const auto& b = h.view;
    // Whatever was shown before, an earlier round's leftovers included.
    for (board::Element* target : b.targets) target->set_visible(true);
    ASSERT_TRUE(h.start_round());
    for (board::Element* target : b.targets) target->set_visible(true);

    for (int v = 0; v < 3; ++v) {
        // Every column meets every row draw over the three ticks.
        const std::array<int, 4> rows = {v, (v + 1) % 3, (v + 2) % 3, v};
        line_up(h, {.rows = rows});
        h.wait_ms(kDefaultTick);
        int shown = 0;
        for (std::size_t i = 0; i < b.targets.size(); ++i) {
            const bool expected = row_of(i) == rows[column_of(i)];
            EXPECT_EQ(b.targets[i]->visible(), expected)
                << "tick " << v << ", " << b.targets[i]->name();
            shown += b.targets[i]->visible();
        }
        EXPECT_EQ(shown, 4);
    }
}

TEST(BoardTick, BestScoreCatchesUpWithABetterScoreOnlyWhileTheBoardTicks) {
    Harness h;
    const auto& b = h.view;
    ASSERT_TRUE(h.start_round());
    h.set_score(150);
    h.wait_ms(kDefaultTick);
    EXPECT_EQ(b.best_score.caption(), "150");

    // An equal score is not written again (the spacing shows whether it was).
    b.best_score.set_caption(" 150");
    h.wait_ms(kDefaultTick);
    EXPECT_EQ(b.best_score.caption(), " 150");

    b.best_score.set_caption("900");
    h.wait_ms(kDefaultTick);
    EXPECT_EQ(b.best_score.caption(), "900");

    // Paused, the board does not tick and the best score waits.
    ASSERT_TRUE(h.stop_round());
    h.set_score(1000);
    h.wait_ms(5 * kDefaultTick);
    EXPECT_EQ(b.best_score.caption(), "900");
    ASSERT_TRUE(h.continue_round());
    h.wait_ms(kDefaultTick);
    EXPECT_EQ(b.best_score.caption(), "1000");

    // After the statistics are cleared the next tick brings the score back.
    h.click_on(b.reset_statistics_button);
    EXPECT_EQ(b.best_score.caption(), "0");
    h.wait_ms(kDefaultTick);
    EXPECT_EQ(b.best_score.caption(), "1000");
}

TEST(BoardTick, RingStandsOnTheDrawnCellWearingTheDrawnKind) {
    Harness h;
    const auto& b = h.view;
    for (int kind = 0; kind < 2; ++kind) {
        for (int column = 0; column < 4; ++column) {
            for (int row = 0; row < 3; ++row) {
                line_up(h, {.ring_kind = kind, .ring_column = column, .ring_row = row});
            }
        }
    }
    ASSERT_TRUE(h.start_round());
    // Keep the ring's cycle still: the board tick alone must leave its
    // visibility and its Enabled as they are.
    b.ring_cycle_timer.set_enabled(false);
    b.ring.set_visible(true);
    b.ring.set_enabled(false);

    for (int kind = 0; kind < 2; ++kind) {
        const auto& wanted = b.ring_kinds[kind]->picture();
        const auto& other = b.ring_kinds[1 - kind]->picture();
        for (int column = 0; column < 4; ++column) {
            for (int row = 0; row < 3; ++row) {
                h.wait_ms(kDefaultTick);
                const board::Element& ring = b.ring;
                const board::Element& cell = b.target(column, row);
                EXPECT_EQ(ring.left(), cell.left()) << column << "," << row;
                EXPECT_EQ(ring.top(), cell.top()) << column << "," << row;
                EXPECT_EQ(ring.width(), cell.width());
                EXPECT_EQ(ring.height(), cell.height());
                EXPECT_TRUE(board::same_picture(ring.picture(), wanted)) << "kind " << kind;
                EXPECT_FALSE(board::same_picture(ring.picture(), other)) << "kind " << kind;
                EXPECT_TRUE(ring.visible());
                EXPECT_FALSE(ring.enabled());
            }
        }
    }
}

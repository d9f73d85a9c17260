// One whole round at the default interval, played through the mouse routing by
// a player who clicks whatever target or ring shows, on a spread of real draws.
#include <gtest/gtest.h>

#include "board/number_text.h"
#include "board/picture.h"
#include "board/random.h"
#include "support/harness.h"

using board::layout::kTargets;
using testing_support::Harness;

namespace {

// How often the player looks at the board.
constexpr std::int64_t kGlanceMs = 50;

// Feeds the scripted source with a uniform spread of fractions, enough for the
// whole round and whatever follows it.
void line_up_real_draws(Harness& h, std::uint64_t seed) {
    board::UniformRandom uniform;
    uniform.seed(seed);
    for (int i = 0; i < 4000; ++i) h.random.push(uniform.next());
}

}  // namespace

TEST(WholeRound, AKeenPlayerWinsTheRoundAndLearnsTheSecret) {
    Harness h;
    line_up_real_draws(h, 20040601);
    h.click_on("Commandstart");
    ASSERT_EQ(h["LabelTime"].caption(), "60");
    const int draws_before = h.random.drawn;

    int expected = 0;
    int rings = 0;
    int costumed = 0;
    std::int64_t elapsed = 0;
    while (h["Timer2"].enabled()) {
        h.wait_ms(kGlanceMs);
        elapsed += kGlanceMs;
        if (!h["Timer2"].enabled()) break;
        // The ring lies above the targets, so it goes first.
        if (h["Imagegas"].visible()) {
            h.click_on("Imagegas");
            EXPECT_FALSE(h["Imagegas"].visible());
            expected += 30;
            ++rings;
        }
        for (const auto target : kTargets) {
            if (!h[target].visible()) continue;
            const bool plain =
                board::same_picture(h[target].picture(), h["Imagekrotsimple"].picture());
            h.click_on(target);
            EXPECT_FALSE(h[target].visible()) << target << " at " << elapsed << " ms";
            expected += plain ? 10 : 20;
            costumed += !plain;
        }
        ASSERT_EQ(h.score(), expected) << "at " << elapsed << " ms";
    }

    RecordProperty("final_score", h.score());
    RecordProperty("rings_caught", rings);
    EXPECT_EQ(elapsed, 60'000);
    EXPECT_EQ(h.random.drawn - draws_before, 80 * 8) << "one board tick every 750 ms";
    EXPECT_GT(rings, 10);
    EXPECT_GT(costumed, 0);
    EXPECT_EQ(h.score(), expected);
    EXPECT_GE(h.score(), 2050);
    EXPECT_EQ(h["LabelTime"].caption(), "0");
    EXPECT_EQ(h["Label5"].caption(), "1");
    EXPECT_EQ(h["Label7"].caption(), h["Labelscore"].caption());
    EXPECT_TRUE(h["Frame1"].visible());
    EXPECT_TRUE(h["Timer5"].enabled());
    EXPECT_TRUE(h["Label21"].visible());
    EXPECT_FALSE(h["Commandstop"].enabled());
}

// One whole round at the default interval, played through the mouse routing by
// a player who clicks whatever target or ring shows, on a spread of real draws.
#include <gtest/gtest.h>

#include <string>

#include "board/number_text.h"
#include "board/picture.h"
#include "board/random.h"
#include "support/harness.h"

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
    const auto& b = h.view;
    line_up_real_draws(h, 20040601);
    h.click_on(b.start_button);
    ASSERT_EQ(b.time_left.caption(), "60");
    const int draws_before = h.random.drawn;

    int expected = 0;
    int rings = 0;
    int costumed = 0;
    std::int64_t elapsed = 0;
    while (b.round_clock_timer.enabled()) {
        h.wait_ms(kGlanceMs);
        elapsed += kGlanceMs;
        if (!b.round_clock_timer.enabled()) break;
        // The ring lies above the targets, so it goes first.
        if (b.ring.visible()) {
            h.click_on(b.ring);
            EXPECT_FALSE(b.ring.visible());
            expected += 30;
            ++rings;
        }
        for (board::Element* target : b.targets) {
            if (!target->visible()) continue;
            const bool plain = board::same_picture(target->picture(), b.plain_robot.picture());
            h.click_on(*target);
            EXPECT_FALSE(target->visible()) << target->name() << " at " << elapsed << " ms";
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
    EXPECT_EQ(b.time_left.caption(), "0");
    EXPECT_EQ(b.rounds_played.caption(), "1");
    EXPECT_EQ(b.best_score.caption(), std::to_string(h.score()));
    EXPECT_TRUE(b.final_panel.visible());
    EXPECT_TRUE(b.final_scene_timer.enabled());
    EXPECT_TRUE(b.secret_hint.visible());
    EXPECT_FALSE(b.stop_button.enabled());
}

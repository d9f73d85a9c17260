#include <gtest/gtest.h>

#include "board/clock.h"
#include "support/harness.h"

namespace {

struct Scene {
    testing_support::Harness h;
    // Timer4 ticks at the timer granularity from the moment the board is shown:
    // lets time run up to its k-th tick, and not on to the next one.
    void to_tick(int k) { h.wait(k * board::kTimerGranularity - h.clock.now()); }
    board::Element& operator[](const char* name) { return h[name]; }
};

}  // namespace

TEST(OpeningScene, EveryTickBlinksGrowsTheVillainAndLowersTheHeroUntilHeLands) {
    Scene s;
    for (int k = 1; k <= 284; ++k) {
        s.to_tick(k);
        const bool lit = k % 2 == 0;
        ASSERT_EQ(s["Label9"].visible(), lit) << "tick " << k;
        ASSERT_EQ(s["Label10"].visible(), lit) << "tick " << k;
        ASSERT_EQ(s["Label9"].tag(), lit ? "0" : "1") << "tick " << k;
        ASSERT_EQ(s["Image15"].width(), 135 + 4 * k) << "tick " << k;
        ASSERT_EQ(s["Image15"].height(), 135 + 4 * k) << "tick " << k;
        ASSERT_EQ(s["Image14"].top(), k < 192 ? -720 + 10 * k : 1200) << "tick " << k;
        ASSERT_EQ(s["Label14"].top(), 240 + 10 * k) << "tick " << k;  // hidden or not
        ASSERT_EQ(s["Image15"].top(), k < 192 ? 600 : 600 - 20 * (k - 191)) << "tick " << k;
    }
}

TEST(OpeningScene, StreaksJumpBackInTheTickThatReachesTheirEnd) {
    Scene s;
    s.to_tick(1);
    EXPECT_EQ(s["Label15"].left(), 4940);
    EXPECT_EQ(s["Label16"].left(), 5200);
    s.to_tick(26);
    EXPECT_EQ(s["Label16"].left(), 200);
    s.to_tick(27);
    EXPECT_EQ(s["Label16"].left(), 5400);
    s.to_tick(49);
    EXPECT_EQ(s["Label15"].left(), 140);
    s.to_tick(50);
    EXPECT_EQ(s["Label15"].left(), 5040);
    EXPECT_EQ(s["Label16"].left(), 5400 - 23 * 200);
    s.to_tick(54);
    EXPECT_EQ(s["Label16"].left(), 5400);
}

TEST(OpeningScene, HeroLandsOnTick192AndTheVillainStartsInThatTick) {
    Scene s;
    s.to_tick(191);
    EXPECT_TRUE(s["Image14"].enabled());
    EXPECT_TRUE(s["Label14"].visible());
    EXPECT_EQ(s["Timer4"].tag(), "0");

    s.to_tick(192);
    EXPECT_EQ(s["Image14"].top(), 1200);
    EXPECT_FALSE(s["Image14"].enabled());
    EXPECT_EQ(s["Label14"].top(), 2160);
    EXPECT_FALSE(s["Label14"].visible());
    EXPECT_FALSE(s["Label15"].visible());
    EXPECT_FALSE(s["Label16"].visible());
    EXPECT_EQ(s["Timer4"].tag(), "1");
    EXPECT_EQ(s["Image15"].top(), 580);
    EXPECT_EQ(s["Image15"].left(), 2045);
    EXPECT_EQ(s["Image15"].width(), 903);
}

TEST(OpeningScene, EndsOnTick285WithTheBannerAndStaysOver) {
    Scene s;
    s.to_tick(284);
    EXPECT_FALSE(s["Label11"].visible());
    EXPECT_TRUE(s["Timer4"].enabled());

    s.to_tick(285);
    EXPECT_EQ(s["Image15"].top(), -1280);
    EXPECT_EQ(s["Image15"].left(), 2510);
    EXPECT_EQ(s["Image15"].width(), 1275);
    EXPECT_EQ(s["Image15"].height(), 1275);
    EXPECT_TRUE(s["Label11"].visible());
    EXPECT_FALSE(s["Label9"].visible());
    EXPECT_FALSE(s["Label10"].visible());
    EXPECT_FALSE(s["Timer4"].enabled());

    const auto revision = s.h.board().revision();
    s.h.wait_ms(10'000);
    EXPECT_EQ(s.h.board().revision(), revision);
}

TEST(OpeningScene, PlaysOnWhileARoundRunsAndTheBoardIsHidden) {
    Scene s;
    s.to_tick(10);
    s.h.click_on("Commandstart");
    s.h.click_on("Commandinfo");
    ASSERT_FALSE(s.h.board().visible());
    s.to_tick(192);
    EXPECT_FALSE(s["Image14"].enabled());
    s.to_tick(285);
    EXPECT_FALSE(s["Timer4"].enabled());
    EXPECT_TRUE(s["Label11"].visible());
}

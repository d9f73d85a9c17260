#include <gtest/gtest.h>

#include "board/clock.h"
#include "support/harness.h"

using testing_support::Harness;

namespace {

struct Scene {
    Harness h;
    // Timer4 ticks at the timer granularity from the moment the board is shown:
    // lets time run up to its k-th tick, and not on to the next one.
    void to_tick(int k) { h.wait(k * board::kTimerGranularity - h.clock.now()); }
    board::Element& operator[](const char* name) { return h[name]; }
};

}  // namespace

TEST(OpeningScene, FirstTicksMoveEveryPieceByItsStep) {
    Scene s;
    s.to_tick(1);
    EXPECT_EQ(s["Image14"].top(), -710);
    EXPECT_TRUE(s["Image14"].enabled());
    EXPECT_EQ(s["Label14"].top(), 250);
    EXPECT_EQ(s["Label15"].left(), 4940);
    EXPECT_EQ(s["Label16"].left(), 5200);
    EXPECT_EQ(s["Image15"].width(), 139);
    EXPECT_EQ(s["Image15"].height(), 139);
    EXPECT_EQ(s["Image15"].top(), 600);
    EXPECT_EQ(s["Image15"].left(), 2040);
    EXPECT_EQ(s["Label9"].tag(), "1");
    EXPECT_FALSE(s["Label9"].visible());
    EXPECT_FALSE(s["Label10"].visible());

    s.to_tick(2);
    EXPECT_EQ(s["Image14"].top(), -700);
    EXPECT_EQ(s["Label9"].tag(), "0");
    EXPECT_TRUE(s["Label9"].visible());
    EXPECT_TRUE(s["Label10"].visible());
    EXPECT_EQ(s["Timer4"].tag(), "0");
}

TEST(OpeningScene, StreaksJumpBackInTheTickThatReachesTheirEnd) {
    Scene s;
    s.to_tick(26);
    EXPECT_EQ(s["Label16"].left(), 200);
    s.to_tick(27);
    EXPECT_EQ(s["Label16"].left(), 5400);
    EXPECT_EQ(s["Label15"].left(), 5040 - 27 * 100);
    s.to_tick(49);
    EXPECT_EQ(s["Label15"].left(), 140);
    s.to_tick(50);
    EXPECT_EQ(s["Label15"].left(), 5040);
    EXPECT_EQ(s["Label16"].left(), 5400 - 23 * 200);
    s.to_tick(54);
    EXPECT_EQ(s["Label16"].left(), 5400);
    s.to_tick(100);
    EXPECT_EQ(s["Label15"].left(), 5040);
    EXPECT_TRUE(s["Label15"].visible());
    EXPECT_TRUE(s["Label16"].visible());
}

TEST(OpeningScene, HeroLandsOnTick192AndTheVillainStartsAtOnce) {
    Scene s;
    s.to_tick(191);
    EXPECT_EQ(s["Image14"].top(), 1190);
    EXPECT_TRUE(s["Image14"].enabled());
    EXPECT_TRUE(s["Label14"].visible());
    EXPECT_EQ(s["Timer4"].tag(), "0");
    EXPECT_EQ(s["Image15"].top(), 600);
    EXPECT_EQ(s["Image15"].width(), 135 + 191 * 4);

    s.to_tick(192);
    EXPECT_EQ(s["Image14"].top(), 1200);
    EXPECT_EQ(s["Image14"].top() + s["Image14"].height(), 2175);
    EXPECT_FALSE(s["Image14"].enabled());
    EXPECT_EQ(s["Label14"].top(), 2160);
    EXPECT_FALSE(s["Label14"].visible());
    EXPECT_FALSE(s["Label15"].visible());
    EXPECT_FALSE(s["Label16"].visible());
    EXPECT_EQ(s["Timer4"].tag(), "1");
    EXPECT_EQ(s["Image15"].top(), 580);
    EXPECT_EQ(s["Image15"].left(), 2045);
    EXPECT_EQ(s["Image15"].width(), 903);
    EXPECT_EQ(s["Image15"].height(), 903);
    EXPECT_TRUE(s["Label9"].visible());  // an even tick

    s.to_tick(193);
    EXPECT_EQ(s["Image14"].top(), 1200);
    EXPECT_EQ(s["Label14"].top(), 2170);  // still moving, unseen
    EXPECT_FALSE(s["Label14"].visible());
    EXPECT_EQ(s["Image15"].top(), 560);
}

TEST(OpeningScene, EndsOnTick285WithTheBannerAndStaysOver) {
    Scene s;
    s.to_tick(284);
    EXPECT_EQ(s["Image15"].top(), -1260);
    EXPECT_TRUE(s["Label9"].visible());
    EXPECT_TRUE(s["Label10"].visible());
    EXPECT_FALSE(s["Label11"].visible());
    EXPECT_TRUE(s["Timer4"].enabled());

    s.to_tick(285);
    EXPECT_EQ(s["Image15"].top(), -1280);
    EXPECT_EQ(s["Image15"].left(), 2510);
    EXPECT_EQ(s["Image15"].width(), 1275);
    EXPECT_EQ(s["Image15"].height(), 1275);
    EXPECT_EQ(s["Image15"].top() + s["Image15"].height(), -5);
    EXPECT_TRUE(s["Label11"].visible());
    EXPECT_FALSE(s["Label9"].visible());
    EXPECT_FALSE(s["Label10"].visible());
    EXPECT_FALSE(s["Timer4"].enabled());
    EXPECT_EQ(s["Image14"].top(), 1200);

    // Nothing moves any more, for as long as the run lasts.
    const auto revision = s.h.board().revision();
    s.h.wait_ms(10'000);
    EXPECT_EQ(s.h.board().revision(), revision);
    EXPECT_TRUE(s["Label11"].visible());
    EXPECT_EQ(s["Image15"].top(), -1280);
}

TEST(OpeningScene, EveryTickBlinksGrowsTheVillainAndHoldsTheLandedHero) {
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
    }
}
TEST(OpeningScene, PlaysOnWhileARoundRunsAndTheBoardIsHidden) {
    Scene s;
    s.to_tick(10);
    s.h.click_on("Commandstart");
    s.h.click_on("Commandinfo");
    ASSERT_FALSE(s.h.board().visible());
    s.to_tick(192);
    EXPECT_EQ(s["Image14"].top(), 1200);
    EXPECT_FALSE(s["Image14"].enabled());
    s.to_tick(285);
    EXPECT_FALSE(s["Timer4"].enabled());
    EXPECT_TRUE(s["Label11"].visible());
}

#include <gtest/gtest.h>

#include "board/clock.h"
#include "support/harness.h"

namespace {

struct Scene {
    testing_support::Harness h;
    const testing_support::MainBoard& b = h.view;
    // The scene's timer ticks at the timer granularity from the moment the board
    // is shown: lets time run up to its k-th tick, and not on to the next one.
    void to_tick(int k) { h.wait(k * board::kTimerGranularity - h.clock.now()); }
};

}  // namespace

TEST(OpeningScene, EveryTickBlinksGrowsTheVillainAndLowersTheHeroUntilHeLands) {
    Scene s;
    for (int k = 1; k <= 284; ++k) {
        s.to_tick(k);
        const bool lit = k % 2 == 0;
        ASSERT_EQ(s.b.left_bar.visible(), lit) << "tick " << k;
        ASSERT_EQ(s.b.right_bar.visible(), lit) << "tick " << k;
        ASSERT_EQ(s.b.left_bar.tag(), lit ? "0" : "1") << "tick " << k;
        ASSERT_EQ(s.b.villain.width(), 135 + 4 * k) << "tick " << k;
        ASSERT_EQ(s.b.villain.height(), 135 + 4 * k) << "tick " << k;
        ASSERT_EQ(s.b.hero.top(), k < 192 ? -720 + 10 * k : 1200) << "tick " << k;
        ASSERT_EQ(s.b.hero_bar.top(), 240 + 10 * k) << "tick " << k;  // hidden or not
        ASSERT_EQ(s.b.villain.top(), k < 192 ? 600 : 600 - 20 * (k - 191)) << "tick " << k;
    }
}

TEST(OpeningScene, StreaksJumpBackInTheTickThatReachesTheirEnd) {
    Scene s;
    s.to_tick(1);
    EXPECT_EQ(s.b.upper_streak.left(), 4940);
    EXPECT_EQ(s.b.lower_streak.left(), 5200);
    s.to_tick(26);
    EXPECT_EQ(s.b.lower_streak.left(), 200);
    s.to_tick(27);
    EXPECT_EQ(s.b.lower_streak.left(), 5400);
    s.to_tick(49);
    EXPECT_EQ(s.b.upper_streak.left(), 140);
    s.to_tick(50);
    EXPECT_EQ(s.b.upper_streak.left(), 5040);
    EXPECT_EQ(s.b.lower_streak.left(), 5400 - 23 * 200);
    s.to_tick(54);
    EXPECT_EQ(s.b.lower_streak.left(), 5400);
}

TEST(OpeningScene, HeroLandsOnTick192AndTheVillainStartsInThatTick) {
    Scene s;
    s.to_tick(191);
    EXPECT_TRUE(s.b.hero.enabled());
    EXPECT_TRUE(s.b.hero_bar.visible());
    EXPECT_EQ(s.b.opening_scene_timer.tag(), "0");

    s.to_tick(192);
    EXPECT_EQ(s.b.hero.top(), 1200);
    EXPECT_FALSE(s.b.hero.enabled());
    EXPECT_EQ(s.b.hero_bar.top(), 2160);
    EXPECT_FALSE(s.b.hero_bar.visible());
    EXPECT_FALSE(s.b.upper_streak.visible());
    EXPECT_FALSE(s.b.lower_streak.visible());
    EXPECT_EQ(s.b.opening_scene_timer.tag(), "1");
    EXPECT_EQ(s.b.villain.top(), 580);
    EXPECT_EQ(s.b.villain.left(), 2045);
    EXPECT_EQ(s.b.villain.width(), 903);
}

TEST(OpeningScene, EndsOnTick285WithTheBannerAndStaysOver) {
    Scene s;
    s.to_tick(284);
    EXPECT_FALSE(s.b.banner.visible());
    EXPECT_TRUE(s.b.opening_scene_timer.enabled());

    s.to_tick(285);
    EXPECT_EQ(s.b.villain.top(), -1280);
    EXPECT_EQ(s.b.villain.left(), 2510);
    EXPECT_EQ(s.b.villain.width(), 1275);
    EXPECT_EQ(s.b.villain.height(), 1275);
    EXPECT_TRUE(s.b.banner.visible());
    EXPECT_FALSE(s.b.left_bar.visible());
    EXPECT_FALSE(s.b.right_bar.visible());
    EXPECT_FALSE(s.b.opening_scene_timer.enabled());

    const auto revision = s.h.board().revision();
    s.h.wait_ms(10'000);
    EXPECT_EQ(s.h.board().revision(), revision);
}

TEST(OpeningScene, PlaysOnWhileARoundRunsAndTheBoardIsHidden) {
    Scene s;
    s.to_tick(10);
    s.h.click_on(s.b.start_button);
    s.h.click_on(s.b.info_button);
    ASSERT_FALSE(s.h.board().visible());
    s.to_tick(192);
    EXPECT_FALSE(s.b.hero.enabled());
    s.to_tick(285);
    EXPECT_FALSE(s.b.opening_scene_timer.enabled());
    EXPECT_TRUE(s.b.banner.visible());
}

// The round clock: the countdown, the end of a round with its judgement, and
// the pause and restart around it.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "board/number_text.h"
#include "support/harness.h"

using testing_support::Harness;

namespace {

// With interval 0 the board tick never comes, so only the clock touches the
// best score.
void freeze_board_tick(Harness& h) {
    ASSERT_TRUE(h.set_interval("0"));
}

}  // namespace

TEST(RoundClock, CountsDownOnceASecondAndEndsTheRoundExactlyOnceAtZero) {
    Harness h;
    const auto& b = h.view;
    ASSERT_TRUE(h.start_round());
    h.wait_ms(999);
    EXPECT_EQ(b.time_left.caption(), "60");
    h.wait_ms(1);
    EXPECT_EQ(b.time_left.caption(), "59");
    h.wait_ms(58'000);
    EXPECT_EQ(b.time_left.caption(), "1");
    EXPECT_EQ(b.rounds_played.caption(), "0");
    EXPECT_TRUE(b.round_clock_timer.enabled());

    h.wait_ms(1000);
    EXPECT_EQ(b.time_left.caption(), "0");
    EXPECT_EQ(b.rounds_played.caption(), "1");
    EXPECT_EQ(b.best_score.caption(), "0") << "a round without a hit leaves the best score";
    for (const board::Element* timer :
         {&b.board_tick_timer, &b.round_clock_timer, &b.ring_cycle_timer})
        EXPECT_FALSE(timer->enabled());
    for (board::Element* target : b.targets) EXPECT_FALSE(target->enabled()) << target->name();
    EXPECT_FALSE(b.ring.enabled());
    EXPECT_FALSE(b.stop_button.enabled());
    EXPECT_FALSE(b.continue_button.enabled());
    EXPECT_TRUE(b.start_button.enabled());
    EXPECT_FALSE(b.final_panel.visible());
    EXPECT_FALSE(b.secret_hint.visible());

    // The board stays as the last tick dealt it, frozen: clicks do nothing.
    ASSERT_EQ(h.shown_targets(), 4);
    for (board::Element* target : b.targets) {
        if (target->visible()) h.click_on(*target);
    }
    EXPECT_EQ(h.shown_targets(), 4);
    EXPECT_EQ(h.score(), 0);
    EXPECT_FALSE(h.stop_round());
    EXPECT_FALSE(h.continue_round());

    h.wait_ms(10'000);
    EXPECT_EQ(b.time_left.caption(), "0");
    EXPECT_EQ(b.rounds_played.caption(), "1");
}

TEST(RoundClock, FinalScoreOpensThePanelAtTwoThousandAndTheHintAtTwoThousandFifty) {
    struct Case {
        int score;
        bool panel;
        bool hint;
    };
    for (const Case c : std::array<Case, 4>{{{1990, false, false},
                                             {2000, true, false},
                                             {2049, true, false},
                                             {2050, true, true}}}) {
        Harness h;
        const auto& b = h.view;
        ASSERT_TRUE(h.start_round());
        h.wait_ms(59'000);
        h.set_score(c.score);
        h.wait_ms(1000);
        ASSERT_EQ(b.time_left.caption(), "0");
        EXPECT_EQ(b.final_panel.visible(), c.panel) << c.score;
        EXPECT_EQ(b.final_scene_timer.enabled(), c.panel) << c.score;
        EXPECT_EQ(b.secret_hint.visible(), c.hint) << c.score;
        EXPECT_EQ(b.best_score.caption(), std::to_string(c.score));
    }
}

TEST(RoundClock, RoundEndRaisesTheBestScoreOnlyWhenBeaten) {
    struct Case {
        const char* best_before;
        const char* best_after;
    };
    // The spaced caption reads as 2000 too, so an equal score that was written
    // again would show as "2000".
    for (const Case c :
         std::array<Case, 3>{{{"1500", "2000"}, {" 2000", " 2000"}, {"2500", "2500"}}}) {
        Harness h;
        const auto& b = h.view;
        freeze_board_tick(h);
        ASSERT_TRUE(h.start_round());
        b.best_score.set_caption(c.best_before);
        h.wait_ms(59'000);
        h.set_score(2000);
        h.wait_ms(1000);
        ASSERT_EQ(b.rounds_played.caption(), "1");
        EXPECT_EQ(b.best_score.caption(), c.best_after) << "best before: '" << c.best_before << "'";
    }
}

TEST(RoundClock, PauseWithOneSecondLeftEndsOnTheFirstTickAfterContinue) {
    Harness h;
    const auto& b = h.view;
    ASSERT_TRUE(h.start_round());
    h.wait_ms(59'500);
    ASSERT_TRUE(h.stop_round());
    EXPECT_EQ(b.time_left.caption(), "1");
    h.wait_ms(30'000);
    EXPECT_EQ(b.time_left.caption(), "1");
    EXPECT_EQ(b.rounds_played.caption(), "0");

    ASSERT_TRUE(h.continue_round());
    h.wait_ms(999);
    EXPECT_EQ(b.time_left.caption(), "1");
    h.wait_ms(1);
    EXPECT_EQ(b.time_left.caption(), "0");
    EXPECT_EQ(b.rounds_played.caption(), "1");
    EXPECT_FALSE(b.round_clock_timer.enabled());
    EXPECT_FALSE(b.continue_button.enabled());
}

TEST(RoundClock, OnlyRoundsPlayedToTheEndAreCounted) {
    Harness h;
    const auto& b = h.view;
    ASSERT_TRUE(h.start_round());
    h.wait_ms(30'000);
    ASSERT_TRUE(h.start_round());  // started over halfway
    h.wait_ms(30'000);
    EXPECT_EQ(b.time_left.caption(), "30");
    EXPECT_EQ(b.rounds_played.caption(), "0");
    h.wait_ms(30'000);
    EXPECT_EQ(b.rounds_played.caption(), "1");
    ASSERT_TRUE(h.start_round());
    h.wait_ms(60'000);
    EXPECT_EQ(b.rounds_played.caption(), "2");
}

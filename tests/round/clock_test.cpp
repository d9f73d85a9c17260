// The round clock: the countdown, the end of a round with its judgement, and
// the pause and restart around it.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "board/number_text.h"
#include "support/harness.h"

using board::layout::kTargets;
using testing_support::Harness;

namespace {

void start_round(Harness& h) {
    ASSERT_TRUE(h.alt(U'н'));
}
void stop_round(Harness& h) {
    ASSERT_TRUE(h.alt(U'с'));
}
void continue_round(Harness& h) {
    ASSERT_TRUE(h.alt(U'п'));
}

// With interval 0 the board tick never comes, so only the clock touches the
// best score.
void freeze_board_tick(Harness& h) {
    h["Textspeed"].set_text("0");
    ASSERT_TRUE(h.alt(U'у'));
}

}  // namespace

TEST(RoundClock, CountsDownOnceASecondAndEndsTheRoundExactlyOnceAtZero) {
    Harness h;
    start_round(h);
    h.wait_ms(999);
    EXPECT_EQ(h["LabelTime"].caption(), "60");
    h.wait_ms(1);
    EXPECT_EQ(h["LabelTime"].caption(), "59");
    h.wait_ms(58'000);
    EXPECT_EQ(h["LabelTime"].caption(), "1");
    EXPECT_EQ(h["Label5"].caption(), "0");
    EXPECT_TRUE(h["Timer2"].enabled());

    h.wait_ms(1000);
    EXPECT_EQ(h["LabelTime"].caption(), "0");
    EXPECT_EQ(h["Label5"].caption(), "1");
    EXPECT_EQ(h["Label7"].caption(), "0") << "a round without a hit leaves the best score";
    for (const char* timer : {"Timer1", "Timer2", "Timer3"}) EXPECT_FALSE(h[timer].enabled());
    for (const auto target : kTargets) EXPECT_FALSE(h[target].enabled()) << target;
    EXPECT_FALSE(h["Imagegas"].enabled());
    EXPECT_FALSE(h["Commandstop"].enabled());
    EXPECT_FALSE(h["Commandcontinue"].enabled());
    EXPECT_TRUE(h["Commandstart"].enabled());
    EXPECT_FALSE(h["Frame1"].visible());
    EXPECT_FALSE(h["Label21"].visible());

    // The board stays as the last tick dealt it, frozen: clicks do nothing.
    ASSERT_EQ(h.shown_targets(), 4);
    for (const auto target : kTargets) {
        if (h[target].visible()) h.click_on(target);
    }
    EXPECT_EQ(h.shown_targets(), 4);
    EXPECT_EQ(h.score(), 0);
    EXPECT_FALSE(h.alt(U'с'));
    EXPECT_FALSE(h.alt(U'п'));

    h.wait_ms(10'000);
    EXPECT_EQ(h["LabelTime"].caption(), "0");
    EXPECT_EQ(h["Label5"].caption(), "1");
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
        start_round(h);
        h.wait_ms(59'000);
        h["Labelscore"].set_caption(board::number_text(std::int64_t{c.score}));
        h.wait_ms(1000);
        ASSERT_EQ(h["LabelTime"].caption(), "0");
        EXPECT_EQ(h["Frame1"].visible(), c.panel) << c.score;
        EXPECT_EQ(h["Timer5"].enabled(), c.panel) << c.score;
        EXPECT_EQ(h["Label21"].visible(), c.hint) << c.score;
        EXPECT_EQ(h["Label7"].caption(), std::to_string(c.score));
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
        freeze_board_tick(h);
        start_round(h);
        h["Label7"].set_caption(c.best_before);
        h.wait_ms(59'000);
        h["Labelscore"].set_caption("2000");
        h.wait_ms(1000);
        ASSERT_EQ(h["Label5"].caption(), "1");
        EXPECT_EQ(h["Label7"].caption(), c.best_after) << "best before: '" << c.best_before << "'";
    }
}

TEST(RoundClock, PauseWithOneSecondLeftEndsOnTheFirstTickAfterContinue) {
    Harness h;
    start_round(h);
    h.wait_ms(59'500);
    stop_round(h);
    EXPECT_EQ(h["LabelTime"].caption(), "1");
    h.wait_ms(30'000);
    EXPECT_EQ(h["LabelTime"].caption(), "1");
    EXPECT_EQ(h["Label5"].caption(), "0");

    continue_round(h);
    h.wait_ms(999);
    EXPECT_EQ(h["LabelTime"].caption(), "1");
    h.wait_ms(1);
    EXPECT_EQ(h["LabelTime"].caption(), "0");
    EXPECT_EQ(h["Label5"].caption(), "1");
    EXPECT_FALSE(h["Timer2"].enabled());
    EXPECT_FALSE(h["Commandcontinue"].enabled());
}

TEST(RoundClock, OnlyRoundsPlayedToTheEndAreCounted) {
    Harness h;
    start_round(h);
    h.wait_ms(30'000);
    start_round(h);  // started over halfway
    h.wait_ms(30'000);
    EXPECT_EQ(h["LabelTime"].caption(), "30");
    EXPECT_EQ(h["Label5"].caption(), "0");
    h.wait_ms(30'000);
    EXPECT_EQ(h["Label5"].caption(), "1");
    start_round(h);
    h.wait_ms(60'000);
    EXPECT_EQ(h["Label5"].caption(), "2");
}

#include <gtest/gtest.h>

#include "board/picture.h"
#include "support/harness.h"

using board::same_picture;
using testing_support::Harness;

namespace {

constexpr int kTick = 100;  // ms

struct FinalScene {
    Harness h;

    board::Element& operator[](const char* name) { return h[name]; }

    // What the round end does on a win.
    void open() {
        h["Frame1"].set_visible(true);
        h["Timer5"].set_enabled(true);
    }
    void draws(int value, int count) {
        for (int i = 0; i < count; ++i) h.random.push_draw(value, 3);
    }
    void ticks(int n) { h.wait_ms(kTick * n); }
    bool shows(const char* holder) {
        return same_picture(h["Imagebaze"].picture(), h[holder].picture());
    }
    bool finished() {
        return !h["Timer5"].enabled() && shows("Image20") && h["Image21"].visible() &&
               h["Label20"].visible();
    }
};

}  // namespace

TEST(FinalScene, EachDrawPicksItsFrameAndOnlyTwoCountsAFire) {
    FinalScene s;
    s.open();
    s.draws(0, 1);
    s.draws(1, 1);
    s.draws(2, 1);
    s.draws(0, 1);

    s.ticks(1);
    EXPECT_EQ(s["Labelbazegenerator"].caption(), "0");
    EXPECT_TRUE(s.shows("Image18"));
    EXPECT_EQ(s["Labelbazegenerator"].tag(), "0");
    EXPECT_EQ(s.h.random.drawn, 1);

    s.ticks(1);
    EXPECT_EQ(s["Labelbazegenerator"].caption(), "1");
    EXPECT_TRUE(s.shows("Image19"));
    EXPECT_EQ(s["Labelbazegenerator"].tag(), "0");

    s.ticks(1);
    EXPECT_EQ(s["Labelbazegenerator"].caption(), "2");
    EXPECT_TRUE(s.shows("Image17"));
    EXPECT_EQ(s["Labelbazegenerator"].tag(), "1");

    s.ticks(1);
    EXPECT_TRUE(s.shows("Image18"));
    EXPECT_EQ(s["Labelbazegenerator"].tag(), "1");
    EXPECT_TRUE(s["Timer5"].enabled());
    EXPECT_FALSE(s["Image21"].visible());
    EXPECT_FALSE(s["Label20"].visible());
    EXPECT_EQ(s.h.random.drawn, 4);
}

TEST(FinalScene, TwentiethFireWrecksTheAirshipAndTheDotStillDrifts) {
    FinalScene s;
    s.open();
    s.draws(2, 20);
    for (int n = 1; n <= 19; ++n) {
        s.ticks(1);
        ASSERT_EQ(s["Labelbazegenerator"].tag(), std::to_string(n));
        ASSERT_TRUE(s.shows("Image17"));
        ASSERT_TRUE(s["Timer5"].enabled());
        ASSERT_EQ(s["Shape1"].left(), 1920 + 50 * n);
        ASSERT_EQ(s["Shape1"].top(), 840 + 15 * n);
    }
    s.ticks(1);
    EXPECT_EQ(s["Labelbazegenerator"].tag(), "20");
    EXPECT_TRUE(s.finished());
    EXPECT_EQ(s["Shape1"].left(), 1920 + 50 * 20);
    EXPECT_EQ(s["Shape1"].top(), 840 + 15 * 20);

    // The finished scene stands still: no more draws, nothing moves.
    const int drawn = s.h.random.drawn;
    s.ticks(50);
    EXPECT_EQ(s.h.random.drawn, drawn);
    EXPECT_EQ(s["Shape1"].left(), 2920);
    EXPECT_TRUE(s["Frame1"].visible());
    EXPECT_TRUE(s.finished());
}

TEST(FinalScene, DotDriftsOnEveryTickWhateverTheDraw) {
    FinalScene s;
    s.open();
    s.h.random.fallback = 0.0;  // draws of 0 only: the scene never ends
    s.ticks(100);
    EXPECT_EQ(s["Shape1"].left(), 1920 + 50 * 100);  // far beyond the panel
    EXPECT_EQ(s["Shape1"].top(), 840 + 15 * 100);
    EXPECT_EQ(s["Labelbazegenerator"].tag(), "0");
    EXPECT_TRUE(s["Timer5"].enabled());
}

TEST(FinalScene, RoundStartedMidSceneHidesItWhileItRunsOnFromZero) {
    FinalScene s;
    s.h.random.fallback = 0.9;  // every draw is 2
    s.open();
    s.ticks(5);
    ASSERT_EQ(s["Labelbazegenerator"].tag(), "5");

    s.h.click_on("Commandstart");
    EXPECT_FALSE(s["Frame1"].visible());
    EXPECT_TRUE(s["Timer5"].enabled());
    EXPECT_EQ(s["Labelbazegenerator"].tag(), "0");
    EXPECT_EQ(s["Shape1"].left(), 1920);

    s.ticks(19);
    EXPECT_EQ(s["Labelbazegenerator"].tag(), "19");
    EXPECT_TRUE(s["Timer5"].enabled());
    s.ticks(1);
    EXPECT_TRUE(s.finished());
    EXPECT_FALSE(s["Frame1"].visible());
    EXPECT_EQ(s["Shape1"].left(), 1920 + 50 * 20);
}

TEST(FinalScene, CounterAlreadyAtTwentyWhenALaterWinShowsThePanel) {
    // A start during the scene, and the hidden scene runs to its end: the
    // counter is left at 20 for the next win.
    auto burnt_out_behind_a_new_round = [](FinalScene& s) {
        s.open();
        s.h.random.fallback = 0.9;
        s.ticks(3);
        s.h.click_on("Commandstart");
        s.h.click_on("Commandstop");  // keeps the round's own draws out of the way
        s.ticks(20);
        ASSERT_TRUE(s.finished());
        ASSERT_EQ(s["Labelbazegenerator"].tag(), "20");
    };

    {  // A draw of 0 or 1 ends the shown scene on its first tick.
        FinalScene s;
        burnt_out_behind_a_new_round(s);
        s.open();
        s.draws(1, 1);
        s.ticks(1);
        EXPECT_TRUE(s.finished());
        EXPECT_EQ(s["Labelbazegenerator"].tag(), "20");
    }
    {  // A draw of 2 passes 20: the airship flickers on until a start resets the counter.
        FinalScene s;
        burnt_out_behind_a_new_round(s);
        s.open();
        s.draws(2, 1);
        s.h.random.fallback = 0.0;
        s.ticks(1);
        EXPECT_EQ(s["Labelbazegenerator"].tag(), "21");
        EXPECT_TRUE(s["Timer5"].enabled());
        EXPECT_TRUE(s.shows("Image17"));
        s.ticks(40);
        EXPECT_TRUE(s["Timer5"].enabled());
        EXPECT_TRUE(s.shows("Image18"));

        s.h.random.fallback = 0.9;
        s.h.click_on("Commandstart");
        s.h.click_on("Commandstop");
        s.ticks(20);
        EXPECT_TRUE(s.finished());
        EXPECT_FALSE(s["Frame1"].visible());
    }
}

TEST(FinalScene, WinningRoundEndStartsItAndTheNextStartClearsItAway) {
    FinalScene s;
    s.h.random.fallback = 0.9;  // every draw is 2
    s.h.click_on("Commandstart");
    s.h["Labelscore"].set_caption("1990");
    s.h.wait_ms(59'000);
    ASSERT_FALSE(s["Frame1"].visible());
    s["Labelscore"].set_caption("2000");
    s.h.wait_ms(1'000);
    EXPECT_TRUE(s["Frame1"].visible());
    EXPECT_TRUE(s["Timer5"].enabled());
    EXPECT_TRUE(s.shows("Image17"));  // as the start left it
    EXPECT_FALSE(s.finished());

    s.ticks(20);
    EXPECT_TRUE(s.finished());
    EXPECT_EQ(s["Shape1"].left(), 1920 + 50 * 20);

    s.h.wait_ms(1'000);
    s.h.click_on("Commandstart");
    EXPECT_FALSE(s["Frame1"].visible());
    EXPECT_TRUE(s.shows("Image17"));
    EXPECT_FALSE(s["Image21"].visible());
    EXPECT_FALSE(s["Label20"].visible());
    EXPECT_EQ(s["Labelbazegenerator"].tag(), "0");
    EXPECT_EQ(s["Shape1"].left(), 1920);
    EXPECT_EQ(s["Shape1"].top(), 840);
    EXPECT_FALSE(s["Timer5"].enabled());
}

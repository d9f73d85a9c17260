// The ring: its five-tick cycle, the catch, the double click that reaches it,
// its place above the targets, and its pointer images.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "board/picture.h"
#include "support/harness.h"

using board::MouseButton;
using testing_support::Harness;

namespace {

constexpr std::int64_t kDefaultTick = 750;

void start_round(Harness& h) {
    ASSERT_TRUE(h.alt(U'н'));
}

bool same(const board::PictureRef& a, const board::PictureRef& b) {
    return board::same_picture(a, b);
}

// With the scripted source's fallback every draw is 0: the ring stands on the
// first cell, over Imagekrot1, which shows the plain robot.
void expect_ring_over_first_target(const Harness& h) {
    ASSERT_EQ(h["Imagegas"].left(), h["Imagekrot1"].left());
    ASSERT_EQ(h["Imagegas"].top(), h["Imagekrot1"].top());
    ASSERT_TRUE(h["Imagekrot1"].visible());
}

}  // namespace

TEST(RingCycle, EachCounterValueLeadsToTheNextAndShowsOrHidesTheRing) {
    enum class Effect { Keep, Show, Hide };
    struct Case {
        const char* before;
        const char* after;
        Effect effect;
    };
    const std::array<Case, 6> cases{{{"0", "1", Effect::Keep},
                                     {"1", "2", Effect::Keep},
                                     {"2", "3", Effect::Show},
                                     {"3", "4", Effect::Hide},
                                     {"4", "0", Effect::Keep},
                                     {" 2 ", "3", Effect::Show}}};
    for (const Case& c : cases) {
        for (const bool shown_before : {false, true}) {
            Harness h;
            start_round(h);
            h["Imagegas"].set_tag(c.before);
            h["Imagegas"].set_visible(shown_before);
            h.wait_ms(kDefaultTick);
            const std::string label =
                std::string("counter '") + c.before + "', shown " + std::to_string(shown_before);
            EXPECT_EQ(h["Imagegas"].tag(), c.after) << label;
            const bool expected =
                c.effect == Effect::Keep ? shown_before : c.effect == Effect::Show;
            EXPECT_EQ(h["Imagegas"].visible(), expected) << label;
        }
    }
}

TEST(RingCycle, FirstShowsOnTheThirdTickThenOneTickInFiveAcrossRounds) {
    Harness h;
    start_round(h);
    for (int tick = 1; tick <= 12; ++tick) {
        h.wait_ms(kDefaultTick);
        EXPECT_EQ(h["Imagegas"].visible(), tick % 5 == 3) << "tick " << tick;
    }
    // The phase carries over into the next round: twelve ticks left it at "2".
    ASSERT_EQ(h["Imagegas"].tag(), "2");
    start_round(h);
    h.wait_ms(kDefaultTick);
    EXPECT_TRUE(h["Imagegas"].visible());
}

TEST(RingCatch, ClickScoresThirtyOncePerAppearanceAndTheTargetBeneathWaits) {
    Harness h;
    start_round(h);
    h.wait_ms(3 * kDefaultTick);
    ASSERT_TRUE(h["Imagegas"].visible());
    expect_ring_over_first_target(h);

    h.click_on("Imagegas");
    EXPECT_EQ(h["Labelscore"].caption(), "30");
    EXPECT_FALSE(h["Imagegas"].visible());
    EXPECT_EQ(h["Imagegas"].tag(), "3") << "the catch leaves the cycle alone";
    EXPECT_TRUE(h["Imagekrot1"].visible()) << "the ring took the click, not the target";

    // A second click at the same place now reaches the target.
    h.wait_ms(100);
    h.click_on("Imagegas");
    EXPECT_EQ(h.score(), 40);
    EXPECT_FALSE(h["Imagekrot1"].visible());

    // The ring comes back on the fifth tick after the one that showed it.
    h.wait_ms(4 * kDefaultTick - 100);
    EXPECT_FALSE(h["Imagegas"].visible());
    h.wait_ms(kDefaultTick);
    EXPECT_TRUE(h["Imagegas"].visible());
    h.click_on("Imagegas");
    EXPECT_EQ(h.score(), 70);
}

TEST(RingCatch, RingShownAtAPauseIgnoresClicksUntilContinueAndTheNextTickHidesIt) {
    Harness h;
    start_round(h);
    h.wait_ms(3 * kDefaultTick);
    ASSERT_TRUE(h["Imagegas"].visible());
    ASSERT_TRUE(h.alt(U'с'));
    h.click_on("Imagegas");
    h.wait_ms(10 * kDefaultTick);
    EXPECT_EQ(h.score(), 0);
    EXPECT_TRUE(h["Imagegas"].visible());
    EXPECT_EQ(h["Imagegas"].tag(), "3");

    ASSERT_TRUE(h.alt(U'п'));
    h.wait_ms(kDefaultTick);
    EXPECT_FALSE(h["Imagegas"].visible());
    EXPECT_EQ(h["Imagegas"].tag(), "4");
}

TEST(RingDoubleClick, ScoresFiftyOnlyWhenTheRingHasShownAgainBeforeTheSecondPress) {
    // At the usual speed the first click catches the ring and the second press
    // reaches the target beneath it: no double click on the ring.
    {
        Harness h;
        start_round(h);
        h.wait_ms(3 * kDefaultTick);
        expect_ring_over_first_target(h);
        h.click_on("Imagegas");
        h.click_on("Imagegas");
        EXPECT_EQ(h.score(), 30 + 10);
        EXPECT_FALSE(h["Imagegas"].visible());
        EXPECT_FALSE(h["Imagekrot1"].visible());
    }
    // A double-click time long enough for the ring to come back between the
    // presses: the second press is a double click on the shown ring.
    {
        Harness h;
        h.game.set_double_click(board::seconds(4), 60);
        start_round(h);
        h.wait_ms(3 * kDefaultTick);
        h.click_on("Imagegas");
        ASSERT_EQ(h.score(), 30);
        h.wait_ms(5 * kDefaultTick);
        ASSERT_TRUE(h["Imagegas"].visible());
        h.press_on("Imagegas");
        EXPECT_EQ(h.score(), 80);
        h.release_on("Imagegas");
        EXPECT_EQ(h.score(), 80) << "no click follows a double click";
        EXPECT_TRUE(h["Imagegas"].visible()) << "the double click leaves the ring shown";
        EXPECT_TRUE(same(h["Imagegas"].mouse_icon(), h["Labelgastype"].mouse_icon()));
    }
    // The same wait with the usual double-click time is just another catch.
    {
        Harness h;
        start_round(h);
        h.wait_ms(3 * kDefaultTick);
        h.click_on("Imagegas");
        h.wait_ms(5 * kDefaultTick);
        h.click_on("Imagegas");
        EXPECT_EQ(h.score(), 60);
        EXPECT_FALSE(h["Imagegas"].visible());
    }
}

TEST(RingPointer, PressAndReleaseSwapThePointerFromTheHoldersOfTheMoment) {
    Harness h;
    start_round(h);
    h.wait_ms(3 * kDefaultTick);
    ASSERT_TRUE(h["Imagegas"].visible());

    h.press_on("Imagegas", MouseButton::Right);
    EXPECT_TRUE(same(h["Imagegas"].mouse_icon(), h["Labelsecreticonexplode"].mouse_icon()));
    h.release_on("Imagegas", MouseButton::Right);
    EXPECT_TRUE(same(h["Imagegas"].mouse_icon(), h["Labelgastype"].mouse_icon()));
    EXPECT_EQ(h.score(), 0);
    EXPECT_TRUE(h["Imagegas"].visible());

    // As the friend's look does: both holders get other images.
    h["Labelsecreticonexplode"].set_mouse_icon(h["LabelPelkotakeringicon"].mouse_icon());
    h["Labelgastype"].set_mouse_icon(h["Imagepelkomode"].mouse_icon());
    h.press_on("Imagegas");
    EXPECT_TRUE(same(h["Imagegas"].mouse_icon(), h["LabelPelkotakeringicon"].mouse_icon()));
    h.release_on("Imagegas");
    EXPECT_TRUE(same(h["Imagegas"].mouse_icon(), h["Imagepelkomode"].mouse_icon()));
    EXPECT_EQ(h.score(), 30);
}

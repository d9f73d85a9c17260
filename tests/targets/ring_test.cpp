// The ring: its five-tick cycle, the catch, the double click that reaches it,
// its place above the targets, and its pointer images.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "board/picture.h"
#include "support/harness.h"

using board::MouseButton;
using testing_support::Harness;
using testing_support::kDefaultTick;
using testing_support::same;

namespace {

// With the scripted source's fallback every draw is 0: the ring stands on the
// first cell, over the first target, which shows the plain robot.
void expect_ring_over_first_target(const Harness& h) {
    const auto& b = h.view;
    ASSERT_EQ(b.ring.left(), b.target(0, 0).left());
    ASSERT_EQ(b.ring.top(), b.target(0, 0).top());
    ASSERT_TRUE(b.target(0, 0).visible());
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
            const auto& b = h.view;
            ASSERT_TRUE(h.start_round());
            b.ring.set_tag(c.before);
            b.ring.set_visible(shown_before);
            h.wait_ms(kDefaultTick);
            const std::string label =
                std::string("counter '") + c.before + "', shown " + std::to_string(shown_before);
            EXPECT_EQ(b.ring.tag(), c.after) << label;
            const bool expected =
                c.effect == Effect::Keep ? shown_before : c.effect == Effect::Show;
            EXPECT_EQ(b.ring.visible(), expected) << label;
        }
    }
}

TEST(RingCycle, FirstShowsOnTheThirdTickThenOneTickInFiveAcrossRounds) {
    Harness h;
    const auto& b = h.view;
    ASSERT_TRUE(h.start_round());
    for (int tick = 1; tick <= 12; ++tick) {
        h.wait_ms(kDefaultTick);
        EXPECT_EQ(b.ring.visible(), tick % 5 == 3) << "tick " << tick;
    }
    // The phase carries over into the next round: twelve ticks left it at "2".
    ASSERT_EQ(b.ring.tag(), "2");
    ASSERT_TRUE(h.start_round());
    h.wait_ms(kDefaultTick);
    EXPECT_TRUE(b.ring.visible());
}

TEST(RingCatch, ClickScoresThirtyOncePerAppearanceAndTheTargetBeneathWaits) {
    Harness h;
    const auto& b = h.view;
    ASSERT_TRUE(h.start_round());
    h.wait_ms(3 * kDefaultTick);
    ASSERT_TRUE(b.ring.visible());
    expect_ring_over_first_target(h);

    h.click_on(b.ring);
    EXPECT_EQ(h.score(), 30);
    EXPECT_FALSE(b.ring.visible());
    EXPECT_EQ(b.ring.tag(), "3") << "the catch leaves the cycle alone";
    EXPECT_TRUE(b.target(0, 0).visible()) << "the ring took the click, not the target";

    // A second click at the same place now reaches the target.
    h.wait_ms(100);
    h.click_on(b.ring);
    EXPECT_EQ(h.score(), 40);
    EXPECT_FALSE(b.target(0, 0).visible());

    // The ring comes back on the fifth tick after the one that showed it.
    h.wait_ms(4 * kDefaultTick - 100);
    EXPECT_FALSE(b.ring.visible());
    h.wait_ms(kDefaultTick);
    EXPECT_TRUE(b.ring.visible());
    h.click_on(b.ring);
    EXPECT_EQ(h.score(), 70);
}

TEST(RingCatch, RingShownAtAPauseIgnoresClicksUntilContinueAndTheNextTickHidesIt) {
    Harness h;
    const auto& b = h.view;
    ASSERT_TRUE(h.start_round());
    h.wait_ms(3 * kDefaultTick);
    ASSERT_TRUE(b.ring.visible());
    ASSERT_TRUE(h.stop_round());
    h.click_on(b.ring);
    h.wait_ms(10 * kDefaultTick);
    EXPECT_EQ(h.score(), 0);
    EXPECT_TRUE(b.ring.visible());
    EXPECT_EQ(b.ring.tag(), "3");

    ASSERT_TRUE(h.continue_round());
    h.wait_ms(kDefaultTick);
    EXPECT_FALSE(b.ring.visible());
    EXPECT_EQ(b.ring.tag(), "4");
}

TEST(RingCatch, AHeldPressOnARingThatWentAndCameBackCatchesNothing) {
    Harness h;
    const auto& b = h.view;
    ASSERT_TRUE(h.set_interval("0"));  // no cycle tick in between
    ASSERT_TRUE(h.start_round());
    b.ring.set_visible(true);
    h.press_on(b.ring);
    b.ring.set_visible(false);  // the cycle hides it, and shows it again later
    b.ring.set_visible(true);
    h.release_on(b.ring);
    EXPECT_EQ(h.score(), 0);
    EXPECT_TRUE(b.ring.visible());

    h.wait_ms(1000);
    h.press_on(b.ring);
    ASSERT_TRUE(h.stop_round());
    ASSERT_TRUE(h.continue_round());
    h.release_on(b.ring);
    EXPECT_EQ(h.score(), 0);
}

TEST(RingDoubleClick, ScoresFiftyOnlyWhenTheRingHasShownAgainBeforeTheSecondPress) {
    // At the usual speed the first click catches the ring and the second press
    // reaches the target beneath it: no double click on the ring.
    {
        Harness h;
        const auto& b = h.view;
        ASSERT_TRUE(h.start_round());
        h.wait_ms(3 * kDefaultTick);
        expect_ring_over_first_target(h);
        h.click_on(b.ring);
        h.click_on(b.ring);
        EXPECT_EQ(h.score(), 30 + 10);
        EXPECT_FALSE(b.ring.visible());
        EXPECT_FALSE(b.target(0, 0).visible());
    }
    // A double-click time long enough for the ring to come back between the
    // presses: the second press is a double click on the shown ring.
    {
        Harness h;
        const auto& b = h.view;
        h.game.set_double_click(board::seconds(4), 60);
        ASSERT_TRUE(h.start_round());
        h.wait_ms(3 * kDefaultTick);
        h.click_on(b.ring);
        ASSERT_EQ(h.score(), 30);
        h.wait_ms(5 * kDefaultTick);
        ASSERT_TRUE(b.ring.visible());
        h.press_on(b.ring);
        EXPECT_EQ(h.score(), 80);
        h.release_on(b.ring);
        EXPECT_EQ(h.score(), 80) << "no click follows a double click";
        EXPECT_TRUE(b.ring.visible()) << "the double click leaves the ring shown";
        EXPECT_TRUE(same(b.ring.mouse_icon(), b.ring_kind_register.mouse_icon()));
    }
    // The same wait with the usual double-click time is just another catch.
    {
        Harness h;
        const auto& b = h.view;
        ASSERT_TRUE(h.start_round());
        h.wait_ms(3 * kDefaultTick);
        h.click_on(b.ring);
        h.wait_ms(5 * kDefaultTick);
        h.click_on(b.ring);
        EXPECT_EQ(h.score(), 60);
        EXPECT_FALSE(b.ring.visible());
    }
}

TEST(RingDoubleClick, AnotherButtonPressedDuringTheDoubleClickAddsNoCatch) {
    Harness h;
    const auto& b = h.view;
    h.game.set_double_click(board::seconds(4), 60);
    ASSERT_TRUE(h.start_round());
    h.wait_ms(3 * kDefaultTick);
    h.click_on(b.ring);
    h.wait_ms(5 * kDefaultTick);
    ASSERT_TRUE(b.ring.visible());
    h.press_on(b.ring);  // the double click
    h.press_on(b.ring, MouseButton::Right);
    h.release_on(b.ring, MouseButton::Right);
    h.release_on(b.ring);
    EXPECT_EQ(h.score(), 30 + 50);
    EXPECT_TRUE(b.ring.visible());
}

TEST(RingPointer, PressAndReleaseSwapThePointerFromTheHoldersOfTheMoment) {
    Harness h;
    const auto& b = h.view;
    ASSERT_TRUE(h.start_round());
    h.wait_ms(3 * kDefaultTick);
    ASSERT_TRUE(b.ring.visible());

    h.press_on(b.ring, MouseButton::Right);
    EXPECT_TRUE(same(b.ring.mouse_icon(), b.ring_press_pointer.mouse_icon()));
    h.release_on(b.ring, MouseButton::Right);
    EXPECT_TRUE(same(b.ring.mouse_icon(), b.ring_kind_register.mouse_icon()));
    EXPECT_EQ(h.score(), 0);
    EXPECT_TRUE(b.ring.visible());

    // As the friend's look does: both holders get other images.
    b.ring_press_pointer.set_mouse_icon(b.friends_ring_press_pointer.mouse_icon());
    b.ring_kind_register.set_mouse_icon(b.friends_picture.mouse_icon());
    h.press_on(b.ring);
    EXPECT_TRUE(same(b.ring.mouse_icon(), b.friends_ring_press_pointer.mouse_icon()));
    h.release_on(b.ring);
    EXPECT_TRUE(same(b.ring.mouse_icon(), b.friends_picture.mouse_icon()));
    EXPECT_EQ(h.score(), 30);
}

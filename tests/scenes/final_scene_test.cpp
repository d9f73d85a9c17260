#include <gtest/gtest.h>

#include "board/picture.h"
#include "support/harness.h"

namespace {

constexpr double kAlwaysTwo = 0.9;  // a fraction that every draw below 3 turns into 2

struct FinalScene {
    testing_support::Harness h;
    const testing_support::MainBoard& b = h.view;

    // What the round end does on a win.
    void open() {
        b.final_panel.set_visible(true);
        b.final_scene_timer.set_enabled(true);
    }
    void ticks(int n) { h.wait_ms(100 * n); }
    bool shows(const board::Element& holder) {
        return board::same_picture(b.airship.picture(), holder.picture());
    }
    bool finished() {
        return !b.final_scene_timer.enabled() && shows(b.airship_wreck) &&
               b.heroes_flight.visible() && b.rescue_message.visible();
    }
    // A round started during the scene; the round's own timers are stopped
    // again so that only the scene draws.
    void start_round() {
        h.click_on(b.start_button);
        h.click_on(b.stop_button);
    }
};

}  // namespace

TEST(FinalScene, EachDrawPicksItsFrameAndOnlyTwoCountsAFire) {
    FinalScene s;
    s.open();
    for (int draw : {0, 1, 2, 0}) s.h.random.push_draw(draw, 3);
    const board::Element* frames[] = {&s.b.airship_burning_2, &s.b.airship_burning_3,
                                      &s.b.airship_burning_1, &s.b.airship_burning_2};
    const char* counts[] = {"0", "0", "1", "1"};
    for (int i = 0; i < 4; ++i) {
        s.ticks(1);
        EXPECT_TRUE(s.shows(*frames[i])) << i;
        EXPECT_EQ(s.b.airship_frame_register.tag(), counts[i]) << i;
    }
    EXPECT_EQ(s.b.airship_frame_register.caption(), "0");
    EXPECT_EQ(s.h.random.drawn, 4);

    s.h.random.fallback = 0.0;  // draws of 0 only: it never ends, the dot drifts on
    s.ticks(96);
    EXPECT_TRUE(s.b.final_scene_timer.enabled());
    EXPECT_FALSE(s.b.heroes_flight.visible());
    EXPECT_EQ(s.b.drifting_dot.left(), 1920 + 50 * 100);
    EXPECT_EQ(s.b.drifting_dot.top(), 840 + 15 * 100);
}

TEST(FinalScene, TwentiethFireWrecksTheAirshipAndTheDotStillDrifts) {
    FinalScene s;
    s.h.random.fallback = kAlwaysTwo;
    s.open();
    for (int n = 1; n <= 19; ++n) {
        s.ticks(1);
        ASSERT_EQ(s.b.airship_frame_register.tag(), std::to_string(n));
        ASSERT_TRUE(s.shows(s.b.airship_burning_1));
        ASSERT_TRUE(s.b.final_scene_timer.enabled());
    }
    s.ticks(1);
    EXPECT_EQ(s.b.airship_frame_register.tag(), "20");
    EXPECT_TRUE(s.finished());
    EXPECT_EQ(s.b.drifting_dot.left(), 1920 + 50 * 20);
    EXPECT_EQ(s.b.drifting_dot.top(), 840 + 15 * 20);

    const int drawn = s.h.random.drawn;
    s.ticks(50);
    EXPECT_EQ(s.h.random.drawn, drawn);
    EXPECT_EQ(s.b.drifting_dot.left(), 2920);
    EXPECT_TRUE(s.finished());
}

TEST(FinalScene, RoundStartedMidSceneHidesItWhileItRunsOnFromZero) {
    FinalScene s;
    s.h.random.fallback = kAlwaysTwo;
    s.open();
    s.ticks(5);
    s.start_round();
    EXPECT_FALSE(s.b.final_panel.visible());
    EXPECT_TRUE(s.b.final_scene_timer.enabled());
    EXPECT_EQ(s.b.airship_frame_register.tag(), "0");
    s.ticks(19);
    EXPECT_TRUE(s.b.final_scene_timer.enabled());
    s.ticks(1);
    EXPECT_TRUE(s.finished());
    EXPECT_FALSE(s.b.final_panel.visible());
    EXPECT_EQ(s.b.drifting_dot.left(), 1920 + 50 * 20);
}

TEST(FinalScene, CounterAlreadyAtTwentyWhenALaterWinShowsThePanel) {
    for (const int first_draw : {1, 2}) {
        FinalScene s;
        s.h.random.fallback = kAlwaysTwo;
        s.open();
        s.ticks(3);
        s.start_round();
        s.ticks(20);  // the hidden scene burns out, leaving the counter at 20
        ASSERT_TRUE(s.finished());

        s.open();
        s.h.random.push_draw(first_draw, 3);
        s.h.random.fallback = 0.0;
        s.ticks(1);
        if (first_draw != 2) {  // ends at once
            EXPECT_TRUE(s.finished());
            continue;
        }
        // The counter passes 20 and the end test never holds again...
        EXPECT_EQ(s.b.airship_frame_register.tag(), "21");
        s.ticks(40);
        EXPECT_TRUE(s.b.final_scene_timer.enabled());
        EXPECT_TRUE(s.shows(s.b.airship_burning_2));
        // ...until a start resets it and the hidden scene counts up to 20 again.
        s.h.random.fallback = kAlwaysTwo;
        s.start_round();
        s.ticks(20);
        EXPECT_TRUE(s.finished());
    }
}

TEST(FinalScene, WinningRoundEndStartsItAndTheNextStartClearsItAway) {
    FinalScene s;
    s.h.random.fallback = kAlwaysTwo;
    s.h.click_on(s.b.start_button);
    s.h.wait_ms(59'000);
    ASSERT_FALSE(s.b.final_panel.visible());
    s.h.set_score(2000);
    s.h.wait_ms(1'000);
    EXPECT_TRUE(s.b.final_panel.visible());
    EXPECT_TRUE(s.b.final_scene_timer.enabled());
    s.ticks(20);
    EXPECT_TRUE(s.finished());

    s.h.wait_ms(1'000);
    s.h.click_on(s.b.start_button);
    EXPECT_FALSE(s.b.final_panel.visible());
    EXPECT_TRUE(s.shows(s.b.airship_burning_1));
    EXPECT_FALSE(s.b.heroes_flight.visible());
    EXPECT_FALSE(s.b.rescue_message.visible());
    EXPECT_EQ(s.b.airship_frame_register.tag(), "0");
    EXPECT_EQ(s.b.drifting_dot.left(), 1920);
    EXPECT_FALSE(s.b.final_scene_timer.enabled());
}

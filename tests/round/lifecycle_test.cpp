// Start-up and the round buttons: every state and transition of a round.
#include <gtest/gtest.h>

#include "round_control/lifecycle.h"
#include "support/harness.h"

using testing_support::Harness;
using testing_support::kDefaultTick;

namespace {

enum class State { Waiting, Running, Paused, Over, Other };

State state_of(const Harness& h) {
    const auto& b = h.view;
    const bool t1 = b.board_tick_timer.enabled(), t2 = b.round_clock_timer.enabled(),
               t3 = b.ring_cycle_timer.enabled();
    const bool stop = b.stop_button.enabled(), cont = b.continue_button.enabled();
    bool clickable = b.ring.enabled();
    for (board::Element* target : b.targets) clickable = clickable && target->enabled();
    if (t1 != t2 || t2 != t3) return State::Other;
    if (!t1 && !stop && !cont && clickable) return State::Waiting;
    if (t1 && stop && clickable) return State::Running;
    if (!t1 && stop && cont && !clickable) return State::Paused;
    if (!t1 && !stop && !cont && !clickable) return State::Over;
    return State::Other;
}

}  // namespace

TEST(RoundLifecycle, StartUpSeedsOnceAndWaits) {
    Harness h;
    EXPECT_EQ(h.random.seeded, 1);
    EXPECT_EQ(h.random.last_seed, h.clock.entropy());
    EXPECT_EQ(state_of(h), State::Waiting);
    EXPECT_EQ(h.random.drawn, 0);
}

TEST(RoundLifecycle, StartRunsAFreshRoundOnACleanBoard) {
    Harness h;
    const auto& b = h.view;
    // Leftovers of an earlier round: targets, ring and a finished final scene.
    for (board::Element* target : b.targets) target->set_visible(true);
    b.ring.set_visible(true);
    b.final_panel.set_visible(true);
    b.rescue_message.set_visible(true);
    b.heroes_flight.set_visible(true);
    b.airship.set_picture(b.airship_wreck.picture());
    b.airship_frame_register.set_tag("20");
    b.drifting_dot.set_left(5000);
    b.drifting_dot.set_top(2000);
    b.rounds_played.set_caption("3");
    b.best_score.set_caption("420");
    b.secret_hint.set_visible(true);
    b.final_scene_timer.set_enabled(true);

    EXPECT_TRUE(h.start_round());
    EXPECT_EQ(state_of(h), State::Running);
    EXPECT_EQ(b.score.caption(), "0");
    EXPECT_EQ(b.time_left.caption(), "60");
    for (board::Element* target : b.targets) EXPECT_FALSE(target->visible()) << target->name();
    EXPECT_FALSE(b.ring.visible());
    EXPECT_FALSE(b.final_panel.visible());
    EXPECT_FALSE(b.rescue_message.visible());
    EXPECT_FALSE(b.heroes_flight.visible());
    EXPECT_TRUE(board::same_picture(b.airship.picture(), b.airship_burning_1.picture()));
    EXPECT_EQ(b.airship_frame_register.tag(), "0");
    EXPECT_EQ(b.drifting_dot.left(), 1920);
    EXPECT_EQ(b.drifting_dot.top(), 840);
    // Left alone: statistics, the hint line, the final scene's timer.
    EXPECT_EQ(b.rounds_played.caption(), "3");
    EXPECT_EQ(b.best_score.caption(), "420");
    EXPECT_TRUE(b.secret_hint.visible());
    EXPECT_TRUE(b.final_scene_timer.enabled());
    EXPECT_TRUE(b.start_button.enabled());
}

TEST(RoundLifecycle, FirstBoardTickComesOneIntervalAfterTheStart) {
    Harness h;
    const auto& b = h.view;
    h.click_on(b.start_button);
    h.wait_ms(749);
    EXPECT_EQ(h.shown_targets(), 0);
    h.wait_ms(1);
    EXPECT_EQ(h.shown_targets(), 4);
}

TEST(RoundLifecycle, StopContinueAndStartTransitions) {
    Harness h;
    const auto& b = h.view;
    h.click_on(b.start_button);
    h.wait_ms(3000);
    h.click_on(b.stop_button);
    EXPECT_EQ(state_of(h), State::Paused);
    const std::string time = b.time_left.caption();
    h.wait_ms(5000);
    EXPECT_EQ(b.time_left.caption(), time);  // frozen
    h.click_on(b.stop_button);               // stop again: no change
    EXPECT_EQ(state_of(h), State::Paused);
    h.click_on(b.continue_button);
    EXPECT_EQ(state_of(h), State::Running);
    EXPECT_TRUE(b.continue_button.enabled());  // continue changes no button
    h.click_on(b.continue_button);
    EXPECT_EQ(state_of(h), State::Running);
    h.wait_ms(1000);
    EXPECT_NE(b.time_left.caption(), time);
    // A start while paused runs a fresh round; continue is withdrawn.
    h.click_on(b.stop_button);
    h.click_on(b.start_button);
    EXPECT_EQ(state_of(h), State::Running);
    EXPECT_FALSE(b.continue_button.enabled());
    EXPECT_EQ(b.time_left.caption(), "60");
}

TEST(RoundLifecycle, StartedOverARoundIsNotCountedAndTheClockRunsOnItsOwnSecond) {
    Harness h;
    const auto& b = h.view;
    h.click_on(b.start_button);
    h.wait_ms(30'000);
    h.click_on(b.start_button);
    EXPECT_EQ(b.rounds_played.caption(), "0");
    EXPECT_EQ(b.time_left.caption(), "60");
    h.wait_ms(59'999);
    EXPECT_EQ(b.time_left.caption(), "1");
    h.wait_ms(1);
    EXPECT_EQ(state_of(h), State::Over);
    EXPECT_EQ(b.rounds_played.caption(), "1");
    // Over: buttons and targets frozen until the next start.
    EXPECT_FALSE(h.stop_round());
    EXPECT_FALSE(h.continue_round());
    EXPECT_TRUE(h.start_round());
    EXPECT_EQ(state_of(h), State::Running);
}

TEST(RoundLifecycle, StopAndContinueAreDeafWhileGreyed) {
    Harness h;
    const auto& b = h.view;
    EXPECT_FALSE(h.stop_round());
    EXPECT_FALSE(h.continue_round());
    h.click_on(b.continue_button);
    EXPECT_EQ(state_of(h), State::Waiting);
    EXPECT_FALSE(h.alt(U'ж'));  // no such key
}

TEST(RoundLifecycle, SetIntervalReadsTheLeadingNumberAndRoundsHalvesToEven) {
    Harness h;
    const auto& b = h.view;
    const std::vector<std::pair<std::string, int>> cases = {
        {"250abc", 250},  {"500.5", 500}, {"501.5", 502}, {" 1 2 0 ", 120}, {"0", 0},
        {"65535", 65535}, {"1", 1},       {"abc", 0},     {"", 0}};
    for (const auto& [text, interval] : cases) {
        b.interval_box.set_text(text);
        h.click_on(b.set_interval_button);
        EXPECT_EQ(b.board_tick_timer.interval(), interval) << text;
        EXPECT_EQ(b.ring_cycle_timer.interval(), interval) << text;
        EXPECT_EQ(b.round_clock_timer.interval(), 1000) << text;
    }
    EXPECT_TRUE(h.told().empty());
}

TEST(RoundLifecycle, AZeroIntervalFreezesTheBoardButNotTheClock) {
    Harness h;
    const auto& b = h.view;
    h.set_interval("letters");
    h.start_round();
    h.wait_ms(10'000);
    EXPECT_EQ(h.shown_targets(), 0);
    EXPECT_EQ(b.time_left.caption(), "50");
    h.set_interval("750");
    h.wait_ms(kDefaultTick);
    EXPECT_EQ(h.shown_targets(), 4);
}

TEST(RoundLifecycle, ANumberATimerCannotTakeIsRefusedAndTheRoundGoesOn) {
    Harness h;
    const auto& b = h.view;
    h.click_on(b.start_button);
    b.interval_box.set_text("300");
    h.click_on(b.set_interval_button);
    for (const char* bad : {"99999", "65536", "65535.5", "-5", "-0.6", "1e12", "&HFFFFFFFFFF",
                            "1e309", "-1e309"}) {
        b.interval_box.set_text(bad);
        h.click_on(b.set_interval_button);
        EXPECT_EQ(b.board_tick_timer.interval(), 300) << bad;
        EXPECT_EQ(b.ring_cycle_timer.interval(), 300) << bad;
        ASSERT_FALSE(h.told().empty()) << bad;
        EXPECT_NE(h.told().back().find("от 0 до 65535"), std::string::npos);
        EXPECT_NE(h.told().back().find(bad), std::string::npos);
    }
    EXPECT_EQ(h.told().size(), 9u);
    EXPECT_EQ(state_of(h), State::Running);
    h.wait_ms(2000);
    EXPECT_EQ(b.time_left.caption(), "58");
    // -0.5 rounds to 0 and 65535.4 to 65535, which a timer takes.
    b.interval_box.set_text("-0.5");
    h.click_on(b.set_interval_button);
    EXPECT_EQ(b.board_tick_timer.interval(), 0);
    b.interval_box.set_text("65535.4");
    h.click_on(b.set_interval_button);
    EXPECT_EQ(b.ring_cycle_timer.interval(), 65535);
    EXPECT_EQ(h.told().size(), 9u);
}

TEST(RoundLifecycle, ResetClearsTheStatisticsAndTheNextTickRestoresTheBest) {
    Harness h;
    const auto& b = h.view;
    h.click_on(b.start_button);
    b.rounds_played.set_caption("4");
    b.best_score.set_caption("900");
    h.set_score(120);
    h.click_on(b.reset_statistics_button);
    EXPECT_EQ(b.rounds_played.caption(), "0");
    EXPECT_EQ(b.best_score.caption(), "0");
    EXPECT_EQ(state_of(h), State::Running);
    h.wait_ms(kDefaultTick);
    EXPECT_EQ(b.best_score.caption(), "120");
}

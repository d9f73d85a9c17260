// Start-up and the round buttons: every state and transition of a round.
#include <gtest/gtest.h>

#include "board/layout/main_board.h"
#include "round/lifecycle.h"
#include "support/harness.h"

using testing_support::Harness;

namespace {

enum class State { Waiting, Running, Paused, Over, Other };

State state_of(const Harness& h) {
    const bool t1 = h["Timer1"].enabled(), t2 = h["Timer2"].enabled(), t3 = h["Timer3"].enabled();
    const bool stop = h["Commandstop"].enabled(), cont = h["Commandcontinue"].enabled();
    bool clickable = h["Imagegas"].enabled();
    for (const auto target : board::layout::kTargets) clickable = clickable && h[target].enabled();
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
    // Leftovers of an earlier round: targets, ring and a finished final scene.
    for (const auto target : board::layout::kTargets) h[target].set_visible(true);
    h["Imagegas"].set_visible(true);
    h["Frame1"].set_visible(true);
    h["Label20"].set_visible(true);
    h["Image21"].set_visible(true);
    h["Imagebaze"].set_picture(h["Image20"].picture());
    h["Labelbazegenerator"].set_tag("20");
    h["Shape1"].set_left(5000);
    h["Shape1"].set_top(2000);
    h["Label5"].set_caption("3");
    h["Label7"].set_caption("420");
    h["Label21"].set_visible(true);
    h["Timer5"].set_enabled(true);

    EXPECT_TRUE(h.alt(U'н'));
    EXPECT_EQ(state_of(h), State::Running);
    EXPECT_EQ(h["Labelscore"].caption(), "0");
    EXPECT_EQ(h["LabelTime"].caption(), "60");
    for (const auto target : board::layout::kTargets) EXPECT_FALSE(h[target].visible()) << target;
    EXPECT_FALSE(h["Imagegas"].visible());
    EXPECT_FALSE(h["Frame1"].visible());
    EXPECT_FALSE(h["Label20"].visible());
    EXPECT_FALSE(h["Image21"].visible());
    EXPECT_TRUE(board::same_picture(h["Imagebaze"].picture(), h["Image17"].picture()));
    EXPECT_EQ(h["Labelbazegenerator"].tag(), "0");
    EXPECT_EQ(h["Shape1"].left(), 1920);
    EXPECT_EQ(h["Shape1"].top(), 840);
    // Left alone: statistics, the hint line, the final scene's timer.
    EXPECT_EQ(h["Label5"].caption(), "3");
    EXPECT_EQ(h["Label7"].caption(), "420");
    EXPECT_TRUE(h["Label21"].visible());
    EXPECT_TRUE(h["Timer5"].enabled());
    EXPECT_TRUE(h["Commandstart"].enabled());
}

TEST(RoundLifecycle, FirstBoardTickComesOneIntervalAfterTheStart) {
    Harness h;
    h.click_on("Commandstart");
    h.wait_ms(749);
    EXPECT_EQ(h.shown_targets(), 0);
    h.wait_ms(1);
    EXPECT_EQ(h.shown_targets(), 4);
}

TEST(RoundLifecycle, StopContinueAndStartTransitions) {
    Harness h;
    h.click_on("Commandstart");
    h.wait_ms(3000);
    h.click_on("Commandstop");
    EXPECT_EQ(state_of(h), State::Paused);
    const std::string time = h["LabelTime"].caption();
    h.wait_ms(5000);
    EXPECT_EQ(h["LabelTime"].caption(), time);  // frozen
    h.click_on("Commandstop");                  // stop again: no change
    EXPECT_EQ(state_of(h), State::Paused);
    h.click_on("Commandcontinue");
    EXPECT_EQ(state_of(h), State::Running);
    EXPECT_TRUE(h["Commandcontinue"].enabled());  // continue changes no button
    h.click_on("Commandcontinue");
    EXPECT_EQ(state_of(h), State::Running);
    h.wait_ms(1000);
    EXPECT_NE(h["LabelTime"].caption(), time);
    // A start while paused runs a fresh round; continue is withdrawn.
    h.click_on("Commandstop");
    h.click_on("Commandstart");
    EXPECT_EQ(state_of(h), State::Running);
    EXPECT_FALSE(h["Commandcontinue"].enabled());
    EXPECT_EQ(h["LabelTime"].caption(), "60");
}

TEST(RoundLifecycle, StartedOverARoundIsNotCountedAndTheClockRunsOnItsOwnSecond) {
    Harness h;
    h.click_on("Commandstart");
    h.wait_ms(30'000);
    h.click_on("Commandstart");
    EXPECT_EQ(h["Label5"].caption(), "0");
    EXPECT_EQ(h["LabelTime"].caption(), "60");
    h.wait_ms(59'999);
    EXPECT_EQ(h["LabelTime"].caption(), "1");
    h.wait_ms(1);
    EXPECT_EQ(state_of(h), State::Over);
    EXPECT_EQ(h["Label5"].caption(), "1");
    // Over: buttons and targets frozen until the next start.
    EXPECT_FALSE(h.alt(U'с'));
    EXPECT_FALSE(h.alt(U'п'));
    EXPECT_TRUE(h.alt(U'н'));
    EXPECT_EQ(state_of(h), State::Running);
}

TEST(RoundLifecycle, StopAndContinueAreDeafWhileGreyed) {
    Harness h;
    EXPECT_FALSE(h.alt(U'с'));
    EXPECT_FALSE(h.alt(U'П'));
    h.click_on("Commandcontinue");
    EXPECT_EQ(state_of(h), State::Waiting);
    EXPECT_FALSE(h.alt(U'ж'));  // no such key
}

TEST(RoundLifecycle, SetIntervalReadsTheLeadingNumberAndRoundsHalvesToEven) {
    Harness h;
    const std::vector<std::pair<std::string, int>> cases = {
        {"250abc", 250},  {"500.5", 500}, {"501.5", 502}, {" 1 2 0 ", 120}, {"0", 0},
        {"65535", 65535}, {"1", 1},       {"abc", 0},     {"", 0}};
    for (const auto& [text, interval] : cases) {
        h["Textspeed"].set_text(text);
        h.click_on("Commandedit");
        EXPECT_EQ(h["Timer1"].interval(), interval) << text;
        EXPECT_EQ(h["Timer3"].interval(), interval) << text;
        EXPECT_EQ(h["Timer2"].interval(), 1000) << text;
    }
    EXPECT_TRUE(h.game.told().empty());
}

TEST(RoundLifecycle, AZeroIntervalFreezesTheBoardButNotTheClock) {
    Harness h;
    h["Textspeed"].set_text("letters");
    h.alt(U'У');
    h.alt(U'Н');
    h.wait_ms(10'000);
    EXPECT_EQ(h.shown_targets(), 0);
    EXPECT_EQ(h["LabelTime"].caption(), "50");
    h["Textspeed"].set_text("750");
    h.alt(U'у');
    h.wait_ms(750);
    EXPECT_EQ(h.shown_targets(), 4);
}

TEST(RoundLifecycle, ANumberATimerCannotTakeIsRefusedAndTheRoundGoesOn) {
    Harness h;
    h.click_on("Commandstart");
    h["Textspeed"].set_text("300");
    h.click_on("Commandedit");
    for (const char* bad : {"99999", "65536", "-5", "-0.6", "1e12", "&HFFFFFFFFFF"}) {
        h["Textspeed"].set_text(bad);
        h.click_on("Commandedit");
        EXPECT_EQ(h["Timer1"].interval(), 300) << bad;
        EXPECT_EQ(h["Timer3"].interval(), 300) << bad;
        ASSERT_FALSE(h.game.told().empty()) << bad;
        EXPECT_NE(h.game.told().back().find("от 0 до 65535"), std::string::npos);
        EXPECT_NE(h.game.told().back().find(bad), std::string::npos);
    }
    EXPECT_EQ(h.game.told().size(), 6u);
    EXPECT_EQ(state_of(h), State::Running);
    h.wait_ms(2000);
    EXPECT_EQ(h["LabelTime"].caption(), "58");
    // -0.4 rounds to 0, which a timer takes.
    h["Textspeed"].set_text("-0.4");
    h.click_on("Commandedit");
    EXPECT_EQ(h["Timer1"].interval(), 0);
    EXPECT_EQ(h.game.told().size(), 6u);
}

TEST(RoundLifecycle, ResetClearsTheStatisticsAndTheNextTickRestoresTheBest) {
    Harness h;
    h.click_on("Commandstart");
    h["Label5"].set_caption("4");
    h["Label7"].set_caption("900");
    h["Labelscore"].set_caption("120");
    h.click_on("Command1");
    EXPECT_EQ(h["Label5"].caption(), "0");
    EXPECT_EQ(h["Label7"].caption(), "0");
    EXPECT_EQ(state_of(h), State::Running);
    h.wait_ms(750);
    EXPECT_EQ(h["Label7"].caption(), "120");
}

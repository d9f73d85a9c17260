#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "board/picture.h"
#include "support/harness.h"

using board::same_picture;
using testing_support::Harness;

namespace {

constexpr board::Colour kDarkBlue = 0x00C00000;

// Types into the code box, as the player would once it is shown, and presses Alt+Y.
bool enter(Harness& h, std::string_view typed) {
    const auto& b = h.view;
    b.code_box.set_text(std::string(typed));
    return h.press_code_button();
}

}  // namespace

TEST(SecretCode, FirstAltYOnlyShowsTheBoxWithItsHint) {
    Harness h;
    const auto& b = h.view;
    const auto before = h.board().revision();
    EXPECT_TRUE(h.press_code_button());
    EXPECT_TRUE(b.code_box.visible());
    EXPECT_EQ(b.code_box.text(), "[чит код]");
    EXPECT_EQ(h.board().revision(), before + 1);  // the box, and nothing else
}

TEST(SecretCode, OnlyTheExactCodeSwitches) {
    Harness h;
    for (std::string_view near_miss : {" quibbozar", "quibbozar ", "QUIBBOZAR", "Quibbozar",
                                       "quibboza", "quibbozarr", "", "quіbbozar" /* і */}) {
        EXPECT_TRUE(enter(h, near_miss));
        const auto revision = h.board().revision();
        EXPECT_TRUE(h.press_code_button());
        EXPECT_EQ(h.board().revision(), revision) << "changed by '" << near_miss << "'";
        EXPECT_EQ(h.board().back_color(), kDarkBlue);
    }
    EXPECT_TRUE(h.told().empty());
    EXPECT_TRUE(enter(h, "quibbozar"));
    EXPECT_NE(h.board().back_color(), kDarkBlue);
}

TEST(SecretCode, SwitchSetsEveryPropertyOfTheFriendsLookAndOnlyThose) {
    Harness h;
    const auto& b = h.view;
    auto& f = h.board();
    const auto friend_icon = b.friends_picture.mouse_icon();
    const auto orange_ball = b.friends_strike_pointer.mouse_icon();
    const auto burst = b.target_press_pointer.mouse_icon();
    const auto frame_pointer = b.portrait.mouse_icon();

    ASSERT_TRUE(enter(h, "quibbozar"));

    for (const board::Element* field :
         {&b.best_score, &b.rounds_played, &b.time_left, &b.score, &b.interval_box}) {
        EXPECT_EQ(field->back_color(), 0x0080C0FFu) << field->name();
    }
    EXPECT_EQ(f.back_color(), 0x000040C0u);
    for (const board::Element* heading : {&b.time_heading, &b.score_heading, &b.version_column,
                                          &b.rounds_heading, &b.best_score_heading}) {
        EXPECT_EQ(heading->back_color(), 0x000080FFu) << heading->name();
    }
    EXPECT_TRUE(same_picture(b.portrait.picture(), b.friends_picture.picture()));
    for (board::Element* cell : b.cells) {
        EXPECT_TRUE(same_picture(cell->mouse_icon(), friend_icon)) << cell->name();
    }
    EXPECT_TRUE(same_picture(b.ring.mouse_icon(), friend_icon));
    EXPECT_TRUE(same_picture(b.ring_kind_register.mouse_icon(), friend_icon));
    EXPECT_TRUE(same_picture(b.target_release_pointer.mouse_icon(), orange_ball));
    for (board::Element* target : b.targets) {
        EXPECT_TRUE(same_picture(target->mouse_icon(), orange_ball)) << target->name();
    }
    EXPECT_TRUE(
        same_picture(b.ring_press_pointer.mouse_icon(), b.friends_ring_press_pointer.mouse_icon()));

    EXPECT_TRUE(same_picture(b.target_press_pointer.mouse_icon(), burst));
    EXPECT_TRUE(same_picture(b.portrait.mouse_icon(), frame_pointer));
    EXPECT_EQ(b.character_heading.back_color(), 0x00C0C000u);
    EXPECT_EQ(b.score.fore_color(), 0x00000000u);
    EXPECT_EQ(b.score.caption(), "                    0  ");

    // Again with the code: nothing changes.
    const auto after_first = f.revision();
    EXPECT_TRUE(h.press_code_button());
    EXPECT_EQ(f.revision(), after_first);
}

TEST(SecretCode, PointersSetByPressAndReleaseAreThoseOfTheFriend) {
    Harness h;
    const auto& b = h.view;
    ASSERT_TRUE(enter(h, "quibbozar"));
    b.target(1, 1).set_visible(true);  // as a board tick would show it
    h.press_on(b.target(1, 1));
    EXPECT_TRUE(same_picture(b.target(1, 1).mouse_icon(), b.target_press_pointer.mouse_icon()));
    h.release_on(b.target(1, 1));
    EXPECT_TRUE(same_picture(b.target(1, 1).mouse_icon(), b.friends_strike_pointer.mouse_icon()));

    b.ring.set_visible(true);
    h.press_on(b.ring);
    EXPECT_TRUE(same_picture(b.ring.mouse_icon(), b.friends_ring_press_pointer.mouse_icon()));
    h.release_on(b.ring);
    EXPECT_TRUE(same_picture(b.ring.mouse_icon(), b.friends_picture.mouse_icon()));
}

TEST(SecretCode, SwitchDuringARoundLeavesTheRoundAlone) {
    Harness h;
    const auto& b = h.view;
    h.click_on(b.start_button);
    h.wait_ms(2'000);
    const auto time = b.time_left.caption();
    const auto score = b.score.caption();
    ASSERT_TRUE(enter(h, "quibbozar"));
    EXPECT_EQ(b.time_left.caption(), time);
    EXPECT_EQ(b.score.caption(), score);
    for (const board::Element* timer :
         {&b.board_tick_timer, &b.round_clock_timer, &b.ring_cycle_timer})
        EXPECT_TRUE(timer->enabled()) << timer->name();
    h.wait_ms(1'000);
    EXPECT_NE(b.time_left.caption(), time);
}

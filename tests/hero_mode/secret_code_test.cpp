#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "board/layout/main_board.h"
#include "board/picture.h"
#include "support/harness.h"

using board::same_picture;
using testing_support::Harness;

namespace {

constexpr board::Colour kDarkBlue = 0x00C00000;

// Types into the code box, as the player would once it is shown, and presses Alt+Y.
bool enter(Harness& h, std::string_view typed) {
    h["Text1"].set_text(std::string(typed));
    return h.alt(U'Y');
}

}  // namespace

TEST(SecretCode, FirstAltYOnlyShowsTheBoxWithItsHint) {
    Harness h;
    const auto before = h.board().revision();
    EXPECT_TRUE(h.alt(U'y'));
    EXPECT_TRUE(h["Text1"].visible());
    EXPECT_EQ(h["Text1"].text(), "[чит код]");
    EXPECT_EQ(h.board().revision(), before + 1);  // the box, and nothing else
}

TEST(SecretCode, OnlyTheExactCodeSwitches) {
    Harness h;
    for (std::string_view near_miss : {" quibbozar", "quibbozar ", "QUIBBOZAR", "Quibbozar",
                                       "quibboza", "quibbozarr", "", "quіbbozar" /* і */}) {
        EXPECT_TRUE(enter(h, near_miss));
        const auto revision = h.board().revision();
        EXPECT_TRUE(h.alt(U'Y'));
        EXPECT_EQ(h.board().revision(), revision) << "changed by '" << near_miss << "'";
        EXPECT_EQ(h.board().back_color(), kDarkBlue);
    }
    EXPECT_TRUE(h.game.told().empty());
    EXPECT_TRUE(enter(h, "quibbozar"));
    EXPECT_NE(h.board().back_color(), kDarkBlue);
}

TEST(SecretCode, SwitchSetsEveryPropertyOfTheFriendsLookAndOnlyThose) {
    Harness h;
    auto& f = h.board();
    const auto friend_icon = f["Imagepelkomode"].mouse_icon();
    const auto orange_ball = f["Labelpelkoattackicon"].mouse_icon();
    const auto burst = f["LabelSecretIcon"].mouse_icon();
    const auto frame_pointer = f["Image1"].mouse_icon();

    ASSERT_TRUE(enter(h, "quibbozar"));

    for (auto name : {"Label7", "Label5", "LabelTime", "Labelscore", "Textspeed"}) {
        EXPECT_EQ(f[name].back_color(), 0x0080C0FFu) << name;
    }
    EXPECT_EQ(f.back_color(), 0x000040C0u);
    for (auto name : {"Label1", "Label2", "Label3", "Label4", "Label6"}) {
        EXPECT_EQ(f[name].back_color(), 0x000080FFu) << name;
    }
    EXPECT_TRUE(same_picture(f["Image1"].picture(), f["Imagepelkomode"].picture()));
    for (auto cell : board::layout::kCells) {
        EXPECT_TRUE(same_picture(f[cell].mouse_icon(), friend_icon)) << cell;
    }
    EXPECT_TRUE(same_picture(f["Imagegas"].mouse_icon(), friend_icon));
    EXPECT_TRUE(same_picture(f["Labelgastype"].mouse_icon(), friend_icon));
    EXPECT_TRUE(same_picture(f["LabelSecretIcon2"].mouse_icon(), orange_ball));
    for (auto target : board::layout::kTargets) {
        EXPECT_TRUE(same_picture(f[target].mouse_icon(), orange_ball)) << target;
    }
    EXPECT_TRUE(same_picture(f["Labelsecreticonexplode"].mouse_icon(),
                             f["LabelPelkotakeringicon"].mouse_icon()));

    EXPECT_TRUE(same_picture(f["LabelSecretIcon"].mouse_icon(), burst));
    EXPECT_TRUE(same_picture(f["Image1"].mouse_icon(), frame_pointer));
    EXPECT_EQ(f["Label12"].back_color(), 0x00C0C000u);
    EXPECT_EQ(f["Labelscore"].fore_color(), 0x00000000u);
    EXPECT_EQ(f["Labelscore"].caption(), "                    0  ");

    // Again with the code: nothing changes.
    const auto after_first = f.revision();
    EXPECT_TRUE(h.alt(U'Y'));
    EXPECT_EQ(f.revision(), after_first);
}

TEST(SecretCode, PointersSetByPressAndReleaseAreThoseOfTheFriend) {
    Harness h;
    ASSERT_TRUE(enter(h, "quibbozar"));
    auto& f = h.board();
    f["Imagekrot6"].set_visible(true);  // as a board tick would show it
    h.press_on("Imagekrot6");
    EXPECT_TRUE(same_picture(f["Imagekrot6"].mouse_icon(), f["LabelSecretIcon"].mouse_icon()));
    h.release_on("Imagekrot6");
    EXPECT_TRUE(same_picture(f["Imagekrot6"].mouse_icon(), f["Labelpelkoattackicon"].mouse_icon()));

    f["Imagegas"].set_visible(true);
    h.press_on("Imagegas");
    EXPECT_TRUE(same_picture(f["Imagegas"].mouse_icon(), f["LabelPelkotakeringicon"].mouse_icon()));
    h.release_on("Imagegas");
    EXPECT_TRUE(same_picture(f["Imagegas"].mouse_icon(), f["Imagepelkomode"].mouse_icon()));
}

TEST(SecretCode, SwitchDuringARoundLeavesTheRoundAlone) {
    Harness h;
    h.click_on("Commandstart");
    h.wait_ms(2'000);
    auto& f = h.board();
    const auto time = f["LabelTime"].caption();
    const auto score = f["Labelscore"].caption();
    ASSERT_TRUE(enter(h, "quibbozar"));
    EXPECT_EQ(f["LabelTime"].caption(), time);
    EXPECT_EQ(f["Labelscore"].caption(), score);
    for (auto timer : {"Timer1", "Timer2", "Timer3"}) EXPECT_TRUE(f[timer].enabled()) << timer;
    h.wait_ms(1'000);
    EXPECT_NE(f["LabelTime"].caption(), time);
}

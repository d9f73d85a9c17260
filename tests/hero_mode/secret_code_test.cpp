#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "board/layout/main_board.h"
#include "board/picture.h"
#include "support/harness.h"

using board::same_picture;
using testing_support::Harness;

namespace {

constexpr board::Colour kLightBlue = 0x00FF8080;
constexpr board::Colour kBlue = 0x00FF0000;
constexpr board::Colour kDarkBlue = 0x00C00000;
constexpr board::Colour kLightOrange = 0x0080C0FF;
constexpr board::Colour kOrange = 0x000080FF;
constexpr board::Colour kDarkOrange = 0x000040C0;

const std::vector<std::string_view> kFields = {"Label7", "Label5", "LabelTime", "Labelscore",
                                               "Textspeed"};
const std::vector<std::string_view> kHeadings = {"Label1", "Label2", "Label3", "Label4", "Label6"};

// Types into the code box, as the player would once it is shown.
bool enter(Harness& h, std::string_view typed) {
    h["Text1"].set_text(std::string(typed));
    return h.alt(U'Y');
}

bool in_heros_look(const Harness& h) {
    for (auto name : kFields) {
        if (h[name].back_color() != kLightBlue) return false;
    }
    for (auto name : kHeadings) {
        if (h[name].back_color() != kBlue) return false;
    }
    return h.board().back_color() == kDarkBlue &&
           !same_picture(h["Image1"].picture(), h["Imagepelkomode"].picture()) &&
           !same_picture(h["Labelgastype"].mouse_icon(), h["Imagepelkomode"].mouse_icon()) &&
           !same_picture(h["LabelSecretIcon2"].mouse_icon(),
                         h["Labelpelkoattackicon"].mouse_icon());
}

}  // namespace

TEST(SecretCode, FirstAltYOnlyShowsTheBoxWithItsHint) {
    Harness h;
    ASSERT_FALSE(h["Text1"].visible());
    const auto before = h.board().revision();
    EXPECT_TRUE(h.alt(U'y'));  // lower case reaches it as well
    EXPECT_TRUE(h["Text1"].visible());
    EXPECT_EQ(h["Text1"].text(), "[чит код]");
    EXPECT_EQ(h.board().revision(), before + 1);  // the box, and nothing else
    EXPECT_TRUE(in_heros_look(h));
}

TEST(SecretCode, OnlyTheExactCodeSwitches) {
    Harness h;
    for (std::string_view near_miss :
         {" quibbozar", "quibbozar ", "QUIBBOZAR", "Quibbozar", "quibboza", "quibbozarr", "",
          "quіbbozar" /* Cyrillic і */}) {
        EXPECT_TRUE(enter(h, near_miss));
        EXPECT_TRUE(h["Text1"].visible());
        EXPECT_EQ(h["Text1"].text(), near_miss);
        EXPECT_TRUE(in_heros_look(h)) << "switched by '" << near_miss << "'";
    }
    EXPECT_TRUE(h.game.told().empty());
    EXPECT_TRUE(enter(h, "quibbozar"));
    EXPECT_FALSE(in_heros_look(h));
}

TEST(SecretCode, SwitchSetsEveryPropertyOfTheFriendsLook) {
    Harness h;
    auto& f = h.board();
    const auto friend_picture = f["Imagepelkomode"].picture();
    const auto friend_icon = f["Imagepelkomode"].mouse_icon();
    const auto orange_ball = f["Labelpelkoattackicon"].mouse_icon();
    const auto friend_sparkle = f["LabelPelkotakeringicon"].mouse_icon();
    const auto burst = f["LabelSecretIcon"].mouse_icon();
    const auto frame_pointer = f["Image1"].mouse_icon();

    ASSERT_TRUE(enter(h, "quibbozar"));

    for (auto name : kFields) EXPECT_EQ(f[name].back_color(), kLightOrange) << name;
    EXPECT_EQ(f.back_color(), kDarkOrange);
    for (auto name : kHeadings) EXPECT_EQ(f[name].back_color(), kOrange) << name;
    EXPECT_TRUE(same_picture(f["Image1"].picture(), friend_picture));
    for (auto cell : board::layout::kCells) {
        EXPECT_TRUE(same_picture(f[cell].mouse_icon(), friend_icon)) << cell;
    }
    EXPECT_TRUE(same_picture(f["Imagegas"].mouse_icon(), friend_icon));
    EXPECT_TRUE(same_picture(f["Labelgastype"].mouse_icon(), friend_icon));
    EXPECT_TRUE(same_picture(f["LabelSecretIcon2"].mouse_icon(), orange_ball));
    for (auto target : board::layout::kTargets) {
        EXPECT_TRUE(same_picture(f[target].mouse_icon(), orange_ball)) << target;
    }
    EXPECT_TRUE(same_picture(f["Labelsecreticonexplode"].mouse_icon(), friend_sparkle));

    // What the switch leaves alone.
    EXPECT_TRUE(same_picture(f["LabelSecretIcon"].mouse_icon(), burst));
    EXPECT_TRUE(same_picture(f["Image1"].mouse_icon(), frame_pointer));
    EXPECT_EQ(f["Label12"].back_color(), 0x00C0C000u);
    EXPECT_EQ(f["Label21"].back_color(), kDarkOrange);
    EXPECT_EQ(f["Labelscore"].fore_color(), 0x00000000u);
    EXPECT_EQ(f["Labelscore"].caption(), "                    0  ");
    EXPECT_EQ(f["Text1"].text(), "quibbozar");
    EXPECT_TRUE(f["Text1"].visible());
    // The holders keep their own images.
    EXPECT_TRUE(same_picture(f["Imagepelkomode"].mouse_icon(), friend_icon));
    EXPECT_TRUE(same_picture(f["Labelpelkoattackicon"].mouse_icon(), orange_ball));
}

TEST(SecretCode, SecondSwitchAndLaterWrongCodesChangeNothing) {
    Harness h;
    ASSERT_TRUE(enter(h, "quibbozar"));
    const auto after_first = h.board().revision();
    EXPECT_TRUE(h.alt(U'Y'));
    EXPECT_EQ(h.board().revision(), after_first);
    enter(h, "nope");
    EXPECT_FALSE(in_heros_look(h));
    EXPECT_EQ(h.board()["Labelscore"].back_color(), kLightOrange);
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
    const auto& ring = f["Imagegas"];
    const auto over_ring = f.pointer_at(ring.left() + ring.width() / 2, ring.top() + 10);
    EXPECT_TRUE(same_picture(over_ring.icon, f["LabelPelkotakeringicon"].mouse_icon()));
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
    EXPECT_TRUE(f["Commandstop"].enabled());
    h.wait_ms(1'000);
    EXPECT_NE(f["LabelTime"].caption(), time);  // the clock runs on
}

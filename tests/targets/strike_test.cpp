// Striking targets: worth by picture identity, hiding, and the pointer images
// of press and release, for all twelve targets alike.
#include <gtest/gtest.h>

#include "board/picture.h"
#include "support/harness.h"

using board::MouseButton;
using board::layout::kMainBoard;
using board::layout::kTargets;
using testing_support::Harness;

namespace {

void start_round(Harness& h) {
    ASSERT_TRUE(h.alt(U'н'));
}

// Shows a target wearing the picture of a holder, as the board tick does.
void show(Harness& h, std::string_view target, std::string_view holder) {
    h[target].set_picture(h[holder].picture());
    h[target].set_visible(true);
}

bool same(const board::PictureRef& a, const board::PictureRef& b) {
    return board::same_picture(a, b);
}

}  // namespace

TEST(TargetStrike, PlainRobotIsWorthTenAnyOtherPictureTwentyAndTheTargetVanishes) {
    Harness h;
    // Before any round the score still holds its padded load-time text.
    show(h, "Imagekrot3", "Imagekrotsimple");
    h.click_on("Imagekrot3");
    EXPECT_EQ(h["Labelscore"].caption(), "10");
    EXPECT_FALSE(h["Imagekrot3"].visible());

    h.wait_ms(1000);  // well past the double-click time
    start_round(h);
    show(h, "Imagekrot3", "Imagekrotsimple");
    show(h, "Imagekrot6", "Imagekrotincostume");
    h.click_on("Imagekrot3");
    EXPECT_EQ(h["Labelscore"].caption(), "10");
    h.click_on("Imagekrot6");
    EXPECT_EQ(h["Labelscore"].caption(), "30");
    EXPECT_FALSE(h["Imagekrot6"].visible());

    // Worth goes by the picture object, not by what it shows: a second load of
    // the plain robot's art is another picture, and so is a target's own.
    h["Imagekrot8"].set_picture(board::Picture::load("pic_krot_simple"));
    h["Imagekrot8"].set_visible(true);
    h.click_on("Imagekrot8");
    EXPECT_EQ(h["Labelscore"].caption(), "50");
    h["Imagekrot1"].set_visible(true);  // still its load-time picture
    h.click_on("Imagekrot1");
    EXPECT_EQ(h["Labelscore"].caption(), "70");

    // The strike leaves the picture and Enabled alone.
    EXPECT_TRUE(same(h["Imagekrot3"].picture(), h["Imagekrotsimple"].picture()));
    EXPECT_TRUE(h["Imagekrot3"].enabled());
}

TEST(TargetStrike, AllTwelveTargetsStrikeAndSwapPointersAlike) {
    Harness h;
    start_round(h);
    int expected = 0;
    for (const auto target : kTargets) {
        show(h, target, "Imagekrotsimple");
        h.press_on(target);
        EXPECT_TRUE(same(h[target].mouse_icon(), h["LabelSecretIcon"].mouse_icon())) << target;
        h.release_on(target);
        EXPECT_TRUE(same(h[target].mouse_icon(), h["LabelSecretIcon2"].mouse_icon())) << target;
        expected += 10;
        EXPECT_EQ(h.score(), expected) << target;
        EXPECT_FALSE(h[target].visible()) << target;
    }
}

TEST(TargetStrike, HiddenOrFrozenTargetReactsToNothing) {
    Harness h;
    start_round(h);
    const auto load_icon = h["Imagekrot7"].mouse_icon();

    // Hidden: the press goes to the empty cell beneath, which has no handler.
    h.click_on("Imagekrot7");
    EXPECT_EQ(h.score(), 0);
    EXPECT_TRUE(same(h["Imagekrot7"].mouse_icon(), load_icon));

    // Shown but paused.
    show(h, "Imagekrot7", "Imagekrotsimple");
    ASSERT_TRUE(h.alt(U'с'));
    h.click_on("Imagekrot7");
    EXPECT_EQ(h.score(), 0);
    EXPECT_TRUE(h["Imagekrot7"].visible());
    EXPECT_TRUE(same(h["Imagekrot7"].mouse_icon(), load_icon));
}

TEST(TargetStrike, PressAndReleaseSwapThePointerButOnlyAClickScores) {
    Harness h;
    start_round(h);
    show(h, "Imagekrot5", "Imagekrotincostume");

    h.press_on("Imagekrot5", MouseButton::Right);
    EXPECT_TRUE(same(h["Imagekrot5"].mouse_icon(), h["LabelSecretIcon"].mouse_icon()));
    h.release_on("Imagekrot5", MouseButton::Right);
    EXPECT_TRUE(same(h["Imagekrot5"].mouse_icon(), h["LabelSecretIcon2"].mouse_icon()));
    EXPECT_EQ(h.score(), 0);

    // Pressed, then released away from the target: no click.
    h.press_on("Imagekrot5");
    EXPECT_TRUE(same(h["Imagekrot5"].mouse_icon(), h["LabelSecretIcon"].mouse_icon()));
    h.release_on("Image27");
    EXPECT_TRUE(same(h["Imagekrot5"].mouse_icon(), h["LabelSecretIcon2"].mouse_icon()));
    EXPECT_EQ(h.score(), 0);
    EXPECT_TRUE(h["Imagekrot5"].visible());
}

TEST(TargetStrike, PointerHoldersAreReadAtEveryPressAndRelease) {
    Harness h;
    start_round(h);
    show(h, "Imagekrot2", "Imagekrotsimple");
    // As the friend's look does: a new release image, the press image kept.
    h["LabelSecretIcon2"].set_mouse_icon(h["Labelpelkoattackicon"].mouse_icon());
    h.press_on("Imagekrot2");
    EXPECT_TRUE(same(h["Imagekrot2"].mouse_icon(), h["LabelSecretIcon"].mouse_icon()));
    h.release_on("Imagekrot2");
    EXPECT_TRUE(same(h["Imagekrot2"].mouse_icon(), h["Labelpelkoattackicon"].mouse_icon()));
}

TEST(TargetStrike, QuickSecondClickNeverStrikesTheSameTargetAgain) {
    Harness h;
    start_round(h);
    show(h, "ImageKrot10", "Imagekrotincostume");
    h.click_on("ImageKrot10");
    h.wait_ms(50);
    h.click_on("ImageKrot10");
    EXPECT_EQ(h.score(), 20);
    EXPECT_FALSE(h["ImageKrot10"].visible());

    // Shown again between the two presses, it takes a double click, which
    // targets do not handle.
    h.wait_ms(1000);
    show(h, "ImageKrot10", "Imagekrotincostume");
    h.click_on("ImageKrot10");
    ASSERT_EQ(h.score(), 40);
    show(h, "ImageKrot10", "Imagekrotincostume");
    h.click_on("ImageKrot10");
    EXPECT_EQ(h.score(), 40);
    EXPECT_TRUE(h["ImageKrot10"].visible());
}

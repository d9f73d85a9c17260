// Striking targets: worth by picture identity, hiding, and the pointer images
// of press and release, for all twelve targets alike.
#include <gtest/gtest.h>

#include "board/picture.h"
#include "support/harness.h"

using board::MouseButton;
using testing_support::Harness;
using testing_support::same;

namespace {

// Shows a target wearing the picture of a holder, as the board tick does.
void show(board::Element& target, const board::Element& holder) {
    target.set_picture(holder.picture());
    target.set_visible(true);
}

}  // namespace

TEST(TargetStrike, PlainRobotIsWorthTenAnyOtherPictureTwentyAndTheTargetVanishes) {
    Harness h;
    const auto& b = h.view;
    // Before any round the score still holds its padded load-time text.
    show(b.target(2, 0), b.plain_robot);
    h.click_on(b.target(2, 0));
    EXPECT_EQ(h.score(), 10);
    EXPECT_FALSE(b.target(2, 0).visible());

    h.wait_ms(1000);  // well past the double-click time
    ASSERT_TRUE(h.start_round());
    show(b.target(2, 0), b.plain_robot);
    show(b.target(1, 1), b.costumed_robot);
    h.click_on(b.target(2, 0));
    EXPECT_EQ(h.score(), 10);
    h.click_on(b.target(1, 1));
    EXPECT_EQ(h.score(), 30);
    EXPECT_FALSE(b.target(1, 1).visible());

    // Worth goes by the picture object, not by what it shows: a second load of
    // the plain robot's art is another picture, and so is a target's own.
    b.target(3, 1).set_picture(board::Picture::load("pic_krot_simple"));
    b.target(3, 1).set_visible(true);
    h.click_on(b.target(3, 1));
    EXPECT_EQ(h.score(), 50);
    b.target(0, 0).set_visible(true);  // still its load-time picture
    h.click_on(b.target(0, 0));
    EXPECT_EQ(h.score(), 70);

    // The strike leaves the picture and Enabled alone.
    EXPECT_TRUE(same(b.target(2, 0).picture(), b.plain_robot.picture()));
    EXPECT_TRUE(b.target(2, 0).enabled());
}

TEST(TargetStrike, AllTwelveTargetsStrikeAndSwapPointersAlike) {
    Harness h;
    const auto& b = h.view;
    ASSERT_TRUE(h.start_round());
    int expected = 0;
    for (board::Element* target : b.targets) {
        show(*target, b.plain_robot);
        h.press_on(*target);
        EXPECT_TRUE(same(target->mouse_icon(), b.target_press_pointer.mouse_icon()))
            << target->name();
        h.release_on(*target);
        EXPECT_TRUE(same(target->mouse_icon(), b.target_release_pointer.mouse_icon()))
            << target->name();
        expected += 10;
        EXPECT_EQ(h.score(), expected) << target->name();
        EXPECT_FALSE(target->visible()) << target->name();
    }
}

TEST(TargetStrike, HiddenOrFrozenTargetReactsToNothing) {
    Harness h;
    const auto& b = h.view;
    ASSERT_TRUE(h.start_round());
    const auto load_icon = b.target(2, 1).mouse_icon();

    // Hidden: the press goes to the empty cell beneath, which has no handler.
    h.click_on(b.target(2, 1));
    EXPECT_EQ(h.score(), 0);
    EXPECT_TRUE(same(b.target(2, 1).mouse_icon(), load_icon));

    // Shown but paused.
    show(b.target(2, 1), b.plain_robot);
    ASSERT_TRUE(h.stop_round());
    h.click_on(b.target(2, 1));
    EXPECT_EQ(h.score(), 0);
    EXPECT_TRUE(b.target(2, 1).visible());
    EXPECT_TRUE(same(b.target(2, 1).mouse_icon(), load_icon));
}

// A target that went out of reach while the button was held is not struck by
// the release, even when it is back by then: a pause and a continue, or a board
// tick that hid it and a later one that showed it again. Its pointer still
// comes back from the burst.
TEST(TargetStrike, AHeldPressThatOutlivesItsTargetStrikesNothing) {
    Harness h;
    const auto& b = h.view;
    ASSERT_TRUE(h.set_interval("0"));  // no board tick deals in between
    ASSERT_TRUE(h.start_round());
    board::Element& held = b.target(1, 2);
    show(held, b.plain_robot);
    h.press_on(held);
    ASSERT_TRUE(h.stop_round());
    ASSERT_TRUE(h.continue_round());
    h.release_on(held);
    EXPECT_EQ(h.score(), 0);
    EXPECT_TRUE(held.visible());
    EXPECT_TRUE(same(held.mouse_icon(), b.target_release_pointer.mouse_icon()));

    h.wait_ms(1000);
    h.press_on(held);
    held.set_visible(false);
    held.set_visible(true);
    h.release_on(held);
    EXPECT_EQ(h.score(), 0);

    // A plain click still strikes.
    h.wait_ms(1000);
    h.click_on(held);
    EXPECT_EQ(h.score(), 10);
    EXPECT_FALSE(held.visible());
}

TEST(TargetStrike, PressAndReleaseSwapThePointerButOnlyAClickScores) {
    Harness h;
    const auto& b = h.view;
    ASSERT_TRUE(h.start_round());
    show(b.target(0, 1), b.costumed_robot);

    h.press_on(b.target(0, 1), MouseButton::Right);
    EXPECT_TRUE(same(b.target(0, 1).mouse_icon(), b.target_press_pointer.mouse_icon()));
    h.release_on(b.target(0, 1), MouseButton::Right);
    EXPECT_TRUE(same(b.target(0, 1).mouse_icon(), b.target_release_pointer.mouse_icon()));
    EXPECT_EQ(h.score(), 0);

    // Pressed, then released away from the target: no click.
    h.press_on(b.target(0, 1));
    EXPECT_TRUE(same(b.target(0, 1).mouse_icon(), b.target_press_pointer.mouse_icon()));
    h.release_on(b.title);
    EXPECT_TRUE(same(b.target(0, 1).mouse_icon(), b.target_release_pointer.mouse_icon()));
    EXPECT_EQ(h.score(), 0);
    EXPECT_TRUE(b.target(0, 1).visible());
}

TEST(TargetStrike, PointerHoldersAreReadAtEveryPressAndRelease) {
    Harness h;
    const auto& b = h.view;
    ASSERT_TRUE(h.start_round());
    show(b.target(1, 0), b.plain_robot);
    // As the friend's look does: a new release image, the press image kept.
    b.target_release_pointer.set_mouse_icon(b.friends_strike_pointer.mouse_icon());
    h.press_on(b.target(1, 0));
    EXPECT_TRUE(same(b.target(1, 0).mouse_icon(), b.target_press_pointer.mouse_icon()));
    h.release_on(b.target(1, 0));
    EXPECT_TRUE(same(b.target(1, 0).mouse_icon(), b.friends_strike_pointer.mouse_icon()));
}

TEST(TargetStrike, QuickSecondClickNeverStrikesTheSameTargetAgain) {
    Harness h;
    const auto& b = h.view;
    ASSERT_TRUE(h.start_round());
    show(b.target(1, 2), b.costumed_robot);
    h.click_on(b.target(1, 2));
    h.wait_ms(50);
    h.click_on(b.target(1, 2));
    EXPECT_EQ(h.score(), 20);
    EXPECT_FALSE(b.target(1, 2).visible());

    // Shown again between the two presses, it takes a double click, which
    // targets do not handle.
    h.wait_ms(1000);
    show(b.target(1, 2), b.costumed_robot);
    h.click_on(b.target(1, 2));
    ASSERT_EQ(h.score(), 40);
    show(b.target(1, 2), b.costumed_robot);
    h.click_on(b.target(1, 2));
    EXPECT_EQ(h.score(), 40);
    EXPECT_TRUE(b.target(1, 2).visible());
}

// The count of live elements and pictures: a window's visit leaves nothing behind.
#include <gtest/gtest.h>

#include "board/element.h"
#include "board/picture.h"
#include "info/information_window.h"
#include "support/harness.h"

namespace {

using testing_support::Harness;

TEST(LiveObjects, AVisitToTheInformationWindowAddsItsObjectsAndTakesThemAway) {
    Harness h;
    const auto elements = board::Element::live();
    const auto pictures = board::Picture::live();
    EXPECT_EQ(elements, static_cast<std::int64_t>(h.board().elements().size()));

    ASSERT_TRUE(h.open_information());
    const auto& info = h.game.window(info::kInfoWindow);
    EXPECT_EQ(board::Element::live(), elements + static_cast<std::int64_t>(info.elements().size()));
    EXPECT_GT(board::Picture::live(), pictures);

    ASSERT_TRUE(h.return_to_board());
    EXPECT_EQ(board::Element::live(), elements);
    EXPECT_EQ(board::Picture::live(), pictures);
}

TEST(LiveObjects, AThousandVisitsLeaveTheCountsFlat) {
    Harness h;
    ASSERT_TRUE(h.start_round());
    h.wait_ms(800);
    const auto elements = board::Element::live();
    const auto pictures = board::Picture::live();
    for (int i = 0; i < 1000; ++i) {
        ASSERT_TRUE(h.open_information());
        h.game.click(info::kInfoWindow, i % 2 ? "Command2" : "Command1");
        // Half of the way back by the window's close control, half by its button.
        if (i % 2)
            h.game.request_close(info::kInfoWindow);
        else
            ASSERT_TRUE(h.return_to_board());
    }
    EXPECT_EQ(board::Element::live(), elements);
    EXPECT_EQ(board::Picture::live(), pictures);
}

}  // namespace

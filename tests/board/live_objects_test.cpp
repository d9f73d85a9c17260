// A visit to the information window leaves nothing behind: its pictures go with it.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "board/picture.h"
#include "info/information_window.h"
#include "support/harness.h"

namespace {

using testing_support::Harness;

// Every picture and pointer image the window and its elements hold, watched
// without keeping them alive.
std::vector<std::weak_ptr<const board::Picture>> pictures_of(const board::Window& w) {
    std::vector<std::weak_ptr<const board::Picture>> out = {w.icon(), w.pointer_icon()};
    for (const auto& e : w.elements()) {
        out.emplace_back(e->picture());
        out.emplace_back(e->mouse_icon());
    }
    return out;
}

int alive(const std::vector<std::weak_ptr<const board::Picture>>& pictures) {
    int n = 0;
    for (const auto& p : pictures) n += !p.expired();
    return n;
}

TEST(LiveObjects, AVisitToTheInformationWindowTakesItsPicturesAway) {
    Harness h;
    ASSERT_TRUE(h.open_information());
    const auto pictures = pictures_of(h.game.window(info::kInfoWindow));
    EXPECT_GT(alive(pictures), 0);
    EXPECT_EQ(h.game.windows().size(), 2u);

    ASSERT_TRUE(h.return_to_board());
    EXPECT_EQ(alive(pictures), 0);
    EXPECT_EQ(h.game.windows().size(), 1u);
}

TEST(LiveObjects, AThousandVisitsLeaveNothingBehind) {
    Harness h;
    ASSERT_TRUE(h.start_round());
    h.wait_ms(800);
    const auto board_pictures = pictures_of(h.board());
    const int on_board = alive(board_pictures);
    std::vector<std::weak_ptr<const board::Picture>> visited;
    for (int i = 0; i < 1000; ++i) {
        ASSERT_TRUE(h.open_information());
        const auto these = pictures_of(h.game.window(info::kInfoWindow));
        visited.insert(visited.end(), these.begin(), these.end());
        h.game.click(info::kInfoWindow, i % 2 ? "Command2" : "Command1");
        // Half of the way back by the window's close control, half by its button.
        if (i % 2)
            h.game.request_close(info::kInfoWindow);
        else
            ASSERT_TRUE(h.return_to_board());
    }
    EXPECT_EQ(alive(visited), 0);
    EXPECT_EQ(alive(board_pictures), on_board);
    EXPECT_EQ(h.game.windows().size(), 1u);
}

}  // namespace

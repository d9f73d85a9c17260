// The art is drawn for the places the layouts give the pictures: on screens of
// ratio 2 and 3 no picture of either window is painted from a smaller drawing.
#include <gtest/gtest.h>

#include <span>
#include <string>

#include "board/layout/main_board.h"
#include "desktop/art.h"
#include "desktop/art_pick.h"
#include "desktop/units.h"
#include "info/information_window.h"

TEST(ArtForLayout, EveryPictureOfBothWindowsHasADrawingThatCoversItAtRatioTwoAndThree) {
    int checked = 0;
    for (const board::WindowLayout& window :
         {board::layout::main_board(), info::information_window()}) {
        for (const board::ElementRow& row : window.rows) {
            if (row.kind != board::Kind::Picture || row.width == 0) continue;
            const int w = desktop::to_whole_pixels(row.width);
            const int h = desktop::to_whole_pixels(row.height);
            for (int ratio : {2, 3}) {
                SCOPED_TRACE(std::string(window.name) + " " + std::string(row.name) + " at " +
                             std::to_string(ratio));
                const assets::File* f = desktop::pick_file(row.picture, {w * ratio, h * ratio}, ratio);
                ASSERT_NE(f, nullptr);
                EXPECT_GE(f->width, w * ratio);
                EXPECT_GE(f->height, h * ratio);
                ++checked;
            }
        }
    }
    EXPECT_GE(checked, 40);
}

TEST(ArtForLayout, ThePickingRuleFiltersByRatioThenTakesTheSmallestCoverElseTheLargest) {
    const desktop::Drawing drawn[] = {{50, 50, 1}, {114, 114, 2}, {100, 120, 2}, {171, 171, 3},
                                      {120, 100, 2}};
    const auto same = [](const desktop::Drawing& d) { return d; };
    const auto pick = [&](int w, int h, int ratio) {
        const desktop::Drawing* d = desktop::pick_drawing(drawn, w, h, ratio, same);
        return d ? static_cast<int>(d - drawn) : -1;
    };
    EXPECT_EQ(pick(57, 57, 1), 0);    // nothing covers: the largest usable
    EXPECT_EQ(pick(50, 50, 3), 0);    // the smallest that covers, whatever its ratio
    EXPECT_EQ(pick(100, 100, 2), 2);  // 100 x 120 before 120 x 100: equal areas, the earlier
    EXPECT_EQ(pick(110, 110, 2), 1);
    EXPECT_EQ(pick(150, 150, 2), 1);  // nothing for 2 covers; 171 is drawn for 3
    EXPECT_EQ(pick(150, 150, 3), 3);
    EXPECT_EQ(desktop::pick_drawing(std::span<const desktop::Drawing>{}, 1, 1, 1, same), nullptr);
    EXPECT_EQ(desktop::art_ratio(1.0), 1);
    EXPECT_EQ(desktop::art_ratio(1.25), 2);
    EXPECT_EQ(desktop::art_ratio(2.0), 2);
    EXPECT_EQ(desktop::art_ratio(2.5), 3);
}

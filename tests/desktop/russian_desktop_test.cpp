// The game started on a Russian desktop, whose locale writes a decimal comma.
// The suite runs this case with LC_ALL=ru_RU.UTF-8 and a compiled locale.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

#include "desktop/desktop_support.h"
#include "support/main_board_view.h"

using testing_support::DesktopHarness;

TEST(OnARussianDesktop, TheIntervalBoxReadsAPointAsADecimalPoint) {
    if (std::string(std::localeconv()->decimal_point) != ",") {
        if (std::getenv("LOCPATH")) FAIL() << "the toolkit did not take up ru_RU.UTF-8";
        GTEST_SKIP() << "not started on a Russian desktop";
    }
    DesktopHarness g;
    const auto& b = g.view;
    QLineEdit* box = g.widget<QLineEdit>(b.interval_box.name());
    for (const auto& [typed, interval] :
         {std::pair{"0.5e3", 500}, {"2.5e2", 250}, {"501.5", 502}, {"500.5", 500}}) {
        box->selectAll();
        QTest::keyClicks(box, QString::fromUtf8(typed));
        QTest::mouseClick(g.widget<QPushButton>(board::layout::kSetIntervalButton), Qt::LeftButton);
        DesktopHarness::settle();
        EXPECT_EQ(b.board_tick_timer.interval(), interval) << typed;
        EXPECT_EQ(b.ring_cycle_timer.interval(), interval) << typed;
    }
}

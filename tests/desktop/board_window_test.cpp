// The main board through the real toolkit: window, mouse, keys and pointers.
#include <gtest/gtest.h>

#include <QMessageBox>

#include "board/layout/main_board_view.h"
#include "board/number_text.h"
#include "desktop/art.h"
#include "desktop/desktop_support.h"
#include "support/shared.h"

using testing_support::DesktopGame;

TEST(BoardWindow, OpensTitledWithItsFixedClientArea) {
    DesktopGame g;
    const board::layout::MainBoard b(g.game);
    desktop::WindowWidget* board = g.view();
    ASSERT_NE(board, nullptr);
    EXPECT_TRUE(board->isVisible());
    EXPECT_EQ(board->windowTitle(), QStringLiteral("Drovanta."));
    EXPECT_EQ(board->size(), QSize(399, 571));
    EXPECT_EQ(board->minimumSize(), board->maximumSize());
    EXPECT_EQ(QApplication::focusWidget(), g.widget<QPushButton>(b.start_button.name()));
}

TEST(BoardWindow, APlatformClickOnAButtonReachesItsHandler) {
    DesktopGame g;
    const board::layout::MainBoard b(g.game);
    QTest::mouseClick(g.widget<QPushButton>(b.start_button.name()), Qt::LeftButton);
    DesktopGame::settle();
    EXPECT_TRUE(b.round_clock_timer.enabled());
    EXPECT_EQ(b.time_left.caption(), "60");
    EXPECT_TRUE(g.widget<QPushButton>(b.stop_button.name())->isEnabled());
    EXPECT_FALSE(g.widget<QPushButton>(b.continue_button.name())->isEnabled());
}

TEST(BoardWindow, AltWithACyrillicLetterStartsARoundInEitherCase) {
    DesktopGame g;
    const board::layout::MainBoard b(g.game);
    g.alt(board::layout::kMainBoard, QStringLiteral("н"));
    EXPECT_TRUE(b.board_tick_timer.enabled());
    EXPECT_EQ(b.score.caption(), "0");
    g.alt(board::layout::kMainBoard, QStringLiteral("С"));  // stop, typed as a capital
    EXPECT_FALSE(b.board_tick_timer.enabled());
    EXPECT_TRUE(b.continue_button.enabled());
    // The toolkit's own mnemonic must not click a second time.
    g.alt(board::layout::kMainBoard, QStringLiteral("п"));
    g.alt(board::layout::kMainBoard, QStringLiteral("с"));
    EXPECT_FALSE(b.board_tick_timer.enabled());
}

TEST(BoardWindow, ThePointerOverAnElementIsItsPointerImage) {
    DesktopGame g;
    const board::layout::MainBoard b(g.game);
    desktop::Canvas* canvas = g.view()->canvas();
    const qreal dpr = canvas->devicePixelRatioF();
    const auto shows = [&](const char* asset) {
        return canvas->cursor().pixmap().cacheKey() ==
               desktop::pointer_cursor(asset, dpr).pixmap().cacheKey();
    };
    QTest::mouseMove(canvas, g.middle_of(b.cell(1, 1).name()));
    DesktopGame::settle();
    EXPECT_TRUE(shows("ico_hero"));
    // A target appearing under a still mouse changes the pointer at once.
    b.target(1, 1).set_visible(true);
    g.screen->refresh();
    EXPECT_TRUE(shows("ico_ball_blue"));
    QTest::mouseMove(canvas, QPoint(200, 563));
    DesktopGame::settle();
    EXPECT_TRUE(shows("ico_arrow_blue"));
    EXPECT_EQ(g.widget<QPushButton>(b.start_button.name())->cursor().pixmap().cacheKey(),
              desktop::pointer_cursor("ico_arrow_lightblue", dpr).pixmap().cacheKey());
    EXPECT_EQ(g.widget<QLineEdit>(b.interval_box.name())->cursor().shape(), Qt::IBeamCursor);
}

TEST(BoardWindow, AnIntervalATimerCannotTakeIsRefusedWithAMessage) {
    DesktopGame g;
    const board::layout::MainBoard b(g.game);
    QTest::mouseClick(g.widget<QPushButton>(b.start_button.name()), Qt::LeftButton);
    QLineEdit* box = g.widget<QLineEdit>(b.interval_box.name());
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("99999"));
    EXPECT_EQ(b.interval_box.text(), "99999");
    QTest::mouseClick(g.widget<QPushButton>(b.set_interval_button.name()), Qt::LeftButton);
    DesktopGame::settle();
    QMessageBox* message = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) message = box;
    }
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->text().contains(QStringLiteral("65535")));
    EXPECT_EQ(b.board_tick_timer.interval(), 750);
    EXPECT_EQ(b.ring_cycle_timer.interval(), 750);
    // The round goes on under the message.
    g.wait_ms(1000);
    EXPECT_EQ(b.time_left.caption(), "59");
    message->close();
}

TEST(BoardWindow, APlatformClickOnAShownTargetStrikesIt) {
    DesktopGame g;
    const board::layout::MainBoard b(g.game);
    g.alt(board::layout::kMainBoard, QStringLiteral("Н"));
    g.wait_ms(testing_support::kDefaultTick);  // the first board tick shows four targets
    std::string shown;
    for (const auto target : board::layout::kTargets) {
        if (g[target].visible()) shown = std::string(target);
    }
    ASSERT_FALSE(shown.empty());
    b.ring.set_visible(false);  // keep the ring out of the way
    g.screen->refresh();
    desktop::Canvas* canvas = g.view()->canvas();
    const qreal dpr = canvas->devicePixelRatioF();
    const QPoint at = g.middle_of(shown);
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, at);
    DesktopGame::settle();
    EXPECT_EQ(canvas->cursor().pixmap().cacheKey(),
              desktop::pointer_cursor("ico_explosion", dpr).pixmap().cacheKey());
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, at);
    DesktopGame::settle();
    EXPECT_FALSE(g[shown].visible());
    EXPECT_GE(board::read_lenient(b.score.caption()), 10);
    // Released: the ball again, here over the empty cell the strike revealed.
    QTest::mouseMove(canvas, at);
    DesktopGame::settle();
    EXPECT_EQ(g[shown].mouse_icon()->asset(), "ico_ball_blue");
}

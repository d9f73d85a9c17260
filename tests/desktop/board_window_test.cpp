// The main board through the real toolkit: window, mouse, keys and pointers.
#include <gtest/gtest.h>

#include <QMessageBox>

#include "board/number_text.h"
#include "desktop/art.h"
#include "desktop/desktop_support.h"

using testing_support::DesktopGame;

TEST(BoardWindow, OpensTitledWithItsFixedClientArea) {
    DesktopGame g;
    desktop::WindowView* board = g.view();
    ASSERT_NE(board, nullptr);
    EXPECT_TRUE(board->isVisible());
    EXPECT_EQ(board->windowTitle(), QStringLiteral("Drovanta."));
    EXPECT_EQ(board->size(), QSize(399, 571));
    EXPECT_EQ(board->minimumSize(), board->maximumSize());
    EXPECT_EQ(QApplication::focusWidget(), g.widget<QPushButton>("Commandstart"));
}

TEST(BoardWindow, APlatformClickOnAButtonReachesItsHandler) {
    DesktopGame g;
    QTest::mouseClick(g.widget<QPushButton>("Commandstart"), Qt::LeftButton);
    DesktopGame::settle();
    EXPECT_TRUE(g["Timer2"].enabled());
    EXPECT_EQ(g["LabelTime"].caption(), "60");
    EXPECT_TRUE(g.widget<QPushButton>("Commandstop")->isEnabled());
    EXPECT_FALSE(g.widget<QPushButton>("Commandcontinue")->isEnabled());
}

TEST(BoardWindow, AltWithACyrillicLetterStartsARoundInEitherCase) {
    DesktopGame g;
    g.alt(board::layout::kMainBoard, QStringLiteral("н"));
    EXPECT_TRUE(g["Timer1"].enabled());
    EXPECT_EQ(g["Labelscore"].caption(), "0");
    g.alt(board::layout::kMainBoard, QStringLiteral("С"));  // stop, typed as a capital
    EXPECT_FALSE(g["Timer1"].enabled());
    EXPECT_TRUE(g["Commandcontinue"].enabled());
    // The toolkit's own mnemonic must not click a second time.
    g.alt(board::layout::kMainBoard, QStringLiteral("п"));
    g.alt(board::layout::kMainBoard, QStringLiteral("с"));
    EXPECT_FALSE(g["Timer1"].enabled());
}

TEST(BoardWindow, ThePointerOverAnElementIsItsPointerImage) {
    DesktopGame g;
    desktop::Canvas* canvas = g.view()->canvas();
    const qreal dpr = canvas->devicePixelRatioF();
    const auto shows = [&](const char* asset) {
        return canvas->cursor().pixmap().cacheKey() ==
               desktop::pointer_cursor(asset, dpr).pixmap().cacheKey();
    };
    QTest::mouseMove(canvas, g.middle_of("Image6"));
    DesktopGame::settle();
    EXPECT_TRUE(shows("ico_hero"));
    // A target appearing under a still mouse changes the pointer at once.
    g["Imagekrot6"].set_visible(true);
    g.screen->refresh();
    EXPECT_TRUE(shows("ico_ball_blue"));
    QTest::mouseMove(canvas, QPoint(200, 563));
    DesktopGame::settle();
    EXPECT_TRUE(shows("ico_arrow_blue"));
    EXPECT_EQ(g.widget<QPushButton>("Commandstart")->cursor().pixmap().cacheKey(),
              desktop::pointer_cursor("ico_arrow_lightblue", dpr).pixmap().cacheKey());
    EXPECT_EQ(g.widget<QLineEdit>("Textspeed")->cursor().shape(), Qt::IBeamCursor);
}

TEST(BoardWindow, AnIntervalATimerCannotTakeIsRefusedWithAMessage) {
    DesktopGame g;
    QTest::mouseClick(g.widget<QPushButton>("Commandstart"), Qt::LeftButton);
    QLineEdit* box = g.widget<QLineEdit>("Textspeed");
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("99999"));
    EXPECT_EQ(g["Textspeed"].text(), "99999");
    QTest::mouseClick(g.widget<QPushButton>("Commandedit"), Qt::LeftButton);
    DesktopGame::settle();
    QMessageBox* message = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) message = box;
    }
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->text().contains(QStringLiteral("65535")));
    EXPECT_EQ(g["Timer1"].interval(), 750);
    EXPECT_EQ(g["Timer3"].interval(), 750);
    // The round goes on under the message.
    g.wait_ms(1000);
    EXPECT_EQ(g["LabelTime"].caption(), "59");
    message->close();
}

TEST(BoardWindow, APlatformClickOnAShownTargetStrikesIt) {
    DesktopGame g;
    g.alt(board::layout::kMainBoard, QStringLiteral("Н"));
    g.wait_ms(750);  // the first board tick shows four targets
    std::string shown;
    for (const auto target : board::layout::kTargets) {
        if (g[target].visible()) shown = std::string(target);
    }
    ASSERT_FALSE(shown.empty());
    g["Imagegas"].set_visible(false);  // keep the ring out of the way
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
    EXPECT_GE(board::read_lenient(g["Labelscore"].caption()), 10);
    // Released: the ball again, here over the empty cell the strike revealed.
    QTest::mouseMove(canvas, at);
    DesktopGame::settle();
    EXPECT_EQ(g[shown].mouse_icon()->asset(), "ico_ball_blue");
}

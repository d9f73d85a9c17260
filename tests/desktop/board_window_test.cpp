// The main board through the real toolkit: window, mouse, keys and pointers.
#include <gtest/gtest.h>

#include <QMessageBox>
#include <QWindow>

#include "desktop/art.h"
#include "desktop/desktop_support.h"
#include "support/main_board_view.h"
#include "support/shared.h"

using testing_support::DesktopHarness;
namespace keys = testing_support::keys;
using testing_support::other_case;

TEST(BoardWindow, OpensTitledWithItsFixedClientArea) {
    DesktopHarness g;
    const auto& b = g.view;
    desktop::WindowWidget* board = g.window_widget();
    ASSERT_NE(board, nullptr);
    EXPECT_TRUE(board->isVisible());
    EXPECT_EQ(board->windowTitle(), QStringLiteral("Drovanta."));
    EXPECT_EQ(board->size(), QSize(399, 571));
    EXPECT_EQ(board->minimumSize(), board->maximumSize());
    EXPECT_EQ(QApplication::focusWidget(), g.widget<QPushButton>(b.start_button.name()));
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QObject* watched) { watched->installEventFilter(this); }
    int count = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++count;
        return false;
    }
};

// A change of a painted element reaches the screen: the refresh after the
// event repaints the canvas, and a refresh with nothing changed does not.
TEST(BoardWindow, AChangeInTheModelRepaintsTheCanvas) {
    DesktopHarness g;
    PaintCounter paints(g.window_widget()->canvas());
    g.screen().refresh();
    DesktopHarness::settle();
    EXPECT_EQ(paints.count, 0);

    g.set_score(120);  // a painted label, with no native widget over it
    g.screen().refresh();
    DesktopHarness::settle();
    EXPECT_GE(paints.count, 1);

    const int before = paints.count;
    g.view.target(1, 1).set_visible(true);
    g.click_on(g.view.target(1, 1));  // the input's own refresh
    EXPECT_GT(paints.count, before);
}

TEST(BoardWindow, OffersNoMaximiseAndTurnsBackOneItIsGiven) {
    DesktopHarness g;
    desktop::WindowWidget* board = g.window_widget();
    const Qt::WindowFlags flags = board->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    // A title bar that offers maximising all the same (the toolkit's own, on
    // Wayland) asks the window for it: the window stays as it was.
    board->windowHandle()->setWindowStates(Qt::WindowMaximized);
    DesktopHarness::settle();
    EXPECT_FALSE(board->windowState() & Qt::WindowMaximized);
    board->windowHandle()->setWindowStates(Qt::WindowFullScreen);
    DesktopHarness::settle();
    EXPECT_FALSE(board->windowState() & Qt::WindowFullScreen);
    EXPECT_EQ(board->size(), QSize(399, 571));
    EXPECT_TRUE(board->isVisible());
}

TEST(BoardWindow, APlatformClickOnAButtonReachesItsHandler) {
    DesktopHarness g;
    const auto& b = g.view;
    QTest::mouseClick(g.widget<QPushButton>(b.start_button.name()), Qt::LeftButton);
    DesktopHarness::settle();
    EXPECT_TRUE(b.round_clock_timer.enabled());
    EXPECT_EQ(b.time_left.caption(), "60");
    EXPECT_TRUE(g.widget<QPushButton>(b.stop_button.name())->isEnabled());
    EXPECT_FALSE(g.widget<QPushButton>(b.continue_button.name())->isEnabled());
}

TEST(BoardWindow, AltWithACyrillicLetterStartsARoundInEitherCase) {
    DesktopHarness g;
    const auto& b = g.view;
    g.alt(other_case(keys::kStart));
    EXPECT_TRUE(b.board_tick_timer.enabled());
    EXPECT_EQ(b.score.caption(), "0");
    g.alt(other_case(keys::kStop));  // stop, typed as a capital
    EXPECT_FALSE(b.board_tick_timer.enabled());
    EXPECT_TRUE(b.continue_button.enabled());
    // The toolkit's own mnemonic must not click a second time.
    g.alt(other_case(keys::kContinue));
    g.alt(keys::kStop);
    EXPECT_FALSE(b.board_tick_timer.enabled());
}

TEST(BoardWindow, ThePointerOverAnElementIsItsPointerImage) {
    DesktopHarness g;
    const auto& b = g.view;
    desktop::Canvas* canvas = g.window_widget()->canvas();
    const qreal dpr = canvas->devicePixelRatioF();
    const auto shows = [&](const char* asset) {
        return canvas->cursor().pixmap().cacheKey() ==
               desktop::pointer_cursor(asset, dpr).pixmap().cacheKey();
    };
    QTest::mouseMove(canvas, g.pixel_middle_of(b.cell(1, 1).name()));
    DesktopHarness::settle();
    EXPECT_TRUE(shows("ico_hero"));
    // A target appearing under a still mouse changes the pointer at once.
    b.target(1, 1).set_visible(true);
    g.screen().refresh();
    EXPECT_TRUE(shows("ico_ball_blue"));
    QTest::mouseMove(canvas, QPoint(200, 563));
    DesktopHarness::settle();
    EXPECT_TRUE(shows("ico_arrow_blue"));
    EXPECT_EQ(g.widget<QPushButton>(b.start_button.name())->cursor().pixmap().cacheKey(),
              desktop::pointer_cursor("ico_arrow_lightblue", dpr).pixmap().cacheKey());
    EXPECT_EQ(g.widget<QLineEdit>(b.interval_box.name())->cursor().shape(), Qt::IBeamCursor);
}

TEST(BoardWindow, AnIntervalATimerCannotTakeIsRefusedWithAMessage) {
    DesktopHarness g;
    const auto& b = g.view;
    QTest::mouseClick(g.widget<QPushButton>(b.start_button.name()), Qt::LeftButton);
    QLineEdit* box = g.widget<QLineEdit>(b.interval_box.name());
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("99999"));
    EXPECT_EQ(b.interval_box.text(), "99999");
    QTest::mouseClick(g.widget<QPushButton>(b.set_interval_button.name()), Qt::LeftButton);
    DesktopHarness::settle();
    QMessageBox* message = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) message = box;
    }
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->text().contains(QStringLiteral("65535")));
    EXPECT_EQ(b.board_tick_timer.interval(), 750);
    EXPECT_EQ(b.ring_cycle_timer.interval(), 750);
    // It belongs to the board: tied to it, and the board takes no input until
    // it is answered.
    EXPECT_EQ(message->parentWidget(), g.window_widget());
    EXPECT_EQ(message->windowModality(), Qt::WindowModal);
    EXPECT_EQ(message->windowHandle()->transientParent(), g.window_widget()->windowHandle());
    // The round goes on under the message.
    g.wait_ms(1000);
    EXPECT_EQ(b.time_left.caption(), "59");
    message->close();
}

TEST(BoardWindow, APlatformClickOnAShownTargetStrikesIt) {
    DesktopHarness g;
    const auto& b = g.view;
    g.alt(keys::kStart);
    g.wait_ms(testing_support::kDefaultTick);  // the first board tick shows four targets
    std::string shown;
    for (const auto target : board::layout::kTargets) {
        if (g[target].visible()) shown = std::string(target);
    }
    ASSERT_FALSE(shown.empty());
    b.ring.set_visible(false);  // keep the ring out of the way
    g.screen().refresh();
    desktop::Canvas* canvas = g.window_widget()->canvas();
    const qreal dpr = canvas->devicePixelRatioF();
    const QPoint at = g.pixel_middle_of(shown);
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, at);
    DesktopHarness::settle();
    EXPECT_EQ(canvas->cursor().pixmap().cacheKey(),
              desktop::pointer_cursor("ico_explosion", dpr).pixmap().cacheKey());
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, at);
    DesktopHarness::settle();
    EXPECT_FALSE(g[shown].visible());
    EXPECT_GE(g.score(), 10);
    // Released: the ball again, here over the empty cell the strike revealed.
    QTest::mouseMove(canvas, at);
    DesktopHarness::settle();
    EXPECT_EQ(g[shown].mouse_icon()->asset(), "ico_ball_blue");
}

// The mouse and the keyboard at their edges, through the real toolkit: quick
// presses that the toolkit turns into double-click events, side buttons, held
// keys, focus after a window switch, and what the player sees in between.
#include <gtest/gtest.h>

#include <QMessageBox>
#include <QWindow>
#include <stdexcept>

#include "desktop/desktop_support.h"
#include "info/information_window.h"
#include "support/main_board_view.h"

using testing_support::DesktopHarness;

namespace {

constexpr std::string_view kBoard = board::layout::kMainBoard;
constexpr std::string_view kInfo = info::kInfoWindow;
using testing_support::MainBoard;

// Counts the double-click events the toolkit hands to a widget, to be sure a
// test really goes down that road.
class DoubleClickCounter : public QObject {
  public:
    explicit DoubleClickCounter(QObject* watched) { watched->installEventFilter(this); }
    int count = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonDblClick) ++count;
        return false;
    }
};

// Presses and releases through the window system, as a real mouse does: the
// toolkit itself decides which press becomes a double-click event, by its time
// stamps. The next press comes `ms` milliseconds after the last release.
void click_in(QWindow* window, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(window, button, Qt::NoModifier, at);
    QTest::mouseRelease(window, button, Qt::NoModifier, at);
}
void next_press_after(int ms) {
    QTest::lastMouseTimestamp -= QTest::mouseDoubleClickInterval - ms;
}

QMessageBox* open_message() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) return box;
    }
    return nullptr;
}

// A round with the board as the test sets it: no target and no ring on view.
void start_round_on_an_empty_board(DesktopHarness& g) {
    g.start_round();
    for (const auto target : board::layout::kTargets) g[target].set_visible(false);
    g.view.ring.set_visible(false);
}

}  // namespace

TEST(InputEdges, TwoQuickPressesOnNeighbouringTargetsStrikeBoth) {
    DesktopHarness g;
    start_round_on_an_empty_board(g);
    const auto& b = g.view;
    board::Element& left = b.target(0, 1);
    board::Element& right = b.target(1, 1);  // its neighbour across the border
    left.set_visible(true);
    right.set_visible(true);
    g.screen().refresh();
    QWindow* window = g.window_widget()->windowHandle();
    DoubleClickCounter doubles(g.window_widget()->canvas());
    // 4 pixels apart across the border of the two cells, 100 ms apart: the
    // toolkit takes the second press for a double click.
    click_in(window, QPoint(70, 252));
    next_press_after(100);
    click_in(window, QPoint(74, 252));
    DesktopHarness::settle();
    EXPECT_EQ(doubles.count, 1);
    EXPECT_FALSE(left.visible());
    EXPECT_FALSE(right.visible());
    EXPECT_EQ(g.score(), 40);  // both still wear their load-time pictures: 20 each
}

TEST(InputEdges, AQuickSecondPressOnTheShownRingGivesTheDoubleClickBonus) {
    DesktopHarness g;
    start_round_on_an_empty_board(g);
    board::Element& ring = g.view.ring;
    ring.set_left(1080);
    ring.set_top(3360);
    ring.set_visible(true);
    g.screen().refresh();
    QWindow* window = g.window_widget()->windowHandle();
    DoubleClickCounter doubles(g.window_widget()->canvas());
    const QPoint at = g.pixel_middle_of(ring.name());
    click_in(window, at);
    EXPECT_EQ(g.score(), 30);  // caught
    EXPECT_FALSE(ring.visible());
    ring.set_visible(true);  // its cycle shows it again before the second press
    g.screen().refresh();
    g.wait_ms(100);
    next_press_after(100);
    click_in(window, at);
    DesktopHarness::settle();
    EXPECT_EQ(doubles.count, 1);
    EXPECT_EQ(g.score(), 80);
    EXPECT_TRUE(ring.visible());  // the double click leaves the ring where it is
}

TEST(InputEdges, ARightClickInsideTheDoubleClickAddsNoCatch) {
    DesktopHarness g;
    start_round_on_an_empty_board(g);
    board::Element& ring = g.view.ring;
    ring.set_left(1080);
    ring.set_top(3360);
    ring.set_visible(true);
    g.screen().refresh();
    QWindow* window = g.window_widget()->windowHandle();
    DoubleClickCounter doubles(g.window_widget()->canvas());
    const QPoint at = g.pixel_middle_of(ring.name());
    click_in(window, at);
    ring.set_visible(true);
    g.screen().refresh();
    g.wait_ms(100);
    next_press_after(100);
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, at);
    click_in(window, at, Qt::RightButton);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, at);
    DesktopHarness::settle();
    EXPECT_EQ(doubles.count, 1);
    EXPECT_EQ(g.score(), 30 + 50);
    EXPECT_TRUE(ring.visible());
}

// Held on a robot through Alt+С and Alt+П: the release strikes nothing. A
// plain click afterwards still does.
TEST(InputEdges, APressHeldThroughAPauseStrikesNothing) {
    DesktopHarness g;
    ASSERT_TRUE(g.set_interval("0"));  // no board tick deals in between
    start_round_on_an_empty_board(g);
    board::Element& target = g.view.target(2, 1);
    target.set_picture(g.view.plain_robot.picture());
    target.set_visible(true);
    g.screen().refresh();
    QWindow* window = g.window_widget()->windowHandle();
    const QPoint at = g.pixel_middle_of(target.name());
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, at);
    ASSERT_TRUE(g.stop_round());
    ASSERT_TRUE(g.continue_round());
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, at);
    DesktopHarness::settle();
    EXPECT_EQ(g.score(), 0);
    EXPECT_TRUE(target.visible());

    g.wait_ms(1000);  // well past the double-click time
    next_press_after(1000);
    click_in(window, at);
    DesktopHarness::settle();
    EXPECT_EQ(g.score(), 10);
    EXPECT_FALSE(target.visible());
}

TEST(InputEdges, SideButtonsNeitherStrikeNorCatch) {
    DesktopHarness g;
    start_round_on_an_empty_board(g);
    board::Element& target = g.view.target(1, 1);
    target.set_visible(true);
    g.screen().refresh();
    QWindow* window = g.window_widget()->windowHandle();
    for (const Qt::MouseButton side : {Qt::BackButton, Qt::ForwardButton}) {
        click_in(window, g.pixel_middle_of(target.name()), side);
    }
    DesktopHarness::settle();
    EXPECT_TRUE(target.visible());
    EXPECT_EQ(g.score(), 0);
    // The press and release still show the blow, as with any other button.
    EXPECT_EQ(target.mouse_icon()->asset(), "ico_ball_blue");
}

TEST(InputEdges, AnAccessKeyHeldDownActsOnce) {
    DesktopHarness g;
    g.start_round();
    g.wait_ms(1000);
    const auto& b = g.view;
    ASSERT_EQ(b.time_left.caption(), "59");
    // The keyboard repeats the held Alt+Н: the round is not started over.
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    for (int i = 0; i < 5; ++i) {
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_unknown, Qt::AltModifier, QStringLiteral("н"),
                         true);
        QApplication::sendEvent(focus, &repeat);
    }
    DesktopHarness::settle();
    EXPECT_EQ(b.time_left.caption(), "59");
}

TEST(InputEdges, BackFromInformationEnterStartsARound) {
    DesktopHarness g;
    QPushButton* info = g.widget<QPushButton>(board::layout::kInfoButton);
    info->setFocus();
    QTest::keyClick(info, Qt::Key_Return);
    DesktopHarness::settle();
    ASSERT_NE(g.window_widget(kInfo), nullptr);
    g.return_to_board();
    ASSERT_EQ(g.window_widget(kInfo), nullptr);
    EXPECT_EQ(QApplication::focusWidget(), g.widget<QPushButton>(board::layout::kStartButton));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    DesktopHarness::settle();
    EXPECT_TRUE(g.view.round_clock_timer.enabled());
    EXPECT_EQ(g.window_widget(kInfo), nullptr);
}

TEST(InputEdges, SwitchingWindowsNeverLeavesTheDesktopEmpty) {
    DesktopHarness g;
    // Whenever a game window goes out of sight, another one must already be up.
    struct Watch : QObject {
        int hides = 0, empty_moments = 0;
        bool eventFilter(QObject* watched, QEvent* event) override {
            auto* view = qobject_cast<desktop::WindowWidget*>(watched);
            if (view && event->type() == QEvent::Hide) {
                ++hides;
                bool another_shown = false;
                for (QWidget* w : QApplication::topLevelWidgets()) {
                    if (w != view && qobject_cast<desktop::WindowWidget*>(w) && w->isVisible()) {
                        another_shown = true;
                    }
                }
                if (!another_shown) ++empty_moments;
            }
            return false;
        }
    } watch;
    qApp->installEventFilter(&watch);
    g.window_widget()->move(30, 40);
    g.open_information();
    desktop::WindowWidget* info = g.window_widget(kInfo);
    ASSERT_NE(info, nullptr);
    // It opens over the board, where the player left it.
    const QPoint off = info->frameGeometry().center() - g.window_widget()->frameGeometry().center();
    EXPECT_LE(off.manhattanLength(), 4);
    g.return_to_board();
    qApp->removeEventFilter(&watch);
    EXPECT_EQ(watch.hides, 2);
    EXPECT_EQ(watch.empty_moments, 0);
}

TEST(InputEdges, AWindowLargerThanTheScreenKeepsItsTitleBarOnIt) {
    const QRect screen(0, 0, 640, 512);  // a 1280 x 1024 screen at scale 2
    const QRect board(0, 0, 405, 600);   // the board with its frame
    const QPoint at = desktop::window_position(board, screen, screen);
    EXPECT_EQ(at.y(), 0);
    EXPECT_EQ(at.x(), (640 - 405) / 2);
    // Centred over a window near the screen's edge, it stays on the screen.
    const QPoint over =
        desktop::window_position(QRect(0, 0, 300, 200), QRect(500, 400, 200, 100), screen);
    EXPECT_EQ(over, QPoint(340, 312));
}

TEST(InputEdges, AnErrorInsideTheGameIsToldAndTheGameGoesOn) {
    DesktopHarness g;
    g.game.on(kBoard, board::layout::kResetStatisticsButton, board::Event::Click,
              [](board::Runtime&) { throw std::logic_error("test fault"); });
    QTest::mouseClick(g.widget<QPushButton>(board::layout::kResetStatisticsButton), Qt::LeftButton);
    DesktopHarness::settle();
    QMessageBox* message = open_message();
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->text().contains(QStringLiteral("test fault")));
    message->close();
    g.start_round();
    EXPECT_TRUE(g.view.round_clock_timer.enabled());
}

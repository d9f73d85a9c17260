// The game's own title bar, for compositors that draw none: the windows are
// frameless, their contents sit inside the bar and edge, and the bar offers what
// a window of fixed size can do and nothing more.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>

#include "desktop/desktop_support.h"
#include "support/main_board_view.h"

using desktop::kFrameEdge;
using desktop::kTitleBarHeight;
using desktop::TitleBars;
using testing_support::DesktopHarness;

namespace {

QWidget* bar_of(QWidget& window) {
    return window.findChild<QWidget*>(QStringLiteral("drovanta_title_bar"));
}

// The accessible names of the bar's buttons, left to right.
QStringList buttons_of(QWidget& window) {
    QList<QAbstractButton*> buttons = bar_of(window)->findChildren<QAbstractButton*>();
    std::sort(buttons.begin(), buttons.end(),
              [](auto* a, auto* b) { return a->x() < b->x(); });
    QStringList names;
    for (QAbstractButton* b : buttons) names << b->accessibleName();
    return names;
}

QAbstractButton* button_named(QWidget& window, const QString& name) {
    for (auto* b : bar_of(window)->findChildren<QAbstractButton*>()) {
        if (b->accessibleName() == name) return b;
    }
    return nullptr;
}

QMessageBox* open_message() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) return box;
    }
    return nullptr;
}

}  // namespace

TEST(OwnTitleBar, TheBoardIsFramelessWithItsClientInsideTheBarAndEdge) {
    DesktopHarness g(TitleBars::game);
    desktop::WindowWidget* board = g.window_widget();
    ASSERT_NE(bar_of(*board), nullptr);
    EXPECT_TRUE(board->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(board->windowHandle()->flags() & Qt::FramelessWindowHint);
    EXPECT_EQ(board->size(), QSize(399 + 2 * kFrameEdge, 571 + kTitleBarHeight + kFrameEdge));
    EXPECT_EQ(board->minimumSize(), board->maximumSize());
    EXPECT_EQ(bar_of(*board)->geometry(), QRect(0, 0, board->width(), kTitleBarHeight));
    // The canvas and the controls keep their places relative to each other.
    const QPoint origin(kFrameEdge, kTitleBarHeight);
    EXPECT_EQ(board->canvas()->geometry(), QRect(origin, QSize(399, 571)));
    const board::Element& start = g.view.start_button;
    EXPECT_EQ(g.widget<QPushButton>(start.name())->geometry().topLeft() - origin,
              QPoint(static_cast<int>(desktop::to_pixels(start.window_left())),
                     static_cast<int>(desktop::to_pixels(start.window_top()))));
    // Minimise and close; never maximise.
    EXPECT_EQ(buttons_of(*board), (QStringList{QStringLiteral("Свернуть"), QStringLiteral("Закрыть")}));
    // The bar's buttons take no part in the window's Tab order.
    for (auto* b : bar_of(*board)->findChildren<QAbstractButton*>()) {
        EXPECT_EQ(b->focusPolicy(), Qt::NoFocus);
    }
}

TEST(OwnTitleBar, ItsCloseButtonClosesTheBoardAsTheCompositorsWould) {
    DesktopHarness g(TitleBars::game);
    QTest::mouseClick(button_named(*g.window_widget(), QStringLiteral("Закрыть")), Qt::LeftButton);
    EXPECT_TRUE(g.ended());
}

TEST(OwnTitleBar, APressOnTheBarReachesNoElementOfTheBoard) {
    DesktopHarness g(TitleBars::game);
    int events = 0;
    g.game.observe([&events](const std::string&, const std::string&, board::Event) { ++events; });
    QWidget* bar = bar_of(*g.window_widget());
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->width() / 2, 10));
    QTest::mouseDClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->width() / 2, 10));
    DesktopHarness::settle();
    g.game.observe(nullptr);
    EXPECT_EQ(events, 0);
    EXPECT_EQ(g.window_widget()->windowState(), Qt::WindowNoState);
}

TEST(OwnTitleBar, AMessageBoxHasTheBarAndItsTextBelowIt) {
    DesktopHarness g(TitleBars::game);
    g.set_interval("75005");
    QMessageBox* box = open_message();
    ASSERT_NE(box, nullptr);
    ASSERT_NE(bar_of(*box), nullptr);
    EXPECT_TRUE(box->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(box->windowModality(), Qt::WindowModal);
    // A message box offers only closing, which answers it.
    EXPECT_EQ(buttons_of(*box), QStringList{QStringLiteral("Закрыть")});
    const QLabel* text = nullptr;
    for (QLabel* label : box->findChildren<QLabel*>()) {
        if (label->text() == box->text()) text = label;
    }
    ASSERT_NE(text, nullptr);
    EXPECT_GE(text->geometry().top(), kTitleBarHeight);
    EXPECT_LE(text->geometry().bottom(), box->height() - kFrameEdge);
    EXPECT_EQ(bar_of(*box)->width(), box->width());
    QTest::mouseClick(button_named(*box, QStringLiteral("Закрыть")), Qt::LeftButton);
    DesktopHarness::settle();
    EXPECT_EQ(open_message(), nullptr);
    EXPECT_FALSE(g.ended());
}

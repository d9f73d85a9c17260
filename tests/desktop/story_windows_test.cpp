// The information window and the code box through the real toolkit.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include "desktop/desktop_support.h"
#include "info/information_window_view.h"
#include "support/main_board_view.h"
#include "support/shared.h"

using testing_support::DesktopHarness;
using testing_support::kInfoWindow;
namespace keys = testing_support::keys;

TEST(StoryWindows, AltIOpensInformationInPlaceOfTheBoardAndAltOBringsItBack) {
    DesktopHarness g;
    const auto& b = g.view;
    g.start_round();  // a round is running
    g.wait_ms(2000);
    g.open_information();
    desktop::WindowWidget* info = g.window_widget(kInfoWindow);
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->isVisible());
    EXPECT_EQ(info->windowTitle(), QStringLiteral("Information"));
    EXPECT_EQ(info->size(), QSize(433, 232));
    EXPECT_FALSE(g.window_widget()->isVisible());
    const info::InformationWindow i(g.game);
    EXPECT_EQ(QApplication::focusWidget(),
              g.widget<QPushButton>(i.story_button.name(), kInfoWindow));
    EXPECT_FALSE(g.widget<QPushButton>(i.blank_button.name(), kInfoWindow)->isEnabled());

    g.alt(keys::kGoal);
    EXPECT_EQ(i.text_shown().rfind("За роботов-ежей", 0), 0u);
    g.wait_ms(3000);  // the hidden board's round goes on
    g.return_to_board();
    g.settle();
    EXPECT_EQ(g.window_widget(kInfoWindow), nullptr);
    EXPECT_EQ(g.game.find_window(kInfoWindow), nullptr);
    ASSERT_TRUE(g.window_widget()->isVisible());
    EXPECT_EQ(b.time_left.caption(), "55");
    EXPECT_TRUE(g.widget<QPushButton>(b.stop_button.name())->isEnabled());
}

TEST(StoryWindows, TheBoardLeavesTheScreenOnlyOnceTheInformationWindowIsOnIt) {
    DesktopHarness g;
    const auto& b = g.view;
    // The game hides the board at once; the screen keeps it until the window that
    // takes its place has been put on the screen, and no longer.
    g.game.click(b.window.name(), b.info_button.name());
    desktop::WindowWidget* info = g.window_widget(kInfoWindow);
    ASSERT_NE(info, nullptr);
    EXPECT_FALSE(g.game.window(b.window.name()).visible());
    EXPECT_TRUE(info->isVisible());
    ASSERT_FALSE(info->windowHandle()->isExposed());
    EXPECT_TRUE(g.window_widget()->isVisible());
    DesktopHarness::settle();
    EXPECT_TRUE(info->windowHandle()->isExposed());
    EXPECT_FALSE(g.window_widget()->isVisible());
}

TEST(StoryWindows, AnUnloadedWindowStaysUntilItsSuccessorIsOnTheScreenAndReachesNothingMeanwhile) {
    DesktopHarness g;
    const auto& b = g.view;
    g.open_information();
    QPointer<desktop::WindowWidget> old_info = g.window_widget(kInfoWindow);
    ASSERT_FALSE(old_info.isNull());
    std::string return_button, story_button;
    {
        const info::InformationWindow i(g.game);
        return_button = i.return_button.name();
        story_button = i.story_button.name();
    }
    QPointer<QPushButton> old_story = g.widget<QPushButton>(story_button, kInfoWindow);
    // Back to the board, and at once to a new information window under the same
    // name, before either is on the screen.
    g.game.click(kInfoWindow, return_button);
    g.game.click(b.window.name(), b.info_button.name());
    // The compositor may still be placing the newcomer by the old one: it stays.
    ASSERT_FALSE(old_info.isNull());
    EXPECT_TRUE(old_info->isVisible());
    desktop::WindowWidget* new_info = g.window_widget(kInfoWindow);
    ASSERT_NE(new_info, old_info.data());
    // What the player does to the old one meanwhile reaches no window of the game,
    // the new one of its name least of all.
    QTest::mouseClick(old_story, Qt::LeftButton);
    QTest::keyClick(old_story, Qt::Key_Space);
    QTest::mouseClick(old_info->canvas(), Qt::LeftButton, {}, QPoint(5, 5));
    old_info->close();
    DesktopHarness::settle();
    DesktopHarness::settle();
    EXPECT_TRUE(old_info.isNull());
    ASSERT_EQ(g.window_widget(kInfoWindow), new_info);
    EXPECT_TRUE(new_info->isVisible());
    EXPECT_EQ(info::InformationWindow(g.game).text_shown(),
              "Нажмите любую кнопку, чтобы получить больше информации!");
    for (QWidget* w : QApplication::topLevelWidgets()) {
        EXPECT_EQ(qobject_cast<QMessageBox*>(w), nullptr) << "the player was told something";
    }
}

TEST(StoryWindows, ClosingInformationByItsFrameBringsTheBoardBack) {
    DesktopHarness g;
    const auto& b = g.view;
    QTest::mouseClick(g.widget<QPushButton>(b.info_button.name()), Qt::LeftButton);
    g.settle();
    ASSERT_NE(g.window_widget(kInfoWindow), nullptr);
    g.window_widget(kInfoWindow)->close();
    g.settle();
    EXPECT_EQ(g.game.find_window(kInfoWindow), nullptr);
    EXPECT_TRUE(g.window_widget()->isVisible());
    EXPECT_FALSE(g.ended());
    // And it opens afresh, with its prompt.
    QTest::mouseClick(g.widget<QPushButton>(b.info_button.name()), Qt::LeftButton);
    g.settle();
    EXPECT_EQ(info::InformationWindow(g.game).text_shown(),
              "Нажмите любую кнопку, чтобы получить больше информации!");
}

TEST(StoryWindows, AltYShowsTheCodeBoxAndTheCodeTurnsTheBoardOrange) {
    DesktopHarness g;
    const auto& b = g.view;
    QLineEdit* box = g.widget<QLineEdit>(b.code_box.name());
    EXPECT_FALSE(box->isVisible());
    g.press_code_button();
    ASSERT_TRUE(box->isVisible());
    EXPECT_EQ(box->text(), QStringLiteral("[чит код]"));
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("quibbozar"));
    g.press_code_button();  // typed while the box has the focus
    EXPECT_EQ(g.game.window(board::layout::kMainBoard).back_color(), 0x000040C0u);
    EXPECT_EQ(b.portrait.picture(), b.friends_picture.picture());
    EXPECT_EQ(box->text(), QStringLiteral("quibbozar"));
}

TEST(StoryWindows, ClosingTheMainBoardEndsTheGame) {
    DesktopHarness g;
    g.window_widget()->close();
    EXPECT_TRUE(g.ended());
}

TEST(StoryWindows, ClosingTheMainBoardDuringARoundEndsTheEventLoopOnceTheBoardIsStill) {
    DesktopHarness g;
    g.start_round();
    g.wait_ms(800);
    QEventLoop loop;
    QTimer::singleShot(3000, &loop, [&loop] { loop.exit(1); });  // the guard
    QElapsedTimer since_close;
    QTimer::singleShot(0, &loop, [&] {
        since_close.start();
        g.window_widget()->close();
    });
    // The windows' own refusal to close (the game decides) must not hold the
    // program up: the loop ends, and by then nothing has been drawn for a while.
    EXPECT_EQ(loop.exec(), 0);
    EXPECT_TRUE(g.ended());
    EXPECT_GE(since_close.elapsed(), 100);
}

TEST(StoryWindows, AMessageBelongsToTheWindowOnView) {
    DesktopHarness g;
    g.open_information();
    desktop::WindowWidget* info = g.window_widget(kInfoWindow);
    ASSERT_NE(info, nullptr);
    g.screen().tell_player("Сообщение");
    DesktopHarness::settle();
    QMessageBox* message = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) message = box;
    }
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->parentWidget(), info);
    EXPECT_EQ(message->windowModality(), Qt::WindowModal);
    EXPECT_EQ(message->windowHandle()->transientParent(), info->windowHandle());
    message->close();
    DesktopHarness::settle();
}

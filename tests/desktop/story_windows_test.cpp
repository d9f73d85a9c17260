// The information window and the code box through the real toolkit.
#include <gtest/gtest.h>

#include "desktop/desktop_support.h"

using testing_support::DesktopGame;

namespace {
constexpr std::string_view kInfo = "Form2";
}

TEST(StoryWindows, AltIOpensInformationInPlaceOfTheBoardAndAltOBringsItBack) {
    DesktopGame g;
    g.alt(board::layout::kMainBoard, QStringLiteral("н"));  // a round is running
    g.wait_ms(2000);
    g.alt(board::layout::kMainBoard, QStringLiteral("И"));
    desktop::WindowView* info = g.view(kInfo);
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->isVisible());
    EXPECT_EQ(info->windowTitle(), QStringLiteral("Information"));
    EXPECT_EQ(info->size(), QSize(433, 232));
    EXPECT_FALSE(g.view()->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), g.widget<QPushButton>("Command1", kInfo));
    EXPECT_FALSE(g.widget<QPushButton>("Command6", kInfo)->isEnabled());

    g.alt(kInfo, QStringLiteral("ц"));
    EXPECT_EQ(g.game.form(kInfo)["Label1"].caption().rfind("За роботов-ежей", 0), 0u);
    g.wait_ms(3000);  // the hidden board's round goes on
    g.alt(kInfo, QStringLiteral("о"));
    g.settle();
    EXPECT_EQ(g.view(kInfo), nullptr);
    EXPECT_EQ(g.game.find_form(kInfo), nullptr);
    ASSERT_TRUE(g.view()->isVisible());
    EXPECT_EQ(g["LabelTime"].caption(), "55");
    EXPECT_TRUE(g.widget<QPushButton>("Commandstop")->isEnabled());
}

TEST(StoryWindows, ClosingInformationByItsFrameBringsTheBoardBack) {
    DesktopGame g;
    QTest::mouseClick(g.widget<QPushButton>("Commandinfo"), Qt::LeftButton);
    g.settle();
    ASSERT_NE(g.view(kInfo), nullptr);
    g.view(kInfo)->close();
    g.settle();
    EXPECT_EQ(g.game.find_form(kInfo), nullptr);
    EXPECT_TRUE(g.view()->isVisible());
    EXPECT_FALSE(g.game.ended());
    // And it opens afresh, with its prompt.
    QTest::mouseClick(g.widget<QPushButton>("Commandinfo"), Qt::LeftButton);
    g.settle();
    EXPECT_EQ(g.game.form(kInfo)["Label1"].caption(),
              "Нажмите любую кнопку, чтобы получить больше информации!");
}

TEST(StoryWindows, AltYShowsTheCodeBoxAndTheCodeTurnsTheBoardOrange) {
    DesktopGame g;
    QLineEdit* box = g.widget<QLineEdit>("Text1");
    EXPECT_FALSE(box->isVisible());
    g.alt(board::layout::kMainBoard, QStringLiteral("y"));
    ASSERT_TRUE(box->isVisible());
    EXPECT_EQ(box->text(), QStringLiteral("[чит код]"));
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("quibbozar"));
    g.alt(board::layout::kMainBoard, QStringLiteral("Y"));  // typed while the box has the focus
    EXPECT_EQ(g.game.form(board::layout::kMainBoard).back_color(), 0x000040C0u);
    EXPECT_EQ(g["Image1"].picture(), g["Imagepelkomode"].picture());
    EXPECT_EQ(box->text(), QStringLiteral("quibbozar"));
}

TEST(StoryWindows, ClosingTheMainBoardEndsTheGame) {
    DesktopGame g;
    g.view()->close();
    EXPECT_TRUE(g.game.ended());
}

// What a screen reader is told unasked: the moments of a round a sighted player
// notices without looking, each said once, and nothing while the round just runs.
#include <gtest/gtest.h>

#include <string>

#include "board/layout/main_board_reading.h"
#include "board/layout/spoken_names.h"
#include "board/reading.h"
#include "info/information_window_view.h"
#include "support/harness.h"
#include "support/shared.h"

using testing_support::Harness;
using testing_support::kInfoWindow;

namespace {

// The first shown target, struck with a click; false when none is shown.
bool strike_one(Harness& h) {
    for (board::Element* target : h.view.targets) {
        if (target->visible()) {
            h.click_on(*target);
            return true;
        }
    }
    return false;
}

}  // namespace

TEST(News, ARoundIsToldAtItsStartStopContinueAndEndAndNotInBetween) {
    Harness h;
    const board::ReadingPlan plan = board::layout::main_board_reading(h.board());
    auto news = plan.news;
    ASSERT_TRUE(news);
    EXPECT_EQ(news(), "");
    h.wait_ms(6000);  // the opening scene plays and ends: nothing to say
    EXPECT_EQ(news(), "");

    h.start_round();
    EXPECT_EQ(news(), "Раунд начался: 60 секунд.");
    // The clock, the board tick and a strike change what is on view, but a
    // reader asks for those; none is said.
    h.wait_ms(1000);
    EXPECT_EQ(news(), "");
    ASSERT_TRUE(strike_one(h));
    EXPECT_GT(h.score(), 0);
    EXPECT_EQ(news(), "");

    h.stop_round();
    EXPECT_EQ(news(), "Раунд остановлен.");
    h.stop_round();
    EXPECT_EQ(news(), "");
    h.continue_round();
    EXPECT_EQ(news(), "Раунд продолжается.");
    h.continue_round();
    EXPECT_EQ(news(), "");

    // The board tick has raised the best score with the score all round long:
    // the round still beat the best score it began with.
    h.set_score(150);
    h.wait_ms(60'000);
    EXPECT_EQ(news(), "Раунд окончен. Счёт: 150. Новый лучший счёт!");
    EXPECT_EQ(news(), "");

    // A start from a paused round is a start, and a poorer round says the best.
    h.start_round();
    h.stop_round();
    news();
    h.start_round();
    EXPECT_EQ(news(), "Раунд начался: 60 секунд.");
    h.set_score(40);
    h.wait_ms(60'000);
    EXPECT_EQ(news(), "Раунд окончен. Счёт: 40. Лучший счёт: 150.");

    // Starting over in a running round is told again.
    h.start_round();
    h.wait_ms(3000);
    news();
    h.start_round();
    EXPECT_EQ(news(), "Раунд начался: 60 секунд.");
}

TEST(News, AfterTheStatisticsAreClearedARoundBeatsZero) {
    Harness h;
    auto news = board::layout::main_board_reading(h.board()).news;
    h.start_round();
    news();
    h.set_score(300);
    h.wait_ms(60'000);
    EXPECT_EQ(news(), "Раунд окончен. Счёт: 300. Новый лучший счёт!");
    h.start_round();
    news();
    h.reset_statistics();
    h.set_score(30);
    h.wait_ms(60'000);
    EXPECT_EQ(news(), "Раунд окончен. Счёт: 30. Новый лучший счёт!");
}

TEST(News, AWinningRoundTellsTheBaseAndTheHintAndTheCodeTellsTheFriend) {
    Harness h;
    auto news = board::layout::main_board_reading(h.board()).news;
    h.start_round();
    news();
    h.set_score(2050);
    h.wait_ms(60'000);
    EXPECT_EQ(news(),
              "Раунд окончен. Счёт: 2050. Новый лучший счёт! База уничтожена! "
              "Играть за Пелко: нажмите Alt+Y,чит код: \"quibbozar\", Alt+Y.");

    h.press_code_button();  // the box shows with its prompt: nothing switched
    EXPECT_EQ(news(), "");
    h.view.code_box.set_text("quibbozar");
    h.press_code_button();
    EXPECT_EQ(news(), "Теперь вы играете за Пелко.");
    h.press_code_button();
    EXPECT_EQ(news(), "");
}

TEST(News, ARoundThatEndsBehindTheInformationWindowIsToldOnReturn) {
    Harness h;
    auto news = board::layout::main_board_reading(h.board()).news;
    h.start_round();
    EXPECT_EQ(news(), "Раунд начался: 60 секунд.");
    h.open_information();
    h.set_score(20);
    h.wait_ms(61'000);
    h.return_to_board();
    EXPECT_EQ(news(), "Раунд окончен. Счёт: 20. Новый лучший счёт!");
}

TEST(News, ATextButtonOfTheInformationWindowHasItsTextSaid) {
    Harness h;
    h.open_information();
    board::Window& window = h.game.window(kInfoWindow);
    const board::ReadingPlan plan = window.reading()(window);
    EXPECT_TRUE(plan.dialog);
    auto news = plan.news;
    EXPECT_EQ(news(), "");  // the prompt it opens with is read as the window is
    const info::InformationWindow w(window);
    h.click_on(w.story_button);
    EXPECT_EQ(news().rfind("Лучший друг Бриско - лисёнок Пелко", 0), 0u);
    EXPECT_EQ(news(), "");
    h.click_on(w.goal_button);
    EXPECT_EQ(news().rfind("За роботов-ежей Вы получите по 10 очков", 0), 0u);
}

TEST(News, TheRoundsLengthIsSaidInRussianNumberForms) {
    using board::layout::spoken_round_started;
    EXPECT_EQ(spoken_round_started(60), "Раунд начался: 60 секунд.");
    EXPECT_EQ(spoken_round_started(1), "Раунд начался: 1 секунда.");
    EXPECT_EQ(spoken_round_started(21), "Раунд начался: 21 секунда.");
    EXPECT_EQ(spoken_round_started(3), "Раунд начался: 3 секунды.");
    EXPECT_EQ(spoken_round_started(11), "Раунд начался: 11 секунд.");
    EXPECT_EQ(spoken_round_started(12), "Раунд начался: 12 секунд.");
    EXPECT_EQ(spoken_round_started(112), "Раунд начался: 112 секунд.");
}

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "info/information_window_view.h"
#include "support/harness.h"

using testing_support::Harness;
using testing_support::kInfoWindow;
namespace keys = testing_support::keys;
using testing_support::other_case;

namespace {

constexpr std::string_view kPrompt = "Нажмите любую кнопку, чтобы получить больше информации!";

struct Visit {
    Harness h;
    const testing_support::MainBoard& b = h.view;
    board::Window* info() const { return h.game.find_window(kInfoWindow); }
    // The window's elements by role; it is created afresh at every visit.
    info::InformationWindow view() const { return info::InformationWindow(*info()); }
    std::string field() const { return view().text_shown(); }
    void open() { h.click_on(b.info_button); }
};

bool only_the_board_is_up(const Visit& v) {
    return v.h.board().visible() && v.h.game.active_window() == board::layout::kMainBoard &&
           v.info() == nullptr && !v.h.ended();
}

}  // namespace

TEST(InformationWindow, OpensInPlaceOfTheBoardWithItsPromptAndFocus) {
    Visit v;
    v.open();
    ASSERT_NE(v.info(), nullptr);
    const board::Window& w = *v.info();
    EXPECT_TRUE(w.visible());
    EXPECT_FALSE(v.h.board().visible());
    EXPECT_EQ(v.h.game.active_window(), kInfoWindow);
    EXPECT_EQ(v.field(), kPrompt);

    const info::InformationWindow i = v.view();
    EXPECT_EQ(w.focus_order(),
              (std::vector<board::Element*>{&i.story_button, &i.goal_button, &i.author_button,
                                            &i.engine_button, &i.links_button, &i.blank_button,
                                            &i.return_button}));
    EXPECT_EQ(w.initial_focus(), &i.story_button);

    // The text field sits in its frame: at 240, 360 in the window, with its own pointer.
    EXPECT_EQ(w.element_at(240, 360), &i.text_field);
    EXPECT_EQ(w.element_at(239, 360), &i.text_frame);
    EXPECT_EQ(w.pointer_at(240 + 2414, 360 + 2174).icon->asset(), "ico_info");
    EXPECT_EQ(w.pointer_at(2800, 3430).icon->asset(), "ico_arrow_yellow");
}

TEST(InformationWindow, TextButtonsWriteTheirTextsExactly) {
    const std::vector<std::pair<char32_t, std::string_view>> by_key = {
        {keys::kStory,
         "Лучший друг Бриско - лисёнок Пелко - захвачен в плен!!! Бриско прибыл на базу Вирзо и "
         "собирается разбить армию роботов доктора!"},
        {keys::kGoal,
         "За роботов-ежей Вы получите по 10 очков, за базу - по 20 очков, а если поймаете "
         "кольцо, станете обладателем 30 очков! Соберите как минимум 2000 очков чтобы пройти "
         "игру и увидеть финальную заставку! Соберёте 2050 очков - узнаете СЕКРЕТ!!!"},
        {keys::kAuthor,
         "Идея, дизайн, код: Тровилов К., 2004. Персонажи взяты из игр о Бриско и его друзьях "
         "от Brisko Team."},
        {keys::kEngine,
         "Игра создана на специальном движке ''Ворблин'', составленном Тровиловым К. (дизайн, "
         "идея, код), 2004. Бесплатный продукт."},
        {keys::kLinks, "Обязательно посетите сайт Brisko the hedjehog Russian fan club!"},
    };
    Visit v;
    v.open();
    for (const auto& [key, text] : by_key) {
        EXPECT_TRUE(v.h.alt(key));
        EXPECT_EQ(v.field(), text);
        // No typographic dash or quote, and no double quote, has crept in.
        for (std::string_view odd : {"–", "—", "«", "»", "\"", "’"}) {
            EXPECT_EQ(v.field().find(odd), std::string::npos) << odd;
        }
    }
    // The other case of each letter, and the mouse, work as well.
    EXPECT_TRUE(v.h.alt(other_case(keys::kStory)));
    EXPECT_EQ(v.field(), by_key[0].second);
    const info::InformationWindow w = v.view();
    const board::Element* buttons[] = {&w.story_button, &w.goal_button, &w.author_button,
                                       &w.engine_button, &w.links_button};
    for (int i = 4; i >= 0; --i) {
        v.h.click_on(*buttons[i]);
        EXPECT_EQ(v.field(), by_key[i].second) << buttons[i]->name();
    }
    EXPECT_TRUE(v.h.told().empty());
}

TEST(InformationWindow, BlankButtonNeverReacts) {
    Visit v;
    v.open();
    board::Element& blank = v.view().blank_button;
    EXPECT_EQ(blank.caption(), "");
    const auto revision = v.info()->revision();
    EXPECT_FALSE(v.h.game.click(kInfoWindow, blank.name()));
    v.h.click_on(blank);
    EXPECT_EQ(v.field(), kPrompt);
    EXPECT_EQ(v.info()->revision(), revision);
    EXPECT_NE(v.info()->initial_focus(), &blank);
}

TEST(InformationWindow, ReturningShowsTheBoardAsItStandsAndReopeningStartsAfresh) {
    Visit v;
    v.h.wait_ms(5'000);  // the opening scene is over
    v.open();
    EXPECT_TRUE(v.h.alt(keys::kGoal));
    EXPECT_TRUE(v.h.return_to_board());
    EXPECT_TRUE(only_the_board_is_up(v));
    EXPECT_TRUE(v.b.banner.visible());

    // Alt+И, from the board's own access key, and a fresh window again.
    EXPECT_TRUE(v.h.open_information());
    ASSERT_NE(v.info(), nullptr);
    EXPECT_EQ(v.field(), kPrompt);
    EXPECT_FALSE(v.h.board().visible());
    // The board's keys do not reach through the information window.
    EXPECT_FALSE(v.h.start_round());
    EXPECT_FALSE(v.h.press_code_button());
    EXPECT_FALSE(v.b.code_box.visible());

    v.h.click_on(v.view().return_button);
    EXPECT_TRUE(only_the_board_is_up(v));
}

TEST(InformationWindow, ClosingItByItsFrameGoesBackToTheBoard) {
    Visit v;
    v.open();
    v.h.alt(keys::kEngine);
    v.h.game.request_close(kInfoWindow);
    EXPECT_TRUE(only_the_board_is_up(v));

    v.h.wait_ms(1'000);
    v.open();
    ASSERT_NE(v.info(), nullptr);
    EXPECT_EQ(v.field(), kPrompt);
    v.h.game.request_close(kInfoWindow);
    EXPECT_TRUE(only_the_board_is_up(v));
}

TEST(InformationWindow, RoundGoesOnWhileItIsOpen) {
    Visit v;
    v.h.click_on(v.b.start_button);
    v.h.wait_ms(2'000);
    ASSERT_EQ(v.b.time_left.caption(), "58");
    v.open();
    v.h.wait_ms(3'000);
    EXPECT_EQ(v.b.time_left.caption(), "55");
    EXPECT_TRUE(v.b.round_clock_timer.enabled());

    // The round ends on the hidden board, and a win opens the final scene there.
    v.h.set_score(2000);
    v.h.wait_ms(55'000);
    EXPECT_FALSE(v.b.round_clock_timer.enabled());
    EXPECT_EQ(v.b.rounds_played.caption(), "1");
    EXPECT_TRUE(v.b.final_panel.visible());
    EXPECT_TRUE(v.b.final_scene_timer.enabled());
    EXPECT_EQ(v.field(), kPrompt);

    v.h.return_to_board();
    EXPECT_TRUE(only_the_board_is_up(v));
    EXPECT_TRUE(v.b.final_panel.visible());
}

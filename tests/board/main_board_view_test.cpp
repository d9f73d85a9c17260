// The named views: every role is bound to the element that plays it on the board,
// and no two roles share an element.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "board/failure.h"
#include "hero_mode/look_view.h"
#include "info/information_window_view.h"
#include "round_control/round_view.h"
#include "scenes/scenes_view.h"
#include "support/harness.h"
#include "targets/targets_view.h"

using board::Element;
using board::layout::kColumnLefts;
using board::layout::kRowTops;
using testing_support::Harness;

namespace {

std::string asset_of(const Element& e) {
    return e.picture() ? e.picture()->asset() : std::string();
}

}  // namespace

TEST(MainBoardView, GridRolesStandOnTheirCellsRowByRow) {
    Harness h;
    const auto& b = h.view;
    for (std::size_t row = 0; row < kRowTops.size(); ++row) {
        for (std::size_t column = 0; column < kColumnLefts.size(); ++column) {
            for (const Element* e : {&b.target(column, row), &b.cell(column, row)}) {
                EXPECT_EQ(e->left(), kColumnLefts[column]) << e->name();
                EXPECT_EQ(e->top(), kRowTops[row]) << e->name();
            }
            EXPECT_EQ(asset_of(b.cell(column, row)), "pic_cell_empty");
        }
    }
}

TEST(MainBoardView, EachRoleIsTheElementThatShowsIt) {
    Harness h;
    const auto& b = h.view;
    const std::map<const Element*, std::string> captions = {
        {&b.start_button, "&Начать раунд"},
        {&b.stop_button, "О&становить"},
        {&b.continue_button, "&Продолжить"},
        {&b.set_interval_button, "&Установить интервал"},
        {&b.reset_statistics_button, "X"},
        {&b.info_button, "&Информация"},
        {&b.code_button, "&Y"},
        {&b.time_heading, "                Время"},
        {&b.score_heading, "              Ваш счёт "},
        {&b.rounds_heading, "    Сыграно раундов"},
        {&b.best_score_heading, "        Лучший счёт"},
        {&b.character_heading, "Персонаж"},
        {&b.banner, "       Уничтожьте всех роботов!"},
        {&b.rescue_message, " Есть! Мы спасены!"},
        {&b.final_panel, " База уничтожена! "},
    };
    for (const auto& [e, caption] : captions) EXPECT_EQ(e->caption(), caption) << e->name();

    const std::map<const Element*, std::string> pictures = {
        {&b.plain_robot, "pic_krot_simple"},
        {&b.costumed_robot, "pic_krot_costume"},
        {&b.airship_burning_1, "pic_airship_burn1"},
        {&b.airship_burning_2, "pic_airship_burn2"},
        {&b.airship_burning_3, "pic_airship_burn3"},
        {&b.airship_wreck, "pic_airship_burn4"},
        {&b.airship, "pic_airship"},
        {&b.heroes_flight, "pic_flight"},
        {&b.friends_picture, "pic_friend"},
        {&b.villain, "pic_villain"},
        {&b.title, "pic_title"},
        {&b.ring, "pic_ring"},
    };
    for (const auto& [e, asset] : pictures) EXPECT_EQ(asset_of(*e), asset) << e->name();

    // The statistics line, left to right: rounds played, then the best score.
    EXPECT_LT(b.rounds_heading.left(), b.rounds_played.left());
    EXPECT_LT(b.rounds_played.left(), b.best_score_heading.left());
    EXPECT_LT(b.best_score_heading.left(), b.best_score.left());
    // The time field under its heading, the score under its own.
    EXPECT_EQ(b.time_left.top(), b.time_heading.top() + 240);
    EXPECT_EQ(b.score.top(), b.score_heading.top() + 240);
    // The timers by their pace.
    EXPECT_EQ(b.board_tick_timer.interval(), 750);
    EXPECT_EQ(b.round_clock_timer.interval(), 1000);
    EXPECT_EQ(b.final_scene_timer.interval(), 100);
    EXPECT_EQ(b.opening_scene_timer.interval(), 1);
    // The hero falls from above the strip; the left bar holds the blink counter.
    EXPECT_LT(b.hero.top(), 0);
    EXPECT_LT(b.left_bar.left(), b.right_bar.left());
    EXPECT_EQ(b.left_bar.tag(), "0");
}

TEST(MainBoardView, NoTwoRolesShareAnElement) {
    Harness h;
    const auto& b = h.view;
    std::vector<const Element*> roles = {&b.start_button,
                                         &b.stop_button,
                                         &b.continue_button,
                                         &b.set_interval_button,
                                         &b.reset_statistics_button,
                                         &b.info_button,
                                         &b.interval_box,
                                         &b.score,
                                         &b.time_left,
                                         &b.rounds_played,
                                         &b.best_score,
                                         &b.time_heading,
                                         &b.score_heading,
                                         &b.version_column,
                                         &b.rounds_heading,
                                         &b.best_score_heading,
                                         &b.board_tick_timer,
                                         &b.round_clock_timer,
                                         &b.ring_cycle_timer,
                                         &b.opening_scene_timer,
                                         &b.final_scene_timer,
                                         &b.ring,
                                         &b.costume_register,
                                         &b.ring_kind_register,
                                         &b.ring_column_register,
                                         &b.ring_row_register,
                                         &b.plain_robot,
                                         &b.costumed_robot,
                                         &b.target_press_pointer,
                                         &b.target_release_pointer,
                                         &b.ring_press_pointer,
                                         &b.code_button,
                                         &b.code_box,
                                         &b.secret_hint,
                                         &b.portrait,
                                         &b.friends_picture,
                                         &b.friends_strike_pointer,
                                         &b.friends_ring_press_pointer,
                                         &b.hero,
                                         &b.hero_bar,
                                         &b.upper_streak,
                                         &b.lower_streak,
                                         &b.villain,
                                         &b.left_bar,
                                         &b.right_bar,
                                         &b.banner,
                                         &b.final_panel,
                                         &b.airship,
                                         &b.airship_burning_1,
                                         &b.airship_burning_2,
                                         &b.airship_burning_3,
                                         &b.airship_wreck,
                                         &b.airship_frame_register,
                                         &b.rescue_message,
                                         &b.heroes_flight,
                                         &b.drifting_dot,
                                         &b.character_heading,
                                         &b.title};
    for (const auto* group : {&b.targets, &b.cells})
        roles.insert(roles.end(), group->begin(), group->end());
    roles.insert(roles.end(), b.row_registers.begin(), b.row_registers.end());
    roles.insert(roles.end(), b.ring_kinds.begin(), b.ring_kinds.end());

    std::map<const Element*, int> uses;
    for (const Element* e : roles) ++uses[e];
    for (const auto& [e, n] : uses) EXPECT_EQ(n, 1) << e->name();
    EXPECT_EQ(&b.window, &h.board());
}

TEST(InformationWindowView, ButtonsAndTextFieldAreTheOnesTheWindowShows) {
    Harness h;
    h.click_on(h.view.info_button);
    const info::InformationWindow i(h.game);
    const std::map<const Element*, std::string> captions = {
        {&i.story_button, "С&южет"},
        {&i.goal_button, "&Цель"},
        {&i.author_button, "&Автор и составитель"},
        {&i.engine_button, "&База"},
        {&i.links_button, "Сс&ылки"},
        {&i.blank_button, ""},
        {&i.return_button, "Отлично! &Обратно, пожалуйста!"},
        {&i.text_frame, "Инфо"},
        {&i.text_field, "Нажмите любую кнопку, чтобы получить больше информации!"},
        {&i.author_line, "    Тровилов К., 2004."},
    };
    for (const auto& [e, caption] : captions) EXPECT_EQ(e->caption(), caption) << e->name();
    EXPECT_EQ(asset_of(i.word_logo), "pic_logo_word");
    EXPECT_EQ(asset_of(i.studio_logo), "pic_logo_studio");
    EXPECT_EQ(i.text_field.container(), &i.text_frame);
}

// Each subsystem's view binds the very elements the board's layout names for
// its part, the ring kind's register serving the ring's pointer as well.
TEST(SubsystemViews, EachBindsTheElementsOfItsPart) {
    Harness h;
    const auto& b = h.view;
    const round_control::RoundView round(h.game);
    EXPECT_EQ(&round.score, &b.score);
    EXPECT_EQ(&round.target(3, 2), &b.target(3, 2));
    EXPECT_EQ(round.ring_kinds, b.ring_kinds);
    EXPECT_EQ(&round.airship_burning_1, &b.airship_burning_1);
    const targets::TargetsView targets(h.game);
    EXPECT_EQ(&targets.ring_release_pointer, &b.ring_kind_register);
    EXPECT_EQ(&targets.target_release_pointer, &b.target_release_pointer);
    const scenes::ScenesView scenes(h.game);
    EXPECT_EQ(&scenes.hero, &b.hero);
    EXPECT_EQ(&scenes.airship_wreck, &b.airship_wreck);
    const hero_mode::LookView look(h.game);
    EXPECT_EQ(look.cells, b.cells);
    EXPECT_EQ(look.fields.back(), &b.interval_box);
    EXPECT_EQ(look.headings[2], &b.version_column);
}

// The names the views give the game's state are only ways into the properties
// that hold it: each reads what the property holds and writes a plain number text
// (or the flag) back into that very property.
TEST(SubsystemViews, EachNameReadsAndWritesItsOwnProperty) {
    Harness h;
    const auto& b = h.view;
    const round_control::RoundView round(h.game);
    const targets::TargetsView targets(h.game);
    const scenes::ScenesView scenes(h.game);

    // The padded captions of the layout read as 0 and stay as they are until written.
    EXPECT_EQ(round.points(), 0);
    EXPECT_EQ(round.seconds_left(), 0);
    EXPECT_EQ(b.score.caption(), "                    0  ");
    targets.add_points(10);
    targets.add_points(20);
    EXPECT_EQ(b.score.caption(), "30");
    b.score.set_caption(" 2050 points");  // read leniently: the leading number
    EXPECT_EQ(round.points(), 2050);
    round.set_seconds_left(59);
    EXPECT_EQ(b.time_left.caption(), "59");
    round.set_rounds_counted(round.rounds_counted() + 1);
    EXPECT_EQ(b.rounds_played.caption(), "1");
    round.set_best_points(420);
    EXPECT_EQ(b.best_score.caption(), "420");

    // Counters in Tags are read strictly, so a Tag that is not a number fails
    // loudly instead of reading as 0.
    targets.set_ring_phase(4);
    EXPECT_EQ(b.ring.tag(), "4");
    b.ring.set_tag(" 2 ");
    EXPECT_EQ(targets.ring_phase(), 2);
    b.ring.set_tag("two");
    EXPECT_THROW(targets.ring_phase(), board::Failure);
    scenes.set_blink_count(2);
    EXPECT_EQ(b.left_bar.tag(), "2");
    scenes.set_fire_count(scenes.fire_count() + 1);
    EXPECT_EQ(b.airship_frame_register.tag(), "1");
    EXPECT_EQ(b.airship_frame_register.caption(), "Label20") << "the fire counter is the Tag";
    round.reset_fire_count();
    EXPECT_EQ(b.airship_frame_register.tag(), "0");

    // The opening scene's two flags.
    EXPECT_TRUE(scenes.hero_falling());
    EXPECT_FALSE(scenes.hero_landed());
    scenes.set_hero_falling(false);
    scenes.set_hero_landed(true);
    EXPECT_FALSE(b.hero.enabled());
    EXPECT_EQ(b.opening_scene_timer.tag(), "1");
    EXPECT_TRUE(b.opening_scene_timer.enabled()) << "the flight flag is not the timer's switch";

    // Every deal leaves its draw in its own register and gives back what is there.
    const std::string other_column = b.row_registers[1]->caption();
    EXPECT_EQ(round.deal_costume_group(3), 3u);
    EXPECT_EQ(round.deal_row(2, 1), 1u);
    EXPECT_EQ(round.deal_ring_kind(1), 1u);
    EXPECT_EQ(round.deal_ring_column(0), 0u);
    EXPECT_EQ(round.deal_ring_row(2), 2u);
    EXPECT_EQ(b.costume_register.caption(), "3");
    EXPECT_EQ(b.row_registers[2]->caption(), "1");
    EXPECT_EQ(b.row_registers[1]->caption(), other_column) << "another column's register";
    EXPECT_EQ(b.ring_kind_register.caption(), "1");
    EXPECT_EQ(b.ring_column_register.caption(), "0");
    EXPECT_EQ(b.ring_row_register.caption(), "2");
    EXPECT_EQ(scenes.deal_airship_frame(2), 2);
    EXPECT_EQ(b.airship_frame_register.caption(), "2");
    EXPECT_EQ(scenes.deal_airship_frame(7), -1) << "no such frame";
}

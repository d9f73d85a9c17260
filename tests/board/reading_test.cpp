// What a screen reader is told of the main board, worked out from the model alone:
// the plan's order and the rules of what a sighted player can see.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "board/layout/main_board_reading.h"
#include "board/reading.h"
#include "support/harness.h"

using board::Glance;
using testing_support::Harness;

namespace {

const Glance& look_at(const Harness& h, const board::ReadingPlan& plan, const board::Element& e) {
    static std::vector<Glance> looks;
    looks = board::glance(h.board(), plan);
    const std::size_t i = plan.index_of(&e);
    EXPECT_LT(i, plan.items.size()) << e.name() << " is not read";
    return looks.at(i);
}

}  // namespace

TEST(Reading, ThePlanReadsTopToBottomAndNeverTheHandlersOwnElements) {
    Harness h;
    const auto& b = h.view;
    const board::ReadingPlan plan = h.board().reading()(h.board());
    std::set<const board::Element*> read;
    for (const auto& item : plan.items) EXPECT_TRUE(read.insert(item.element).second);
    for (const board::Element* e :
         {&b.costume_register, &b.ring_kind_register, &b.plain_robot, &b.costumed_robot,
          &b.friends_picture, &b.target_press_pointer, &b.airship_wreck, &b.airship_frame_register,
          &b.board_tick_timer, &b.start_button, &b.interval_box}) {
        EXPECT_EQ(read.count(e), 0u) << e->name();
    }
    // Each target right before its cell, row by row; the ring after the grid.
    std::size_t last = 0;
    for (std::size_t row = 0; row < board::layout::kGridRows; ++row) {
        for (std::size_t column = 0; column < board::layout::kGridColumns; ++column) {
            const std::size_t target = plan.index_of(&b.target(column, row));
            EXPECT_EQ(plan.index_of(&b.cell(column, row)), target + 1);
            EXPECT_GT(target, last);
            last = target;
            EXPECT_TRUE(plan.items[target].pressable);
        }
    }
    EXPECT_EQ(plan.index_of(&b.ring), plan.index_of(&b.cell(3, 2)) + 1);
    EXPECT_TRUE(plan.items[plan.index_of(&b.ring)].pressable);
    EXPECT_LT(plan.index_of(&b.time_heading), plan.index_of(&b.score_heading));
    EXPECT_LT(plan.index_of(&b.rounds_heading), plan.index_of(&b.best_score_heading));
    EXPECT_EQ(plan.index_of(&b.secret_hint), plan.items.size() - 1);
}

TEST(Reading, WhatLiesUnderAPictureOrThePanelIsNotSeen) {
    Harness h;
    const auto& b = h.view;
    const board::ReadingPlan plan = board::layout::main_board_reading(h.board());
    EXPECT_TRUE(look_at(h, plan, b.cell(1, 1)).seen);
    EXPECT_EQ(look_at(h, plan, b.cell(1, 1)).name, "Пустая клетка");
    const Glance hidden = look_at(h, plan, b.target(1, 1));
    EXPECT_FALSE(hidden.seen);
    EXPECT_EQ(hidden.name, "");

    b.target(1, 1).set_picture(b.costumed_robot.picture());
    b.target(1, 1).set_visible(true);
    EXPECT_FALSE(look_at(h, plan, b.cell(1, 1)).seen);
    EXPECT_EQ(look_at(h, plan, b.target(1, 1)).name, "Робот в костюме, ряд 2, столбец 2");
    // The ring falls on it: only the ring is seen there.
    b.ring.set_left(b.target(1, 1).left());
    b.ring.set_top(b.target(1, 1).top());
    b.ring.set_visible(true);
    EXPECT_FALSE(look_at(h, plan, b.target(1, 1)).seen);
    EXPECT_EQ(look_at(h, plan, b.ring).name, "Кольцо");
    // A disabled target is seen but says so.
    b.ring.set_enabled(false);
    EXPECT_FALSE(look_at(h, plan, b.ring).enabled);

    // The final panel covers the strip, and its own pieces show instead.
    EXPECT_TRUE(look_at(h, plan, b.villain).seen);
    EXPECT_FALSE(look_at(h, plan, b.airship).seen);
    b.final_panel.set_visible(true);
    EXPECT_FALSE(look_at(h, plan, b.villain).seen);
    EXPECT_EQ(look_at(h, plan, b.airship).name, "Воздушный корабль Вирзо");
    b.airship.set_picture(b.airship_wreck.picture());
    EXPECT_EQ(look_at(h, plan, b.airship).name, "Корабль Вирзо разбит");
    // The statistics stay in view under it.
    EXPECT_TRUE(look_at(h, plan, b.score).seen);
}

TEST(Reading, CaptionsAreSaidAsTheyReadOnTheBoard) {
    Harness h;
    const auto& b = h.view;
    const board::ReadingPlan plan = board::layout::main_board_reading(h.board());
    EXPECT_EQ(look_at(h, plan, b.time_left).name, "Время: 0");
    EXPECT_EQ(look_at(h, plan, b.score_heading).name, "Ваш счёт");
    EXPECT_EQ(look_at(h, plan, b.version_column).name, "Версия 1.3");
    EXPECT_EQ(look_at(h, plan, b.portrait).name, "Персонаж: Бриско");
    EXPECT_EQ(look_at(h, plan, b.secret_hint).name, "");  // not until it shows
    b.secret_hint.set_visible(true);
    EXPECT_EQ(look_at(h, plan, b.secret_hint).name,
              "Играть за Пелко: нажмите Alt+Y,чит код: \"quibbozar\", Alt+Y.");
    h.board().set_visible(false);  // the information window stands in its place
    EXPECT_FALSE(look_at(h, plan, b.score).seen);

    EXPECT_EQ(board::tidy("  a   b \n c  "), "a b c");
    EXPECT_EQ(board::tidy("   "), "");
}

TEST(Reading, ColourAloneAndWhatLiesOutsideTheWindowAreNotRead) {
    Harness h;
    const auto& b = h.view;
    const board::ReadingPlan plan = board::layout::main_board_reading(h.board());
    // The strip's caption-less bars, the grey blocks and the floor line are only
    // colour, and the wall only the backdrop: a review passes them by.
    for (const board::Element* bar : {&b.hero_bar, &b.upper_streak, &b.lower_streak, &b.left_bar,
                                      &b.right_bar, &h["Label17"], &h["Label19"], &h["Imagefon"]}) {
        EXPECT_EQ(plan.index_of(bar), plan.items.size()) << bar->name();
    }
    EXPECT_LT(plan.index_of(&b.banner), plan.items.size());  // it has words

    // The hero starts above the window with his feet in it: seen, at the part
    // inside. The villain, once flown off above the strip, is not seen at all.
    const Glance hero = look_at(h, plan, b.hero);
    EXPECT_TRUE(hero.seen);
    EXPECT_EQ(hero.top, 0);
    EXPECT_EQ(hero.height, b.hero.top() + b.hero.height());
    b.villain.set_top(-1280);
    EXPECT_FALSE(look_at(h, plan, b.villain).seen);
    EXPECT_EQ(look_at(h, plan, b.villain).name, "");

    // The interval box says what it sets; "X" and "Y" say what they do.
    std::set<const board::Element*> described;
    for (const board::ControlWords& words : plan.controls) {
        if (words.element == &b.interval_box) {
            EXPECT_EQ(words.name, "Интервал, мс");
        }
        if (!words.description.empty()) described.insert(words.element);
    }
    EXPECT_EQ(described,
              (std::set<const board::Element*>{&b.reset_statistics_button, &b.code_button}));
    EXPECT_FALSE(plan.dialog);
}

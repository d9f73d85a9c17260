// The opening scene: the hero Brisko drops into the top strip with a grey bar under
// his feet, two light streaks race from right to left, the bars beside the
// capsule blink, and the villain swells. Once the hero lands, bar and streaks
// vanish and the villain flies off up and to the right; when he has left the
// strip the banner comes up and the timer stops itself.
//
// The scene has no notion of time: every tick moves each piece by whole twips and
// positions are tested for exact equality, so its course is fixed by the number
// of ticks alone (landing on tick 192, end on tick 285).
#include "scenes/opening_scene.h"

#include "board/layout/main_board.h"
#include "board/number_text.h"

namespace scenes {

namespace {

constexpr int kFloorTop = 1200;       // the landed hero's Top: his feet on the strip's floor
constexpr int kUpperStreakJump = 40;  // where the upper streak starts over
constexpr int kUpperStreakStart = 5040;
constexpr int kLowerStreakJump = 0;  // where the lower streak starts over
constexpr int kLowerStreakStart = 5400;
constexpr int kVillainGoneTop = -1280;  // the villain's Top once he is wholly above the strip

// Image14's Enabled is the descent flag: up while the hero falls.
void fall(board::Element& hero) {
    if (hero.enabled()) {
        hero.set_top(hero.top() + 10);
    } else {
        hero.set_top(kFloorTop);
    }
}

void land_if_on_floor(board::Window& f) {
    board::Element& hero = f["Image14"];
    if (hero.top() != kFloorTop) return;
    hero.set_enabled(false);
    f["Label14"].set_visible(false);
    f["Label15"].set_visible(false);
    f["Label16"].set_visible(false);
    f["Timer4"].set_tag("1");
}

// Label9's Tag counts 1, 2, 0, 1, 2 ...: the bars go dark on 1 and light up on 2.
void blink(board::Window& f) {
    board::Element& counter = f["Label9"];
    counter.set_tag(board::number_text(board::read_strict(counter.tag()) + 1));
    if (board::read_strict(counter.tag()) == 2) {
        f["Label9"].set_visible(true);
        f["Label10"].set_visible(true);
        counter.set_tag("0");
    }
    if (board::read_strict(counter.tag()) == 1) {
        f["Label9"].set_visible(false);
        f["Label10"].set_visible(false);
    }
}

// Timer4's Tag is the flight flag: "1" once the hero has landed.
void fly_off(board::Window& f) {
    if (board::read_strict(f["Timer4"].tag()) != 1) return;
    board::Element& villain = f["Image15"];
    villain.set_top(villain.top() - 20);
    villain.set_left(villain.left() + 5);
}

void end_if_villain_gone(board::Window& f) {
    if (f["Image15"].top() != kVillainGoneTop) return;
    f["Label11"].set_visible(true);
    f["Label9"].set_visible(false);
    f["Label10"].set_visible(false);
    f["Timer4"].set_enabled(false);
}

}  // namespace

void opening_scene_tick(board::Game& game) {
    board::Window& f = game.form(board::layout::kMainBoard);
    board::Element& bar = f["Label14"];
    board::Element& upper_streak = f["Label15"];
    board::Element& lower_streak = f["Label16"];
    board::Element& villain = f["Image15"];

    // The bar and the streaks keep moving after the landing too, hidden.
    fall(f["Image14"]);
    bar.set_top(bar.top() + 10);
    upper_streak.set_left(upper_streak.left() - 100);
    lower_streak.set_left(lower_streak.left() - 200);
    villain.set_width(villain.width() + 4);
    villain.set_height(villain.height() + 4);
    if (upper_streak.left() == kUpperStreakJump) upper_streak.set_left(kUpperStreakStart);
    if (lower_streak.left() == kLowerStreakJump) lower_streak.set_left(kLowerStreakStart);
    land_if_on_floor(f);
    blink(f);
    fly_off(f);
    end_if_villain_gone(f);
}

}  // namespace scenes

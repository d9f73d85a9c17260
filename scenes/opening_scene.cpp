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

#include "scenes/scenes_view.h"

namespace scenes {

namespace {

constexpr int kFloorTop = 1200;       // the landed hero's Top: his feet on the strip's floor
constexpr int kUpperStreakJump = 40;  // where the upper streak starts over
constexpr int kUpperStreakStart = 5040;
constexpr int kLowerStreakJump = 0;  // where the lower streak starts over
constexpr int kLowerStreakStart = 5400;
constexpr int kVillainGoneTop = -1280;  // the villain's Top once he is wholly above the strip

void fall(const ScenesView& b) {
    board::Element& hero = b.hero;
    if (b.hero_falling()) {
        hero.set_top(hero.top() + 10);
    } else {
        hero.set_top(kFloorTop);
    }
}

void land_if_on_floor(const ScenesView& b) {
    if (b.hero.top() != kFloorTop) return;
    b.set_hero_falling(false);
    b.hero_bar.set_visible(false);
    b.upper_streak.set_visible(false);
    b.lower_streak.set_visible(false);
    b.set_hero_landed(true);
}

// The count runs 1, 2, 0, 1, 2 ...: the bars go dark on 1 and light up on 2.
void blink(const ScenesView& b) {
    b.set_blink_count(b.blink_count() + 1);
    if (b.blink_count() == 2) {
        b.left_bar.set_visible(true);
        b.right_bar.set_visible(true);
        b.set_blink_count(0);
    }
    if (b.blink_count() == 1) {
        b.left_bar.set_visible(false);
        b.right_bar.set_visible(false);
    }
}

void fly_off(const ScenesView& b) {
    if (!b.hero_landed()) return;
    board::Element& villain = b.villain;
    villain.set_top(villain.top() - 20);
    villain.set_left(villain.left() + 5);
}

void end_if_villain_gone(const ScenesView& b) {
    if (b.villain.top() != kVillainGoneTop) return;
    b.banner.set_visible(true);
    b.left_bar.set_visible(false);
    b.right_bar.set_visible(false);
    b.opening_scene_timer.set_enabled(false);
}

}  // namespace

void opening_scene_tick(board::Runtime& game) {
    const ScenesView b(game);
    board::Element& bar = b.hero_bar;
    board::Element& upper_streak = b.upper_streak;
    board::Element& lower_streak = b.lower_streak;
    board::Element& villain = b.villain;

    // The bar and the streaks keep moving after the landing too, hidden.
    fall(b);
    bar.set_top(bar.top() + 10);
    upper_streak.set_left(upper_streak.left() - 100);
    lower_streak.set_left(lower_streak.left() - 200);
    villain.set_width(villain.width() + 4);
    villain.set_height(villain.height() + 4);
    if (upper_streak.left() == kUpperStreakJump) upper_streak.set_left(kUpperStreakStart);
    if (lower_streak.left() == kLowerStreakJump) lower_streak.set_left(kLowerStreakStart);
    land_if_on_floor(b);
    blink(b);
    fly_off(b);
    end_if_villain_gone(b);
}

}  // namespace scenes

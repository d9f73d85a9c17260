// The final scene: the villain's airship flickers at random among three burning
// frames while a dark dot drifts away from it. Every draw of 2 (the first frame)
// adds one to the fire counter; when the counter stands at exactly 20 the airship
// becomes the wreck, the two heroes fly off, the message comes up and the timer
// stops itself. The dot drifts on every tick, the last one included.
//
// The registers: the airship's frame register holds the latest draw in its
// Caption and the fire counter in its Tag. Round start resets them; it does not
// stop the scene's timer.
#include "scenes/final_scene.h"

#include "board/number_text.h"
#include "scenes/scenes_view.h"

namespace scenes {

namespace {

constexpr int kFramesToWreck = 20;

// The frame is drawn into its register and taken back from there.
int draw_frame(board::Runtime& game, const ScenesView& b) {
    return b.deal_airship_frame(board::whole_part(game.random_fraction() * 3));
}

void show_drawn_frame(const ScenesView& b, int frame) {
    board::Element& airship = b.airship;
    if (frame == 0) airship.set_picture(b.airship_burning_2.picture());
    if (frame == 1) airship.set_picture(b.airship_burning_3.picture());
    if (frame == 2) {
        airship.set_picture(b.airship_burning_1.picture());
        b.set_fire_count(b.fire_count() + 1);
    }
}

// Equality, not "at least": a counter that has passed 20 never ends the scene.
void wreck_if_burnt_out(const ScenesView& b) {
    if (b.fire_count() != kFramesToWreck) return;
    b.airship.set_picture(b.airship_wreck.picture());
    b.heroes_flight.set_visible(true);
    b.rescue_message.set_visible(true);
    b.final_scene_timer.set_enabled(false);
}

void drift(board::Element& dot) {
    dot.set_left(dot.left() + 50);
    dot.set_top(dot.top() + 15);
}

}  // namespace

void final_scene_tick(board::Runtime& game) {
    const ScenesView b(game);
    show_drawn_frame(b, draw_frame(game, b));
    wreck_if_burnt_out(b);
    drift(b.drifting_dot);
}

}  // namespace scenes

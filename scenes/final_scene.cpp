// The final scene: the villain's airship flickers at random among three burning
// frames while a dark dot drifts away from it. Every draw of 2 (the first frame)
// adds one to the fire counter; when the counter stands at exactly 20 the airship
// becomes the wreck, the two heroes fly off, the message comes up and the timer
// stops itself. The dot drifts on every tick, the last one included.
//
// Registers: Labelbazegenerator's Caption holds the latest draw, its Tag the fire
// counter. Round start resets them; it does not stop Timer5.
#include "scenes/final_scene.h"

#include "board/layout/main_board.h"
#include "board/number_text.h"

namespace scenes {

namespace {

constexpr int kFramesToWreck = 20;

void draw_frame(board::Game& game, board::Element& draw) {
    const auto frame = board::whole_part(game.random_fraction() * 3);
    draw.set_caption(board::number_text(frame));
}

void show_drawn_frame(board::Window& f, board::Element& draw) {
    board::Element& airship = f["Imagebaze"];
    if (draw.caption() == "0") airship.set_picture(f["Image18"].picture());
    if (draw.caption() == "1") airship.set_picture(f["Image19"].picture());
    if (draw.caption() == "2") {
        airship.set_picture(f["Image17"].picture());
        draw.set_tag(board::number_text(board::read_strict(draw.tag()) + 1));
    }
}

// Equality, not "at least": a counter that has passed 20 never ends the scene.
void wreck_if_burnt_out(board::Window& f, const board::Element& draw) {
    if (board::read_strict(draw.tag()) != kFramesToWreck) return;
    f["Imagebaze"].set_picture(f["Image20"].picture());
    f["Image21"].set_visible(true);
    f["Label20"].set_visible(true);
    f["Timer5"].set_enabled(false);
}

void drift(board::Element& dot) {
    dot.set_left(dot.left() + 50);
    dot.set_top(dot.top() + 15);
}

}  // namespace

void final_scene_tick(board::Game& game) {
    board::Window& f = game.form(board::layout::kMainBoard);
    board::Element& draw = f["Labelbazegenerator"];
    draw_frame(game, draw);
    show_drawn_frame(f, draw);
    wreck_if_burnt_out(f, draw);
    drift(f["Shape1"]);
}

}  // namespace scenes

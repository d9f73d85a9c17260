#include "targets/ring.h"

#include "board/layout/main_board.h"
#include "board/number_text.h"

namespace targets {

namespace {

// The tick that brings the counter here shows the ring; the next one hides it.
constexpr int kShowAt = 3;
// The counter goes back to 0 on reaching this, which makes a cycle of five ticks.
constexpr int kCycleLength = 5;

board::Element& ring_of(board::Game& game) {
    return game.form(board::layout::kMainBoard)["Imagegas"];
}

void add_to_score(board::Game& game, int points) {
    board::Element& score = game.form(board::layout::kMainBoard)["Labelscore"];
    score.set_caption(board::number_text(board::read_lenient(score.caption()) + points));
}

// The cycle counter lives in the ring's Tag; every step takes it anew.
double counter(const board::Element& ring) {
    return board::read_strict(ring.tag());
}

}  // namespace

void ring_cycle_tick(board::Game& game) {
    board::Element& ring = ring_of(game);
    ring.set_tag(board::number_text(counter(ring) + 1));
    if (counter(ring) == kShowAt) ring.set_visible(true);
    if (counter(ring) == kCycleLength) ring.set_tag("0");
    // Sees the counter after the reset, so the tick that reaches the end of the
    // cycle leaves the ring as it was.
    if (counter(ring) > kShowAt) ring.set_visible(false);
}

void catch_ring(board::Game& game) {
    add_to_score(game, kRingCatchWorth);
    ring_of(game).set_visible(false);
}

// The first click of a double click has already caught and hidden the ring, so
// this only comes when the ring showed again between the two presses; it
// leaves the ring where it is.
void double_click_ring(board::Game& game) {
    add_to_score(game, kRingDoubleClickWorth);
}

void press_ring(board::Game& game) {
    board::Element& ring = ring_of(game);
    ring.set_mouse_icon(ring.window()["Labelsecreticonexplode"].mouse_icon());
}

void release_ring(board::Game& game) {
    board::Element& ring = ring_of(game);
    ring.set_mouse_icon(ring.window()["Labelgastype"].mouse_icon());
}

}  // namespace targets

#include "targets/ring.h"

#include "board/layout/main_board_view.h"
#include "board/number_text.h"

namespace targets {

namespace {

// The tick that brings the counter here shows the ring; the next one hides it.
constexpr int kShowAt = 3;
// The counter goes back to 0 on reaching this, which makes a cycle of five ticks.
constexpr int kCycleLength = 5;

using board::layout::MainBoard;

void add_to_score(const MainBoard& b, int points) {
    b.score.set_caption(board::number_text(board::read_lenient(b.score.caption()) + points));
}

// The cycle counter lives in the ring's Tag; every step takes it anew.
double counter(const board::Element& ring) {
    return board::read_strict(ring.tag());
}

}  // namespace

void ring_cycle_tick(board::Runtime& game) {
    board::Element& ring = MainBoard(game).ring;
    ring.set_tag(board::number_text(counter(ring) + 1));
    if (counter(ring) == kShowAt) ring.set_visible(true);
    if (counter(ring) == kCycleLength) ring.set_tag("0");
    // Sees the counter after the reset, so the tick that reaches the end of the
    // cycle leaves the ring as it was.
    if (counter(ring) > kShowAt) ring.set_visible(false);
}

void catch_ring(board::Runtime& game) {
    const MainBoard b(game);
    add_to_score(b, kRingCatchWorth);
    b.ring.set_visible(false);
}

// The first click of a double click has already caught and hidden the ring, so
// this only comes when the ring showed again between the two presses; it
// leaves the ring where it is.
void double_click_ring(board::Runtime& game) {
    add_to_score(MainBoard(game), kRingDoubleClickWorth);
}

void press_ring(board::Runtime& game) {
    const MainBoard b(game);
    b.ring.set_mouse_icon(b.ring_press_pointer.mouse_icon());
}

void release_ring(board::Runtime& game) {
    const MainBoard b(game);
    b.ring.set_mouse_icon(b.ring_release_pointer.mouse_icon());
}

}  // namespace targets

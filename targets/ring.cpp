#include "targets/ring.h"

#include "targets/targets_view.h"

namespace targets {

namespace {

// The tick that brings the phase here shows the ring; the next one hides it.
constexpr int kShowAt = 3;
// The phase goes back to 0 on reaching this, which makes a cycle of five ticks.
constexpr int kCycleLength = 5;

}  // namespace

void ring_cycle_tick(board::Runtime& game) {
    // Every step takes the phase anew.
    const TargetsView b(game);
    b.set_ring_phase(b.ring_phase() + 1);
    if (b.ring_phase() == kShowAt) b.ring.set_visible(true);
    if (b.ring_phase() == kCycleLength) b.set_ring_phase(0);
    // Sees the phase after the reset, so the tick that reaches the end of the
    // cycle leaves the ring as it was.
    if (b.ring_phase() > kShowAt) b.ring.set_visible(false);
}

void catch_ring(board::Runtime& game) {
    const TargetsView b(game);
    b.add_points(kRingCatchWorth);
    b.ring.set_visible(false);
}

// The first click of a double click has already caught and hidden the ring, so
// this only comes when the ring showed again between the two presses; it
// leaves the ring where it is.
void double_click_ring(board::Runtime& game) {
    TargetsView(game).add_points(kRingDoubleClickWorth);
}

void press_ring(board::Runtime& game) {
    const TargetsView b(game);
    b.ring.set_mouse_icon(b.ring_press_pointer.mouse_icon());
}

void release_ring(board::Runtime& game) {
    const TargetsView b(game);
    b.ring.set_mouse_icon(b.ring_release_pointer.mouse_icon());
}

}  // namespace targets

#include "targets/targets_view.h"

#include "board/number_text.h"
#include "board/registers.h"

namespace targets {

using namespace board::layout;

TargetsView::TargetsView(board::Window& w)
    : score(w[kScore]),
      plain_robot(w[kPlainRobot]),
      target_press_pointer(w[kTargetPressPointer]),
      target_release_pointer(w[kTargetReleasePointer]),
      ring(w[kRing]),
      ring_press_pointer(w[kRingPressPointer]),
      ring_release_pointer(w[kRingKindRegister]) {}

void TargetsView::add_points(std::int64_t points) const {
    score.set_caption(board::number_text(board::whole_lenient(score.caption()) + points));
}

std::int64_t TargetsView::ring_phase() const {
    return board::whole_strict(ring.tag());
}

void TargetsView::set_ring_phase(std::int64_t phase) const {
    ring.set_tag(board::number_text(phase));
}

}  // namespace targets

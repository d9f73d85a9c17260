#include "hero_mode/look_view.h"

namespace hero_mode {

using namespace board::layout;

LookView::LookView(board::Window& w)
    : window(w),
      code_box(w[kCodeBox]),
      fields(board::elements_named<5>(
          w, {kBestScore, kRoundsPlayed, kTimeLeft, kScore, kIntervalBox})),
      headings(board::elements_named<5>(
          w, {kTimeHeading, kScoreHeading, kVersionColumn, kRoundsHeading, kBestScoreHeading})),
      portrait(w[kPortrait]),
      targets(board::elements_named(w, kTargets)),
      cells(board::elements_named(w, kCells)),
      ring(w[kRing]),
      target_release_pointer(w[kTargetReleasePointer]),
      ring_press_pointer(w[kRingPressPointer]),
      ring_release_pointer(w[kRingKindRegister]),
      friends_picture(w[kFriendsPicture]),
      friends_strike_pointer(w[kFriendsStrikePointer]),
      friends_ring_press_pointer(w[kFriendsRingPressPointer]) {}

}  // namespace hero_mode

#include "targets/strike.h"

#include "targets/targets_view.h"

namespace targets {

// The holders are read at every press and release, so that a switch of their
// images shows on the very next blow.
void press_target(board::Runtime& game, board::Element& target) {
    const TargetsView b(game);
    target.set_mouse_icon(b.target_press_pointer.mouse_icon());
}

void release_target(board::Runtime& game, board::Element& target) {
    const TargetsView b(game);
    target.set_mouse_icon(b.target_release_pointer.mouse_icon());
}

void strike_target(board::Runtime& game, board::Element& struck) {
    const TargetsView b(game);
    // Worth goes by identity: only the very picture of the plain-robot holder
    // counts as the plain robot, however alike another picture may look.
    const int worth = board::same_picture(struck.picture(), b.plain_robot.picture())
                          ? kPlainRobotWorth
                          : kOtherPictureWorth;
    b.add_points(worth);
    struck.set_visible(false);
}

}  // namespace targets

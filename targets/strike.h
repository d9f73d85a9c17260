// Striking a target: a click on a shown target scores it by its picture and
// hides it; pressing and releasing a button over it swap the pointer drawn
// there for the blow and back. The twelve targets share these handlers, each
// handed the target that raised its event.
#pragma once

#include "board/runtime.h"

namespace targets {

inline constexpr int kPlainRobotWorth = 10;
inline constexpr int kOtherPictureWorth = 20;

// MouseDown of a target.
void press_target(board::Runtime& game, board::Element& target);
// MouseUp of a target.
void release_target(board::Runtime& game, board::Element& target);
// Click of a target.
void strike_target(board::Runtime& game, board::Element& target);

}  // namespace targets

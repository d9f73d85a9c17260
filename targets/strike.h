// Striking a target: a click on a shown target scores it by its picture and
// hides it; pressing and releasing a button over it swap the pointer drawn
// there for the blow and back. The twelve targets share these handlers, each
// acting on the target it was attached to.
#pragma once

#include <string_view>

#include "board/runtime.h"

namespace targets {

inline constexpr int kPlainRobotWorth = 10;
inline constexpr int kOtherPictureWorth = 20;

// MouseDown of a target.
void press_target(board::Runtime& game, std::string_view target);
// MouseUp of a target.
void release_target(board::Runtime& game, std::string_view target);
// Click of a target.
void strike_target(board::Runtime& game, std::string_view target);

}  // namespace targets

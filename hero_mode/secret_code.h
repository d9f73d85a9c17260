// The hidden code entry: Alt+Y shows the code box, and with the code in it
// switches the board to the friend's look.
#pragma once

#include "board/runtime.h"

namespace hero_mode {

// The code that the hint line of a high-scoring round tells.
inline constexpr std::string_view kSecretCode = "quibbozar";

// The Click of the code button, which only its access key Alt+Y can reach.
void enter_secret_code(board::Runtime& game);

}  // namespace hero_mode

// Going from the main board to the information window and back.
#pragma once

#include "board/runtime.h"

namespace info {

// The main board's "&Информация": the window opens afresh in place of the board.
void open_information(board::Runtime& game);
// "Отлично! &Обратно, пожалуйста!", and the window's own close control.
void return_to_board(board::Runtime& game);

}  // namespace info

// The main board is only hidden while the information window is open: its timers
// keep firing, so a running round goes on and the player finds its result on
// return. The information window is unloaded on the way back, so each visit
// starts with the prompt again.
#include "info/visit.h"

#include "board/layout/main_board.h"
#include "info/information_window.h"

namespace info {

void open_information(board::Runtime& game) {
    game.show(kInfoWindow);
    game.hide(board::layout::kMainBoard);
}

void return_to_board(board::Runtime& game) {
    game.show(board::layout::kMainBoard);
    game.unload(kInfoWindow);
}

}  // namespace info

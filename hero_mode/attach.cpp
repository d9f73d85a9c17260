#include "hero_mode/attach.h"

#include "board/layout/main_board.h"
#include "hero_mode/secret_code.h"

namespace hero_mode {

void attach(board::Runtime& game) {
    game.on(board::layout::kMainBoard, board::layout::kCodeButton, board::Event::Click,
            enter_secret_code);
}

}  // namespace hero_mode

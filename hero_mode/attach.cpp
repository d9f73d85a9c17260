#include "hero_mode/attach.h"

#include "board/layout/main_board_view.h"
#include "hero_mode/secret_code.h"

namespace hero_mode {

void attach(board::Runtime& game) {
    game.on(board::layout::kMainBoard, board::layout::MainBoard::kCodeButton, board::Event::Click,
            enter_secret_code);
}

}  // namespace hero_mode

#include "app/game.h"

#include "board/layout/main_board.h"
#include "hero_mode/attach.h"
#include "info/attach.h"
#include "round_control/attach.h"
#include "scenes/attach.h"
#include "targets/attach.h"

namespace app {

void assemble(board::Runtime& game) {
    game.define(board::layout::main_board());
    round_control::attach(game);
    targets::attach(game);
    scenes::attach(game);
    hero_mode::attach(game);
    info::attach(game);
}

void launch(board::Runtime& game) {
    assemble(game);
    game.show(board::layout::kMainBoard);
    if (board::Display* display = game.display()) display->refresh();
}

}  // namespace app

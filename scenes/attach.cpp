#include "scenes/attach.h"

#include "board/layout/main_board.h"
#include "scenes/final_scene.h"
#include "scenes/opening_scene.h"

namespace scenes {

void attach(board::Game& game) {
    using board::Event;
    const auto board = board::layout::kMainBoard;
    game.on(board, "Timer4", Event::Timer, opening_scene_tick);
    game.on(board, "Timer5", Event::Timer, final_scene_tick);
}

}  // namespace scenes

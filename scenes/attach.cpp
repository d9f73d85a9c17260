#include "scenes/attach.h"

#include "board/layout/main_board_view.h"
#include "scenes/final_scene.h"
#include "scenes/opening_scene.h"

namespace scenes {

void attach(board::Runtime& game) {
    using board::Event;
    using B = board::layout::MainBoard;
    const auto main_board = board::layout::kMainBoard;
    game.on(main_board, B::kOpeningSceneTimer, Event::Timer, opening_scene_tick);
    game.on(main_board, B::kFinalSceneTimer, Event::Timer, final_scene_tick);
}

}  // namespace scenes

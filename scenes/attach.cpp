#include "scenes/attach.h"

#include "board/layout/main_board.h"
#include "scenes/final_scene.h"
#include "scenes/opening_scene.h"

namespace scenes {

void attach(board::Runtime& game) {
    using board::Event;
    using namespace board::layout;
    game.on(kMainBoard, kOpeningSceneTimer, Event::Timer, opening_scene_tick);
    game.on(kMainBoard, kFinalSceneTimer, Event::Timer, final_scene_tick);
}

}  // namespace scenes

#include "info/attach.h"

#include "board/layout/main_board.h"
#include "info/information_window.h"
#include "info/information_window_view.h"
#include "info/texts.h"
#include "info/visit.h"

namespace info {

void attach(board::Runtime& game) {
    using board::Event;
    game.define(information_window());
    game.on(board::layout::kMainBoard, board::layout::kInfoButton, Event::Click, open_information);
    game.on(kInfoWindow, kStoryButton, Event::Click, show_story);
    game.on(kInfoWindow, kGoalButton, Event::Click, show_goal);
    game.on(kInfoWindow, kAuthorButton, Event::Click, show_author);
    game.on(kInfoWindow, kEngineButton, Event::Click, show_engine);
    game.on(kInfoWindow, kLinksButton, Event::Click, show_links);
    game.on(kInfoWindow, kReturnButton, Event::Click, return_to_board);
    // Closing the window by its frame must not strand the player with the main
    // board hidden: it goes back exactly as the return button does.
    game.on(kInfoWindow, "", Event::Close, return_to_board);
}

}  // namespace info

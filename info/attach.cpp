#include "info/attach.h"

#include "board/layout/main_board.h"
#include "info/information_window.h"
#include "info/texts.h"
#include "info/visit.h"

namespace info {

void attach(board::Game& game) {
    using board::Event;
    game.define(information_window());
    game.on(board::layout::kMainBoard, "Commandinfo", Event::Click, open_information);
    game.on(kInfoWindow, "Command1", Event::Click, show_story);
    game.on(kInfoWindow, "Command2", Event::Click, show_goal);
    game.on(kInfoWindow, "Command3", Event::Click, show_author);
    game.on(kInfoWindow, "Command4", Event::Click, show_engine);
    game.on(kInfoWindow, "Command5", Event::Click, show_links);
    game.on(kInfoWindow, "Command7", Event::Click, return_to_board);
    // Closing the window by its frame must not strand the player with the main
    // board hidden: it goes back exactly as the return button does.
    game.on(kInfoWindow, "", Event::Close, return_to_board);
}

}  // namespace info

// The five text buttons of the information window: each puts its own text into
// the text field.
#pragma once

#include <string_view>

#include "board/game.h"

namespace info {

void show_story(board::Game& game);   // Command1, "С&южет"
void show_goal(board::Game& game);    // Command2, "&Цель"
void show_author(board::Game& game);  // Command3, "&Автор и составитель"
void show_engine(board::Game& game);  // Command4, "&База"
void show_links(board::Game& game);   // Command5, "Сс&ылки"

}  // namespace info

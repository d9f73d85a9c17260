// The five text buttons of the information window: each puts its own text into
// the text field.
#pragma once

#include <string_view>

#include "board/game.h"

namespace info {

void show_story(board::Game& game);   // "С&южет"
void show_goal(board::Game& game);    // "&Цель"
void show_author(board::Game& game);  // "&Автор и составитель"
void show_engine(board::Game& game);  // "&База"
void show_links(board::Game& game);   // "Сс&ылки"

}  // namespace info

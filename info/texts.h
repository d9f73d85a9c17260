// The five text buttons of the information window: each puts its own text into
// the text field.
#pragma once

#include <string_view>

#include "board/runtime.h"

namespace info {

void show_story(board::Runtime& game);   // "С&южет"
void show_goal(board::Runtime& game);    // "&Цель"
void show_author(board::Runtime& game);  // "&Автор и составитель"
void show_engine(board::Runtime& game);  // "&База"
void show_links(board::Runtime& game);   // "Сс&ылки"

}  // namespace info

// The desktop front end: shows the game's windows with Qt and feeds the game
// real mouse, keyboard and time.
#pragma once

namespace board {
class Runtime;
}

namespace desktop {

// Russian, the game font, and a life that ends with the main board.
void prepare_application(class QApplication& app);

// The desktop's double-click time and distance, for the game's own double clicks.
void use_double_click_settings(board::Runtime& game);

}  // namespace desktop

// The desktop front end: shows the game's windows with Qt and feeds the game
// real mouse, keyboard and time.
#pragma once

namespace desktop {

// Builds the game, opens the main board and runs until it is closed.
int run_game(int argc, char** argv);

// Russian, the game font, and a life that ends with the main board.
void prepare_application(class QApplication& app);

}  // namespace desktop

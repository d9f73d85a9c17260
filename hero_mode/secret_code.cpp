// The code button lies beyond the board's right edge, so only Alt+Y presses it.
// Every press shows the box; only the exact code (case and blanks count) makes
// the switch, and a wrong one is ignored without a word.
#include "hero_mode/secret_code.h"

#include "board/layout/main_board.h"
#include "hero_mode/friends_look.h"

namespace hero_mode {

void enter_secret_code(board::Game& game) {
    board::Window& f = game.form(board::layout::kMainBoard);
    board::Element& box = f["Text1"];
    box.set_visible(true);
    if (box.text() != kSecretCode) return;
    switch_to_friends_look(f);
}

}  // namespace hero_mode

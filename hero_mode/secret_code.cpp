// The code button lies beyond the board's right edge, so only Alt+Y presses it.
// Every press shows the box; only the exact code (case and blanks count) makes
// the switch, and a wrong one is ignored without a word.
#include "hero_mode/secret_code.h"

#include "hero_mode/friends_look.h"

namespace hero_mode {

void enter_secret_code(board::Runtime& game) {
    const LookView b(game);
    b.code_box.set_visible(true);
    if (b.code_box.text() != kSecretCode) return;
    switch_to_friends_look(b);
}

}  // namespace hero_mode

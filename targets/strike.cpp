#include "targets/strike.h"

#include "board/layout/main_board.h"
#include "board/number_text.h"

namespace targets {

namespace {
board::Window& main_board(board::Game& game) {
    return game.form(board::layout::kMainBoard);
}
}  // namespace

// The holders are read at every press and release, so that a switch of their
// images shows on the very next blow.
void press_target(board::Game& game, std::string_view target) {
    board::Window& f = main_board(game);
    f[target].set_mouse_icon(f["LabelSecretIcon"].mouse_icon());
}

void release_target(board::Game& game, std::string_view target) {
    board::Window& f = main_board(game);
    f[target].set_mouse_icon(f["LabelSecretIcon2"].mouse_icon());
}

void strike_target(board::Game& game, std::string_view target) {
    board::Window& f = main_board(game);
    board::Element& struck = f[target];
    // Worth goes by identity: only the very picture of the plain-robot holder
    // counts as the plain robot, however alike another picture may look.
    const int worth = board::same_picture(struck.picture(), f["Imagekrotsimple"].picture())
                          ? kPlainRobotWorth
                          : kOtherPictureWorth;
    board::Element& score = f["Labelscore"];
    score.set_caption(board::number_text(board::read_lenient(score.caption()) + worth));
    struck.set_visible(false);
}

}  // namespace targets

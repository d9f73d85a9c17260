#include "support/harness.h"

#include "board/number_text.h"

namespace testing_support {

namespace {
struct Middle {
    int x, y;
};
Middle middle_of(const board::Element& e) {
    return {e.window_left() + e.width() / 2, e.window_top() + e.height() / 2};
}
}  // namespace

Harness::Harness() {
    app::assemble(game);
    app::start(game);
}

void Harness::press_on(std::string_view element, board::MouseButton button,
                       std::string_view window) {
    const Middle m = middle_of(game.form(window)[element]);
    game.mouse_down(window, m.x, m.y, button);
}

void Harness::release_on(std::string_view element, board::MouseButton button,
                         std::string_view window) {
    const Middle m = middle_of(game.form(window)[element]);
    game.mouse_up(window, m.x, m.y, button);
}

void Harness::click_on(std::string_view element, std::string_view window) {
    press_on(element, board::MouseButton::Left, window);
    release_on(element, board::MouseButton::Left, window);
}

bool Harness::alt(char32_t key) {
    return game.access_key(game.active_window(), key);
}

int Harness::shown_targets() const {
    int shown = 0;
    for (const auto target : board::layout::kTargets) shown += board()[target].visible();
    return shown;
}

int Harness::score() const {
    return static_cast<int>(board::read_lenient(board()["Labelscore"].caption()));
}

}  // namespace testing_support

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

board::Window& assembled_and_started(board::Runtime& game) {
    app::launch(game);
    return game.window(board::layout::kMainBoard);
}
}  // namespace

Harness::Harness() : view(assembled_and_started(game)) {}

void Harness::press_on(const board::Element& element, board::MouseButton button) {
    const Middle m = middle_of(element);
    game.mouse_down(element.window().name(), m.x, m.y, button);
}

void Harness::release_on(const board::Element& element, board::MouseButton button) {
    const Middle m = middle_of(element);
    game.mouse_up(element.window().name(), m.x, m.y, button);
}

void Harness::click_on(const board::Element& element) {
    press_on(element, board::MouseButton::Left);
    release_on(element, board::MouseButton::Left);
}

bool Harness::alt(char32_t key) {
    return game.access_key(game.active_window(), key);
}

int Harness::shown_targets() const {
    int shown = 0;
    for (const board::Element* target : view.targets) shown += target->visible();
    return shown;
}

int Harness::score() const {
    return static_cast<int>(board::read_lenient(view.score.caption()));
}

}  // namespace testing_support

#include "support/harness.h"

#include <string>

#include "board/number_text.h"
#include "board/registers.h"
#include "support/main_board_view.h"

namespace testing_support {

namespace {
struct Middle {
    int x, y;
};
Middle middle_of(const board::Element& e) {
    return {e.window_left() + e.width() / 2, e.window_top() + e.height() / 2};
}
}  // namespace

Harness::Harness(const MakeDisplay& display)
    : display_(display ? display(game) : nullptr), view([this]() -> board::Window& {
          recorder_.listen_to(game);
          app::launch(game);
          return game.window(board::layout::kMainBoard);
      }()) {}

Harness::~Harness() = default;

void Harness::wait(board::Micros span) {
    board::advance(game, clock, span);
    catch_up();
}

void Harness::press_on(const board::Element& element, board::MouseButton button) {
    const Middle m = middle_of(element);
    game.mouse_down(element.window().name(), m.x, m.y, button);
    catch_up();
}

void Harness::release_on(const board::Element& element, board::MouseButton button) {
    const Middle m = middle_of(element);
    game.mouse_up(element.window().name(), m.x, m.y, button);
    catch_up();
}

void Harness::click_on(const board::Element& element) {
    press_on(element, board::MouseButton::Left);
    release_on(element, board::MouseButton::Left);
}

bool Harness::alt(char32_t key) {
    const bool pressed = game.access_key(game.active_window(), key);
    catch_up();
    return pressed;
}

bool Harness::set_interval(std::string_view text) {
    view.interval_box.set_text(std::string(text));
    return alt(keys::kSetInterval);
}

int Harness::shown_targets() const {
    int shown = 0;
    for (const board::Element* target : view.targets) shown += target->visible();
    return shown;
}

int Harness::score() const {
    return static_cast<int>(board::whole_lenient(view.score.caption()));
}

void Harness::set_score(int points) const {
    view.score.set_caption(board::number_text(std::int64_t{points}));
}

}  // namespace testing_support

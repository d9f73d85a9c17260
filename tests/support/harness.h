// The one rig the tests drive the game with: the whole game on a manual clock
// with a scripted random source, played the way a player plays it: the round's
// buttons by their access keys, clicks at places on the board, and time passing.
// The desktop tests extend it with the real toolkit (tests/desktop/desktop_support.h)
// and keep this vocabulary.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/game.h"
#include "board/clock.h"
#include "board/runtime.h"
#include "support/main_board_view.h"
#include "support/recorder.h"
#include "support/scripted_random.h"
#include "support/shared.h"

namespace testing_support {

// The access keys, in the case their captions mark them; other_case() gives
// the other one, for the checks that either case works.
namespace keys {
// The main board.
inline constexpr char32_t kStart = U'Н';        // "&Начать раунд"
inline constexpr char32_t kStop = U'с';         // "О&становить"
inline constexpr char32_t kContinue = U'П';     // "&Продолжить"
inline constexpr char32_t kSetInterval = U'У';  // "&Установить интервал"
inline constexpr char32_t kInformation = U'И';  // "&Информация"
inline constexpr char32_t kCode = U'Y';         // "&Y", beyond the board's edge
// The information window.
inline constexpr char32_t kStory = U'ю';   // "С&южет"
inline constexpr char32_t kGoal = U'Ц';    // "&Цель"
inline constexpr char32_t kAuthor = U'А';  // "&Автор и составитель"
inline constexpr char32_t kEngine = U'Б';  // "&База"
inline constexpr char32_t kLinks = U'ы';   // "Сс&ылки"
inline constexpr char32_t kReturn = U'О';  // "Отлично! &Обратно, пожалуйста!"
}  // namespace keys

// The other case of a Latin or Russian letter (ё aside, which no key uses).
constexpr char32_t other_case(char32_t c) {
    if ((c >= U'a' && c <= U'z') || (c >= U'а' && c <= U'я')) return c - 0x20;
    if ((c >= U'A' && c <= U'Z') || (c >= U'А' && c <= U'Я')) return c + 0x20;
    return c;
}

// The game's parts before anything is put together, for the tests of putting
// it together; the rig below launches them.
struct Unlaunched {
    board::ManualClock clock;
    ScriptedRandom random;
    board::Runtime game{clock, random};
};

class Harness : public Unlaunched {
  public:
    // Assembled, with the main board shown at time 0.
    Harness() : Harness(nullptr) {}
    virtual ~Harness();
    Harness(const Harness&) = delete;
    Harness& operator=(const Harness&) = delete;

    board::Window& board() const { return view.window; }
    // An element by its name in the layout, for the tests of the layout itself.
    board::Element& operator[](std::string_view name) const { return board()[name]; }

    // Lets time pass, delivering every timer tick on the way.
    void wait(board::Micros span);
    void wait_ms(std::int64_t ms) { wait(board::milliseconds(ms)); }

    // A left click (press and release) at the middle of an element, in its window.
    void click_on(const board::Element& element);
    void press_on(const board::Element& element,
                  board::MouseButton button = board::MouseButton::Left);
    void release_on(const board::Element& element,
                    board::MouseButton button = board::MouseButton::Left);
    // Alt with a character, on the active window; false when no button took it.
    virtual bool alt(char32_t key);

    // The player's moves by name, each by its access key as the player presses
    // it; false when the key found no button to press.
    bool start_round() { return alt(keys::kStart); }
    bool stop_round() { return alt(keys::kStop); }
    bool continue_round() { return alt(keys::kContinue); }
    // Types the text over the interval box, then presses the button beside it.
    bool set_interval(std::string_view text);
    // A click on "X", which has no key.
    void reset_statistics() { click_on(view.reset_statistics_button); }
    bool open_information() { return alt(keys::kInformation); }
    bool return_to_board() { return alt(keys::kReturn); }
    bool press_code_button() { return alt(keys::kCode); }

    // The score, read as every handler reads it; and set, for a test that needs
    // a round to stand at some score.
    int score() const;
    void set_score(int points) const;
    // How many of the twelve targets are on view.
    int shown_targets() const;

    // What the player has been told, and whether the game has ended.
    const std::vector<std::string>& told() const { return recorder_.told(); }
    bool ended() const { return recorder_.ended(); }

  protected:
    // For a rig that shows the game: `display` puts up whatever shows it before
    // the launch, and lives until close_display() or the rig's end.
    using MakeDisplay = std::function<std::unique_ptr<board::Display>(board::Runtime&)>;
    explicit Harness(const MakeDisplay& display);
    board::Display* display() const { return display_.get(); }
    void close_display() { display_.reset(); }
    // Called after every input and every wait, for a display to catch up.
    virtual void catch_up() {}

  private:
    Recorder recorder_;  // outlives the display it stands before
    std::unique_ptr<board::Display> display_;

  public:
    // The main board's elements by role, bound once the board is there.
    const MainBoard view;
};

}  // namespace testing_support

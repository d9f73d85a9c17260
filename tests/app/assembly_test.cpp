// Putting the real game together: every handler finds the window, element and
// event it is wired to, and a launch leaves the main board shown and on the view.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "app/game.h"
#include "board/clock.h"
#include "board/layout/main_board.h"
#include "support/harness.h"
#include "support/main_board_view.h"

namespace {

using board::Event;
using board::layout::kMainBoard;
using testing_support::MainBoard;

using testing_support::Unlaunched;

// The message a registration fails with, or "" when it succeeds.
std::string wiring_error(board::Runtime& game, std::string_view window, std::string_view element,
                         Event event) {
    try {
        game.on(window, element, event, [](board::Runtime&) {});
    } catch (const std::logic_error& error) {
        return error.what();
    }
    return {};
}

TEST(Assembly, TheRealGameWiresEveryHandlerToSomethingThatExists) {
    Unlaunched f;
    EXPECT_NO_THROW(app::assemble(f.game));
}

TEST(Assembly, AMisspeltElementOnTheMainBoardFailsNamingIt) {
    Unlaunched f;
    app::assemble(f.game);
    // As an attach function would write it, with one letter missing.
    const std::string error = wiring_error(f.game, kMainBoard, "Comandstart", Event::Click);
    EXPECT_NE(error.find("Comandstart"), std::string::npos) << error;
    EXPECT_NE(error.find(kMainBoard), std::string::npos) << error;
    EXPECT_NE(error.find("no such element"), std::string::npos) << error;
    // The right name with an event its kind never raises fails just as loudly.
    EXPECT_NE(wiring_error(f.game, kMainBoard, board::layout::kBoardTickTimer, Event::Click)
                  .find(board::layout::kBoardTickTimer),
              std::string::npos);
    // And the right one is accepted.
    EXPECT_EQ(wiring_error(f.game, kMainBoard, board::layout::kStartButton, Event::Click), "");
}

// Records what the main board looked like each time the view was asked to show it.
class RecordingView final : public board::Display {
  public:
    explicit RecordingView(board::Runtime& game) : game_(game) {}
    void refresh() override {
        const board::Window* board = game_.find_window(kMainBoard);
        shown_at_refresh.push_back(board && board->visible());
    }
    void tell_player(const std::string& message) override { told.push_back(message); }
    void quit() override {}

    std::vector<bool> shown_at_refresh;
    std::vector<std::string> told;

  private:
    board::Runtime& game_;
};

TEST(Assembly, ALaunchShowsTheMainBoardAndBringsTheViewUpToDateLast) {
    Unlaunched f;
    RecordingView view(f.game);
    f.game.set_display(&view);
    app::launch(f.game);
    ASSERT_NE(f.game.find_window(kMainBoard), nullptr);
    EXPECT_TRUE(f.game.window(kMainBoard).visible());
    ASSERT_FALSE(view.shown_at_refresh.empty());
    EXPECT_TRUE(view.shown_at_refresh.back());
    EXPECT_TRUE(view.told.empty());
    f.game.set_display(nullptr);
}

}  // namespace

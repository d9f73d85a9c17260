// Plays one round on the real desktop event loop (offscreen unless told
// otherwise) and reports how well it keeps time: the wall-clock length of the
// round, and how far the board tick's periods stray from their interval.
// Run: build/bench/drovanta_round_timing   (takes a little over a minute)
#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

#include "app/game.h"
#include "board/clock.h"
#include "board/layout/main_board.h"
#include "board/random.h"
#include "desktop/desktop.h"
#include "desktop/screen.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    desktop::prepare_application(app);

    board::SteadyClock clock;
    board::UniformRandom random;
    board::Runtime game(clock, random);
    desktop::Screen screen(game);
    app::launch(game);

    using board::layout::kMainBoard;
    using Wall = std::chrono::steady_clock;
    Wall::time_point started;
    std::vector<Wall::time_point> board_ticks;
    double round_ms = 0;
    int clock_ticks = 0;
    game.observe([&](const std::string&, const std::string& element, board::Event event) {
        if (event != board::Event::Timer) return;
        const auto now = Wall::now();
        if (element == board::layout::kBoardTickTimer) board_ticks.push_back(now);
        if (element == board::layout::kRoundClockTimer) {
            ++clock_ticks;
            if (!game.window(kMainBoard)[board::layout::kRoundClockTimer].enabled()) {
                round_ms = std::chrono::duration<double, std::milli>(now - started).count();
                QApplication::quit();
            }
        }
    });
    // Start the round from the event loop, as a player's click would.
    QTimer::singleShot(500, [&] {
        started = Wall::now();
        game.click(kMainBoard, board::layout::kStartButton);
    });
    QApplication::exec();

    std::vector<double> deviations;
    const double interval = game.window(kMainBoard)[board::layout::kBoardTickTimer].interval();
    for (std::size_t i = 1; i < board_ticks.size(); ++i) {
        const double period =
            std::chrono::duration<double, std::milli>(board_ticks[i] - board_ticks[i - 1]).count();
        deviations.push_back(period - interval);
    }
    double mean = 0, worst = 0;
    for (double d : deviations) {
        mean += d;
        worst = std::max(worst, std::fabs(d));
    }
    if (!deviations.empty()) mean /= static_cast<double>(deviations.size());
    const double first_tick =
        board_ticks.empty()
            ? 0
            : std::chrono::duration<double, std::milli>(board_ticks[0] - started).count();

    std::printf("round length:            %.3f ms (60000 ms wanted, off by %+.3f ms)\n", round_ms,
                round_ms - 60000.0);
    std::printf("clock ticks:             %d\n", clock_ticks);
    std::printf("board ticks:             %zu (first %.3f ms after the start)\n",
                board_ticks.size(), first_tick);
    std::printf(
        "board tick period:       mean deviation %+.3f ms, worst %.3f ms (interval %.0f ms)\n",
        mean, worst, interval);
    return 0;
}

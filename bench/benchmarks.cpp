// What one click through the game costs, and one full repaint of the main board.
// Run: QT_QPA_PLATFORM=offscreen build/bench/drovanta_bench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <memory>
#include <string>

#ifdef DROVANTA_BENCH_READER
#include <QAccessible>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#endif

#include "app/game.h"
#include "board/clock.h"
#include "board/layout/main_board.h"
#include "board/random.h"
#include "desktop/desktop.h"
#include "desktop/screen.h"

namespace {

using board::layout::kMainBoard;

// The game on a manual clock, launched without a screen or, for the repaint, on one.
struct Headless {
    board::ManualClock clock;
    board::UniformRandom random;
    board::Runtime game{clock, random};
    std::unique_ptr<desktop::Screen> screen;
    explicit Headless(bool on_screen = false) {
        if (on_screen) screen = std::make_unique<desktop::Screen>(game);
        app::launch(game);
    }
};

// The reset button: a press, a release and a click routed by position.
void BM_ButtonClickThroughTheModel(benchmark::State& state) {
    Headless h;
    const board::Element& button = h.game.window(kMainBoard)[board::layout::kResetStatisticsButton];
    const int x = button.left() + 100, y = button.top() + 100;
    for (auto _ : state) {
        h.game.mouse_down(kMainBoard, x, y);
        h.game.mouse_up(kMainBoard, x, y);
        h.clock.set(h.clock.now() + board::seconds(1));
    }
}
BENCHMARK(BM_ButtonClickThroughTheModel);

// A strike on a shown target, scored and hidden.
void BM_TargetStrikeThroughTheModel(benchmark::State& state) {
    Headless h;
    h.game.click(kMainBoard, board::layout::kStartButton);
    board::Element& target = h.game.window(kMainBoard)[board::layout::kTargets[5]];
    const int x = target.window_left() + target.width() / 2;
    const int y = target.window_top() + target.height() / 2;
    for (auto _ : state) {
        target.set_visible(true);
        h.game.mouse_down(kMainBoard, x, y);
        h.game.mouse_up(kMainBoard, x, y);
        h.clock.set(h.clock.now() + board::seconds(1));
    }
}
BENCHMARK(BM_TargetStrikeThroughTheModel);

// The same strike with the desktop screen attached, which brings every widget
// up to date after the game has handled the input.
void BM_TargetStrikeOnScreen(benchmark::State& state) {
    Headless h(true);
    h.game.click(kMainBoard, board::layout::kStartButton);
    board::Element& target = h.game.window(kMainBoard)[board::layout::kTargets[5]];
    const int x = target.window_left() + target.width() / 2;
    const int y = target.window_top() + target.height() / 2;
    for (auto _ : state) {
        target.set_visible(true);
        h.game.mouse_down(kMainBoard, x, y);
        h.game.mouse_up(kMainBoard, x, y);
        h.clock.set(h.clock.now() + board::seconds(1));
    }
}
BENCHMARK(BM_TargetStrikeOnScreen);

// A whole board tick of a running round: eight draws and the re-deal.
void BM_BoardTick(benchmark::State& state) {
    Headless h;
    h.game.click(kMainBoard, board::layout::kStartButton);
    board::Window& board = h.game.window(kMainBoard);
    board[board::layout::kRoundClockTimer].set_enabled(false);
    const board::Element& board_tick_timer = board[board::layout::kBoardTickTimer];
    for (auto _ : state) {
        h.clock.set(board_tick_timer.due());
        h.game.run_due_timers();
    }
}
BENCHMARK(BM_BoardTick);

// Everything on the board painted once into an offscreen image.
void BM_RepaintMainBoard(benchmark::State& state) {
    const qreal dpr = static_cast<qreal>(state.range(0));
    Headless h(true);
    h.game.click(kMainBoard, board::layout::kStartButton);
    board::advance(h.game, h.clock, board::milliseconds(800));  // targets on view
    desktop::WindowWidget* view = h.screen->widget_of(kMainBoard);
    QImage image(view->size() * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    view->render(&image);  // fill the caches of scaled pictures first
    for (auto _ : state) {
        QPainter painter(&image);
        view->render(&painter);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel("device pixel ratio " + std::to_string(static_cast<int>(dpr)));
}
BENCHMARK(BM_RepaintMainBoard)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// One refresh of the board after the score changed and a target came or went,
// with no screen reader (0) and with one listening (1): the difference is what
// telling the reader costs.
void BM_RefreshAfterAChange(benchmark::State& state) {
    const bool reader = state.range(0) != 0;
    Headless h(true);
    h.game.click(kMainBoard, board::layout::kStartButton);
    board::Window& board = h.game.window(kMainBoard);
    board::Element& shown_score = board[board::layout::kScore];
    board::Element& target = board[board::layout::kTargets[5]];
#ifdef DROVANTA_BENCH_READER
    QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
    if (reader) {
        platform->setActive(true);
        QAccessible::queryAccessibleInterface(h.screen->widget_of(kMainBoard)->canvas());
    }
#endif
    int score = 0;
    for (auto _ : state) {
        score += 10;
        shown_score.set_caption(std::to_string(score));
        target.set_visible(score % 20 == 0);
        h.screen->refresh();
    }
#ifdef DROVANTA_BENCH_READER
    if (reader) platform->setActive(false);
#endif
    state.SetLabel(reader ? "a screen reader listening" : "no screen reader");
}
#ifdef DROVANTA_BENCH_READER
BENCHMARK(BM_RefreshAfterAChange)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
#else
BENCHMARK(BM_RefreshAfterAChange)->Arg(0)->Unit(benchmark::kMicrosecond);
#endif

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    desktop::prepare_application(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

#include "round/lifecycle.h"

#include "board/failure.h"
#include "board/layout/main_board.h"
#include "board/number_text.h"

namespace round_control {

using board::Game;
using board::layout::kMainBoard;
using board::layout::kTargets;

namespace {

board::Window& main_board(Game& game) {
    return game.form(kMainBoard);
}

void switch_round_timers(board::Window& f, bool on) {
    f["Timer1"].set_enabled(on);
    f["Timer2"].set_enabled(on);
    f["Timer3"].set_enabled(on);
}

void let_targets_and_ring_take_clicks(board::Window& f, bool enabled) {
    for (const auto target : kTargets) f[target].set_enabled(enabled);
    f["Imagegas"].set_enabled(enabled);
}

// The leading number of the interval box, rounded to whole milliseconds.
std::int64_t interval_from(const board::Element& box) {
    return board::round_half_even(board::read_lenient(box.text()));
}

}  // namespace

void start_up(Game& game) {
    game.randomize();
}

void start_round(Game& game) {
    board::Window& f = main_board(game);
    f["Labelscore"].set_caption("0");
    f["LabelTime"].set_caption("60");
    f["Commandstop"].set_enabled(true);
    f["Commandcontinue"].set_enabled(false);
    switch_round_timers(f, true);
    // A fresh round starts on a clean board: no target or ring left over from
    // the last round can be struck before the first board tick.
    for (const auto target : kTargets) f[target].set_visible(false);
    f["Imagegas"].set_visible(false);
    let_targets_and_ring_take_clicks(f, true);
    // Clear away the final scene of an earlier round; its timer runs on.
    f["Frame1"].set_visible(false);
    f["Imagebaze"].set_picture(f["Image17"].picture());
    f["Labelbazegenerator"].set_tag("0");
    f["Label20"].set_visible(false);
    f["Image21"].set_visible(false);
    f["Shape1"].set_top(840);
    f["Shape1"].set_left(1920);
}

void stop_round(Game& game) {
    board::Window& f = main_board(game);
    switch_round_timers(f, false);
    let_targets_and_ring_take_clicks(f, false);
    f["Commandcontinue"].set_enabled(true);
}

void continue_round(Game& game) {
    board::Window& f = main_board(game);
    switch_round_timers(f, true);
    let_targets_and_ring_take_clicks(f, true);
}

void set_interval(Game& game) {
    board::Window& f = main_board(game);
    board::Element& box = f["Textspeed"];
    try {
        // Check the number before either timer takes it, so that a refused
        // number leaves both timers as they were.
        const std::int64_t board_tick = interval_from(box);
        if (board_tick < 0 || board_tick > 65535) {
            throw board::Failure(board::FailureCode::InvalidPropertyValue, "interval");
        }
        f["Timer1"].set_interval(board_tick);
        f["Timer3"].set_interval(interval_from(box));
    } catch (const board::Failure&) {
        game.tell_player(interval_refused_message(box.text()));
    }
}

void reset_statistics(Game& game) {
    board::Window& f = main_board(game);
    f["Label5"].set_caption("0");
    f["Label7"].set_caption("0");
}

std::string interval_refused_message(const std::string& typed) {
    return "Интервал «" + typed +
           "» не подходит: введите целое число миллисекунд от 0 до 65535. "
           "Прежний интервал остаётся в силе.";
}

}  // namespace round_control

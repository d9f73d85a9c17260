#include "board/layout/main_board_news.h"

#include "board/layout/main_board.h"
#include "board/layout/spoken_names.h"
#include "board/reading.h"
#include "board/registers.h"

namespace board::layout {

namespace {

void add(std::string& said, std::string_view words) {
    if (words.empty()) return;
    if (!said.empty()) said += ' ';
    said += words;
}

}  // namespace

MainBoardNews::Seen::Seen(Window& w)
    : round_clock_timer(w[kRoundClockTimer]),
      stop_button(w[kStopButton]),
      continue_button(w[kContinueButton]),
      time_left(w[kTimeLeft]),
      score(w[kScore]),
      best_score(w[kBestScore]),
      rounds_played(w[kRoundsPlayed]),
      final_panel(w[kFinalPanel]),
      secret_hint(w[kSecretHint]),
      portrait(w[kPortrait]),
      friends_picture(w[kFriendsPicture]) {}

MainBoardNews::MainBoardNews(Window& window) : board_(window), last_(look()) {
    best_before_round_ = last_.best;
}

MainBoardNews::Moment MainBoardNews::look() const {
    return {
        .running = board_.round_clock_timer.enabled(),
        .stop_offered = board_.stop_button.enabled(),
        .continue_offered = board_.continue_button.enabled(),
        .seconds = whole_lenient(board_.time_left.caption()),
        .points = whole_lenient(board_.score.caption()),
        .best = whole_lenient(board_.best_score.caption()),
        .rounds = whole_lenient(board_.rounds_played.caption()),
        .base_destroyed = board_.final_panel.visible(),
        .hint_shown = board_.secret_hint.visible(),
        .friends_look = board_.portrait.picture() == board_.friends_picture.picture(),
    };
}

std::string MainBoardNews::operator()() {
    const Moment was = last_;
    const Moment is = look();
    last_ = is;
    // "X" clears the statistics, and the round then races zero: seen by the best
    // score falling, or, where a board tick has raised it again since, by the
    // rounds played falling.
    if (is.best < best_before_round_ || is.rounds < was.rounds) best_before_round_ = 0;

    std::string said;
    // The clock stopped with the stop button gone: the round is over (a pause
    // leaves stop on). The rounds played are no sign: "X" clears them.
    const bool ended = was.running && !is.running && !is.stop_offered;
    if (ended) {
        add(said, spoken_round_over(std::to_string(is.points)));
        add(said, is.points > best_before_round_ ? kSaidNewBest
                                                 : spoken_best_stands(std::to_string(is.best)));
        best_before_round_ = is.best;
    }
    if (is.running) {
        // A start sets the clock afresh and leaves continue off; a continue after
        // a stop leaves continue on and the clock where it stood.
        const bool started = is.seconds > was.seconds || (!was.running && !is.continue_offered);
        if (started) {
            best_before_round_ = is.best;
            add(said, spoken_round_started(is.seconds));
        } else if (!was.running) {
            add(said, kSaidRoundContinues);
        }
    } else if (was.running && !ended) {
        add(said, kSaidRoundStopped);
    }
    if (is.base_destroyed && !was.base_destroyed) add(said, tidy(board_.final_panel.caption()));
    if (is.hint_shown && !was.hint_shown) add(said, tidy(board_.secret_hint.caption()));
    if (is.friends_look && !was.friends_look) add(said, kSaidFriendsLook);
    return said;
}

}  // namespace board::layout

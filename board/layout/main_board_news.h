// The moments of the main board that a sighted player notices without looking
// for them, put into words for a screen reader to say unasked: a round begins,
// stops, goes on and ends with its score; the base falls; the hint line shows;
// the friend's look comes on. The time ticking and each strike are not news: a
// reader asks for those when they want them.
#pragma once

#include <cstdint>
#include <string>

#include "board/window.h"

namespace board::layout {

class MainBoardNews {
  public:
    explicit MainBoardNews(Window& window);
    // What happened since the last call (or since this was made), in words; empty
    // when nothing worth saying did.
    std::string operator()();

  private:
    struct Moment {
        bool running = false;           // the round clock ticks
        bool stop_offered = false;      // off again once the round is over
        bool continue_offered = false;  // a start leaves it off, a stop on
        std::int64_t seconds = 0, points = 0, best = 0, rounds = 0;
        bool base_destroyed = false, hint_shown = false, friends_look = false;
    };
    Moment look() const;

    // What the news is read from: the round's buttons and fields, the final
    // panel and the hint line, and the portrait that shows whose look is on.
    struct Seen {
        explicit Seen(Window& w);
        const Element &round_clock_timer, &stop_button, &continue_button, &time_left, &score,
            &best_score, &rounds_played, &final_panel, &secret_hint, &portrait, &friends_picture;
    };
    Seen board_;
    Moment last_;
    // The best score when the round began: the board tick raises the best score
    // as the score climbs, so only this says whether the round beat it.
    std::int64_t best_before_round_ = 0;
};

}  // namespace board::layout

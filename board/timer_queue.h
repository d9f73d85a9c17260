// The timers of every loaded window, driven from one clock: when the next one
// falls due, and one tick for each timer that is due, earliest first.
#pragma once

#include <optional>

#include "board/time_units.h"

namespace board {

class Element;
class Window;
class WindowLife;

class TimerQueue {
  public:
    // Hands a tick to the runtime, which runs the timer's handler.
    class Ticker {
      public:
        virtual void tick(Window& window, Element& timer) = 0;

      protected:
        ~Ticker() = default;
    };

    explicit TimerQueue(const WindowLife& windows) : windows_(windows) {}

    // The earliest moment at which a timer falls due, if any is running.
    std::optional<Micros> next_due() const;
    // Every timer due at `now` gets one tick, in the order in which they fell
    // due; a tick's handler may switch other timers off or on, or unload their
    // window, in between.
    void run_due(Micros now, Ticker& ticker) const;

  private:
    const WindowLife& windows_;
};

}  // namespace board

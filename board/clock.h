// Time as the model sees it. Timers tick from a clock that is handed in: the
// desktop uses the real monotonic clock, tests a manual one that they advance.
#pragma once

#include <cstdint>

#include "board/time_units.h"

namespace board {

class Clock {
  public:
    virtual ~Clock() = default;
    virtual Micros now() const = 0;
    // Something that differs from run to run, to seed the random source with.
    virtual std::uint64_t entropy() const = 0;
};

class SteadyClock final : public Clock {
  public:
    SteadyClock();
    Micros now() const override;
    std::uint64_t entropy() const override;

  private:
    Micros origin_;
};

class ManualClock final : public Clock {
  public:
    explicit ManualClock(Micros start = 0, std::uint64_t entropy = 1)
        : now_(start), entropy_(entropy) {}
    Micros now() const override { return now_; }
    std::uint64_t entropy() const override { return entropy_; }
    void set(Micros t) { now_ = t; }

  private:
    Micros now_;
    std::uint64_t entropy_;
};

}  // namespace board

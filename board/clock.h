// Time as the model sees it. Timers tick from a clock that is handed in: the
// desktop uses the real monotonic clock, tests a manual one that they advance.
#pragma once

#include <cstdint>

#include "board/element.h"

namespace board {

// The platform's timer granularity: no timer ticks more often than 64 times a second.
constexpr Micros kTimerGranularity = 15'625;

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

constexpr Micros milliseconds(std::int64_t ms) {
    return ms * 1000;
}
constexpr Micros seconds(std::int64_t s) {
    return s * 1'000'000;
}

}  // namespace board

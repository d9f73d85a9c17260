// Time as the model counts it, and the one rule that turns a timer's interval
// into the span between its ticks.
#pragma once

#include <algorithm>
#include <cstdint>

namespace board {

using Micros = std::int64_t;  // a moment or a span of time in microseconds

constexpr Micros milliseconds(std::int64_t ms) {
    return ms * 1000;
}
constexpr Micros seconds(std::int64_t s) {
    return s * 1'000'000;
}

// The platform's timer granularity: no timer ticks more often than 64 times a second.
constexpr Micros kTimerGranularity = 15'625;

// The intervals a timer accepts, in milliseconds; 0 keeps it from ticking.
constexpr std::int64_t kIntervalMin = 0;
constexpr std::int64_t kIntervalMax = 65535;
constexpr bool interval_in_range(std::int64_t ms) {
    return ms >= kIntervalMin && ms <= kIntervalMax;
}

// The span between two ticks of a timer with this interval (above 0).
constexpr Micros timer_period(int interval_ms) {
    return std::max<Micros>(milliseconds(interval_ms), kTimerGranularity);
}

}  // namespace board

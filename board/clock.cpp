#include "board/clock.h"

#include <chrono>

namespace board {

namespace {
Micros steady_micros() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}
}  // namespace

SteadyClock::SteadyClock() : origin_(steady_micros()) {}

Micros SteadyClock::now() const {
    return steady_micros() - origin_;
}

std::uint64_t SteadyClock::entropy() const {
    using namespace std::chrono;
    return static_cast<std::uint64_t>(
        duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count());
}

}  // namespace board

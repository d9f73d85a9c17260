// A random source that hands out the fractions a test has lined up, then a fixed
// fallback; it remembers how many it handed out.
#pragma once

#include <deque>
#include <stdexcept>

#include "board/random.h"

namespace testing_support {

class ScriptedRandom final : public board::RandomSource {
  public:
    void seed(std::uint64_t seed) override { last_seed = seed, ++seeded; }
    double next() override {
        ++drawn;
        if (script.empty()) return fallback;
        const double v = script.front();
        script.pop_front();
        return v;
    }
    // Lines up the fraction that a draw below n turns into `value`.
    void push_draw(int value, int n) { script.push_back((value + 0.5) / n); }
    void push(double fraction) { script.push_back(fraction); }

    std::deque<double> script;
    double fallback = 0.0;
    int drawn = 0;
    int seeded = 0;
    std::uint64_t last_seed = 0;
};

}  // namespace testing_support

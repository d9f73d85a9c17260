// The game's one source of random fractions, uniform in [0, 1).
#pragma once

#include <cstdint>
#include <random>

namespace board {

class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual void seed(std::uint64_t seed) = 0;
    // A fraction in [0, 1), never 1.
    virtual double next() = 0;
};

class UniformRandom final : public RandomSource {
  public:
    void seed(std::uint64_t seed) override { engine_.seed(seed); }
    double next() override {
        // 53 random bits make every double of the form k / 2^53, all below 1.
        return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
    }

  private:
    std::mt19937_64 engine_{5489u};
};

}  // namespace board

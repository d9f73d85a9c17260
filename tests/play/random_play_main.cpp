// Runs seeded random play and reports what it did and how fast:
//   drovanta_random_play [--events N] [--seed S]
// Exits with 1 and the story of the broken invariant when one breaks.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "play/random_play.h"

int main(int argc, char** argv) {
    long long events = 100000;
    unsigned long long seed = 1;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--events") == 0) {
            events = std::atoll(argv[i + 1]);
        } else if (std::strcmp(argv[i], "--seed") == 0) {
            seed = std::strtoull(argv[i + 1], nullptr, 10);
        } else {
            std::fprintf(stderr, "usage: %s [--events N] [--seed S]\n", argv[0]);
            return 2;
        }
    }

    const auto started = std::chrono::steady_clock::now();
    play::RandomPlay game(seed);
    const play::Outcome out = game.run(events);
    const double secs =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

    std::printf(
        "seed %llu: %lld events (%lld handlers, %lld board ticks, %lld starts, %lld visits to "
        "the information window, %lld messages), best score %d\n",
        seed, static_cast<long long>(out.events), static_cast<long long>(out.dispatched),
        static_cast<long long>(out.board_ticks), static_cast<long long>(out.starts),
        static_cast<long long>(out.info_visits), static_cast<long long>(out.told), out.best_score);
    std::printf("%.2f s, %.0f events per second\n", secs, out.events / secs);
    if (out.violation) {
        std::printf("BROKEN: %s\n", out.violation->c_str());
        return 1;
    }
    return 0;
}

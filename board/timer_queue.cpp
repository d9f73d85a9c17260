#include "board/timer_queue.h"

#include <algorithm>
#include <string>
#include <vector>

#include "board/window_life.h"

namespace board {

std::optional<Micros> TimerQueue::next_due() const {
    std::optional<Micros> earliest;
    for (const auto& w : windows_.loaded()) {
        for (const auto& e : w->elements()) {
            if (e->kind() != Kind::Timer || e->due() < 0) continue;
            if (!earliest || e->due() < *earliest) earliest = e->due();
        }
    }
    return earliest;
}

void TimerQueue::run_due(Micros now, Ticker& ticker) const {
    struct Due {
        Micros at;
        std::uint64_t window_serial;
        std::string window;
        Element* timer;
    };
    std::vector<Due> due;
    for (const auto& w : windows_.loaded()) {
        for (const auto& e : w->elements()) {
            if (e->kind() == Kind::Timer && e->due() >= 0 && e->due() <= now) {
                due.push_back({e->due(), w->serial(), w->name(), e.get()});
            }
        }
    }
    std::stable_sort(due.begin(), due.end(),
                     [](const Due& a, const Due& b) { return a.at < b.at; });
    for (const Due& d : due) {
        // A timer whose window was unloaded meanwhile is gone with it.
        Window* w = windows_.same(d.window, d.window_serial);
        if (!w) continue;
        if (d.timer->due() < 0 || d.timer->due() > now) continue;
        d.timer->take_tick(now);
        ticker.tick(*w, *d.timer);
    }
}

}  // namespace board

#include "board/runtime.h"

#include <algorithm>
#include <exception>

#include "board/failure.h"

namespace board {

class Runtime::Batch {
  public:
    explicit Batch(Runtime& runtime)
        : runtime_(runtime), exceptions_(std::uncaught_exceptions()) {
        ++runtime_.batch_depth_;
    }
    // Refreshes only on the way out of a call that ended normally: one that
    // throws leaves the screen to whoever catches it.
    ~Batch() noexcept(false) {
        if (--runtime_.batch_depth_ > 0 || !runtime_.refresh_due_) return;
        runtime_.refresh_due_ = false;
        if (std::uncaught_exceptions() == exceptions_) runtime_.refresh();
    }
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

  private:
    Runtime& runtime_;
    int exceptions_;
};

template <typename Call>
void Runtime::run(Call&& call) {
    try {
        call();
    } catch (const Failure& failure) {
        tell_player(failure_message(failure));
    }
}

Runtime::Runtime(Clock& clock, RandomSource& random)
    : clock_(clock),
      random_(random),
      windows_(*this),
      timers_(windows_),
      router_(windows_, clock_, *this) {}
Runtime::~Runtime() = default;

void Runtime::on(std::string_view window, std::string_view element, Event event,
                 Handler handler) {
    handlers_.add(windows_.layout(window), window, element, event, std::move(handler));
}

void Runtime::on(std::string_view window, std::string_view element, Event event,
                 std::function<void(Runtime&, Element&)> handler) {
    on(window, element, event,
       Handler([h = std::move(handler)](Runtime& r, Element& e, const EventArgs&) { h(r, e); }));
}

void Runtime::on(std::string_view window, std::string_view element, Event event,
                 std::function<void(Runtime&)> handler) {
    if (element.empty()) {
        handlers_.add(windows_.layout(window), window, event, std::move(handler));
        return;
    }
    on(window, element, event,
       Handler([h = std::move(handler)](Runtime& r, Element&, const EventArgs&) { h(r); }));
}

void Runtime::on_each(std::string_view window, std::span<const std::string_view> elements,
                      Event event, std::function<void(Runtime&, Element&)> handler) {
    for (const std::string_view element : elements) on(window, element, event, handler);
}

// --- windows -------------------------------------------------------------------

std::vector<Window*> Runtime::windows() const {
    std::vector<Window*> out;
    for (const auto& w : windows_.loaded()) out.push_back(w.get());
    return out;
}

void Runtime::show(std::string_view name) {
    Window* w = windows_.find(name);
    if (!w) {
        w = &windows_.create(name);
        const std::uint64_t serial = w->serial();
        if (const WindowHandler* load = handlers_.find(*w, Event::Load)) {
            run([&] { (*load)(*this); });
        }
        // The Load handler may have unloaded the window it was loading.
        w = windows_.same(name, serial);
        if (!w) return;
    }
    windows_.show(*w);
}

void Runtime::hide(std::string_view name) {
    windows_.hide(windows_.get(name));
}

void Runtime::unload(std::string_view name) {
    router_.forget(name);
    windows_.unload(name);
}

void Runtime::request_close(std::string_view name) {
    Window* w = windows_.find(name);
    if (!w) return;
    const Batch batch(*this);
    if (const WindowHandler* close = handlers_.find(*w, Event::Close)) {
        run([&] { (*close)(*this); });
    } else if (w == windows_.loaded().front().get()) {
        // The first window is the main one: closing it ends the program.
        if (display_) display_->quit();
        return;
    } else {
        unload(name);
    }
    refresh_due_ = true;
}

// --- time and chance -----------------------------------------------------------

void Runtime::randomize() {
    random_.seed(clock_.entropy());
}

void Runtime::run_due_timers() {
    const Batch batch(*this);
    timers_.run_due(clock_.now(), *this);
}

void Runtime::tick(Window& window, Element& timer) {
    deliver(window, timer, Event::Timer, {});
}

void advance(Runtime& runtime, ManualClock& clock, Micros span) {
    const Micros target = clock.now() + span;
    for (auto due = runtime.next_due(); due && *due <= target; due = runtime.next_due()) {
        clock.set(std::max(*due, clock.now()));
        runtime.run_due_timers();
    }
    clock.set(target);
}

// --- input ---------------------------------------------------------------------

void Runtime::mouse_down(std::string_view window, int x, int y, MouseButton button, int shift) {
    const Batch batch(*this);
    router_.press(window, x, y, button, shift);
}

void Runtime::mouse_up(std::string_view window, int x, int y, MouseButton button, int shift) {
    const Batch batch(*this);
    router_.release(window, x, y, button, shift);
}

bool Runtime::tap(std::string_view window, int x, int y) {
    const Batch batch(*this);
    return router_.tap(window, x, y);
}

bool Runtime::click(std::string_view window, std::string_view button) {
    const Batch batch(*this);
    return router_.click(window, button);
}

bool Runtime::access_key(std::string_view window, char32_t key) {
    const Batch batch(*this);
    return router_.access_key(window, key);
}

// --- dispatch ------------------------------------------------------------------

void Runtime::deliver(Window& window, Element& element, Event event, const EventArgs& args) {
    refresh_due_ = true;
    const Handler* handler = handlers_.find(element, event);
    const auto call = [&] {
        if (handler) run([&] { (*handler)(*this, element, args); });
    };
    if (!observer_) return call();
    // Copy the names: the handler may unload the very window they belong to.
    const std::string window_name = window.name();
    const std::string element_name = element.name();
    call();
    observer_(window_name, element_name, event);
}

void Runtime::refresh() {
    if (display_) display_->refresh();
}

void Runtime::tell_player(const std::string& message) {
    if (display_) display_->tell_player(message);
}

}  // namespace board

// The element runtime: the windows and their lives, the handlers wired to their
// elements, the timers, the random source, and the routing of mouse and keyboard
// input, each in a part of its own. Every event is delivered on its own and its
// handler runs to its end; once the input call or the timer pass that caused it
// is over, the display is told once to bring the screen up to date.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "board/clock.h"
#include "board/event.h"
#include "board/handler_table.h"
#include "board/input_router.h"
#include "board/layout.h"
#include "board/random.h"
#include "board/timer_queue.h"
#include "board/window.h"
#include "board/window_life.h"

namespace board {

// What the runtime needs from whoever shows it.
class Display {
  public:
    virtual ~Display() = default;
    // Events have been handled: show the windows as they now stand.
    virtual void refresh() = 0;
    // Something the player must be told, in a message box of its own.
    virtual void tell_player(const std::string& message) = 0;
    // The main window was closed: the program ends.
    virtual void quit() = 0;
};

class Runtime final : private InputRouter::Sink, private TimerQueue::Ticker {
  public:
    Runtime(Clock& clock, RandomSource& random);
    ~Runtime();
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    // --- set-up ---
    void define(WindowLayout layout) { windows_.define(std::move(layout)); }
    // `element` empty: an event of the window itself (Load, Close). The window
    // must be defined first: a handler for an unknown window or element, or for
    // an event the element's kind never raises, is a wiring error (logic_error,
    // naming them) at once, not a handler that silently never runs.
    void on(std::string_view window, std::string_view element, Event event, Handler handler);
    void on(std::string_view window, std::string_view element, Event event,
            std::function<void(Runtime&, Element&)> handler);
    void on(std::string_view window, std::string_view element, Event event,
            std::function<void(Runtime&)> handler);
    // One handler for each of these elements' event, handed the one that raised it.
    void on_each(std::string_view window, std::span<const std::string_view> elements, Event event,
                 std::function<void(Runtime&, Element&)> handler);
    void set_display(Display* display) { display_ = display; }
    Display* display() const { return display_; }
    // Told of every event after its handler has run; for tracing and measuring.
    using Observer =
        std::function<void(const std::string& window, const std::string& element, Event)>;
    void observe(Observer observer) { observer_ = std::move(observer); }
    void set_double_click(Micros time, int distance_twips) {
        router_.set_double_click(time, distance_twips);
    }

    // --- windows ---
    // A loaded window; asking for one that is not loaded is a programming error.
    Window& window(std::string_view name) const { return windows_.get(name); }
    Window* find_window(std::string_view name) const { return windows_.find(name); }
    // Creates the window from its layout if needed (running its Load handler),
    // then makes it visible and active.
    void show(std::string_view name);
    void hide(std::string_view name);
    void unload(std::string_view name);
    // The window's own close control was used.
    void request_close(std::string_view name);
    // Loaded windows in the order they were created.
    std::vector<Window*> windows() const;
    const std::string& active_window() const { return windows_.active(); }

    // --- time and chance ---
    Micros now() const { return clock_.now(); }
    void randomize();  // seeds the random source from the clock
    double random_fraction() { return random_.next(); }
    // The earliest moment at which a timer falls due, if any is running.
    std::optional<Micros> next_due() const { return timers_.next_due(); }
    // Delivers one tick to every timer that is due now, earliest first.
    void run_due_timers();

    // --- input (positions in twips within the window's client area) ---
    void mouse_down(std::string_view window, int x, int y, MouseButton button = MouseButton::Left,
                    int shift = 0);
    void mouse_up(std::string_view window, int x, int y, MouseButton button = MouseButton::Left,
                  int shift = 0);
    // A screen reader's press at a point: a left press and release that leave
    // the mouse's own held presses alone. False when nothing there takes it.
    bool tap(std::string_view window, int x, int y);
    // A button clicked by the toolkit (mouse on a native button, Space, Enter).
    // Returns false when the button or its window is disabled or hidden.
    bool click(std::string_view window, std::string_view button);
    // Alt with a character, pressed while this window is active.
    bool access_key(std::string_view window, char32_t key);

    // --- output ---
    // Shown in a message box of its own; the game goes on meanwhile.
    void tell_player(const std::string& message);

  private:
    // One input call or timer pass: the display is refreshed once, at the end of
    // the outermost one, if any event was delivered on the way.
    class Batch;

    void deliver(Window& window, Element& element, Event event, const EventArgs& args) override;
    void tick(Window& window, Element& timer) override;
    // Runs the handler, if any. A failure of the model that escapes it ends
    // that handler only: the player is told, and the game goes on.
    template <typename Call>
    void run(Call&& call);
    void refresh();

    Clock& clock_;
    RandomSource& random_;
    Display* display_ = nullptr;
    Observer observer_;
    WindowLife windows_;
    HandlerTable handlers_;
    TimerQueue timers_;
    InputRouter router_;
    int batch_depth_ = 0;
    bool refresh_due_ = false;
};

// Advances a manual clock, delivering every tick that falls due on the way, each
// at its own moment.
void advance(Runtime& runtime, ManualClock& clock, Micros span);

}  // namespace board

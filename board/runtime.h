// The running game: its windows, the handlers attached to their elements, time,
// the random source, and the routing of mouse, keyboard and timer events. Every
// event is delivered on its own, its handler runs to its end, and then the display
// is told to bring the screen up to date.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "board/clock.h"
#include "board/layout.h"
#include "board/random.h"
#include "board/window.h"

namespace board {

enum class Event { Load, Close, Click, DblClick, MouseDown, MouseUp, Timer };
// The event's own name: "Load", "Click", ...
const char* event_name(Event event);
// Back and Forward are a mouse's side buttons: they press and release like the
// others, but only the left button clicks.
enum class MouseButton { Left = 1, Right = 2, Middle = 4, Back = 8, Forward = 16 };

// What a mouse event carries; the game's handlers may ignore it.
struct EventArgs {
    MouseButton button = MouseButton::Left;
    int shift = 0;
    int x = 0;  // twips, within the element
    int y = 0;
};

using Handler = std::function<void(class Runtime&, const EventArgs&)>;

// What the game needs from whoever shows it.
class Display {
  public:
    virtual ~Display() = default;
    // An event has been handled: show the windows as they now stand.
    virtual void refresh() = 0;
    // Something the player must be told, in a message box of its own.
    virtual void tell_player(const std::string& message) = 0;
    // The main window was closed: the program ends.
    virtual void quit() = 0;
};

class Runtime {
  public:
    Runtime(Clock& clock, RandomSource& random);
    ~Runtime();
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    // --- set-up ---
    void define(WindowLayout layout);
    // `element` empty: an event of the window itself (Load, Close). The window
    // must be defined first: a handler for an unknown window or element, or for
    // an event the element's kind never raises, is a wiring error (logic_error,
    // naming them) at once, not a handler that silently never runs.
    void on(std::string_view window, std::string_view element, Event event, Handler handler);
    void on(std::string_view window, std::string_view element, Event event,
            std::function<void(Runtime&)> handler);
    void set_display(Display* display) { display_ = display; }
    Display* display() const { return display_; }
    // Told of every event after its handler has run; for tracing and measuring.
    using Observer =
        std::function<void(const std::string& window, const std::string& element, Event)>;
    void observe(Observer observer) { observer_ = std::move(observer); }
    void set_double_click(Micros time, int distance_twips);

    // --- windows ---
    // A loaded window; asking for one that is not loaded is a programming error.
    Window& window(std::string_view name) const;
    Window* find_window(std::string_view name) const;
    // Creates the window from its layout if needed (running its Load handler),
    // then makes it visible and active.
    void show(std::string_view name);
    void hide(std::string_view name);
    void unload(std::string_view name);
    // The window's own close control was used.
    void request_close(std::string_view name);
    // Loaded windows in the order they were created.
    std::vector<Window*> windows() const;
    const std::string& active_window() const { return active_; }
    bool ended() const { return ended_; }

    // --- time and chance ---
    Micros now() const { return clock_.now(); }
    Clock& clock() const { return clock_; }
    void randomize();  // seeds the random source from the clock
    double random_fraction() { return random_.next(); }
    // The earliest moment at which a timer falls due, if any is running.
    std::optional<Micros> next_due() const;
    // Delivers one tick to every timer that is due now, earliest first.
    void run_due_timers();

    // --- input (positions in twips within the window's client area) ---
    void mouse_down(std::string_view window, int x, int y, MouseButton button = MouseButton::Left,
                    int shift = 0);
    void mouse_up(std::string_view window, int x, int y, MouseButton button = MouseButton::Left,
                  int shift = 0);
    // A button clicked by the toolkit (mouse on a native button, Space, Enter).
    // Returns false when the button is disabled or hidden.
    bool click(std::string_view window, std::string_view button);
    // Alt with a character, pressed while this window is active.
    bool access_key(std::string_view window, char32_t key);

    // --- output ---
    // Shown in a message box of its own; the game goes on meanwhile.
    void tell_player(const std::string& message);
    // What the player has been told, for headless runs.
    const std::vector<std::string>& told() const { return told_; }

  private:
    // A button held down: where it went down, to send its release there.
    struct PressState {
        std::string window;
        std::uint64_t window_serial = 0;
        std::string element;
        MouseButton button = MouseButton::Left;
        bool swallowed = false;
        bool double_click = false;  // delivered as DblClick: its release clicks nothing
    };
    struct LastPress {
        std::string window;
        std::string element;
        Micros at = 0;
        int x = 0, y = 0;
        bool was_double = false;
        bool valid = false;
    };

    void check_wiring(std::string_view window, std::string_view element, Event event) const;
    const Handler* handler(const std::string& window, const std::string& element,
                           Event event) const;
    void dispatch(Window& window, const std::string& element, Event event,
                  const EventArgs& args = {});
    // Runs the handler, if any. A failure of the model that escapes it ends
    // that handler only: the player is told, and the game goes on.
    void run_handler(const std::string& window, const std::string& element, Event event,
                     const EventArgs& args);
    // The window of that name if it is still the very creation given by serial.
    Window* same_window(std::string_view name, std::uint64_t serial) const;
    void refresh();
    bool loaded(const std::string& name) const;

    Clock& clock_;
    RandomSource& random_;
    Display* display_ = nullptr;
    Observer observer_;
    std::map<std::string, WindowLayout, std::less<>> layouts_;
    std::vector<std::unique_ptr<Window>> windows_;
    std::map<std::tuple<std::string, std::string, Event>, Handler> handlers_;
    std::string active_;
    bool ended_ = false;
    std::vector<std::string> told_;
    std::vector<PressState> presses_;  // at most one per button
    LastPress last_press_;
    Micros double_click_time_ = 500'000;
    int double_click_distance_ = 60;
};

// Advances a manual clock, delivering every tick that falls due on the way, each
// at its own moment.
void advance(Runtime& game, ManualClock& clock, Micros span);

}  // namespace board

// The windows' lives: their layouts, the windows loaded from them in the order
// they were created, and which one is active. Window events (Load) are the
// runtime's business; this only makes, finds and removes windows.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "board/layout.h"
#include "board/window.h"

namespace board {

class WindowLife {
  public:
    explicit WindowLife(Runtime& runtime) : runtime_(runtime) {}

    // A second layout under a known name is a wiring error (std::logic_error).
    void define(WindowLayout layout);
    const WindowLayout* layout(std::string_view name) const;

    Window* find(std::string_view name) const;
    // A loaded window; asking for one that is not loaded is a programming error.
    Window& get(std::string_view name) const;
    // The window of that name if it is still the very creation given by serial.
    Window* same(std::string_view name, std::uint64_t serial) const;
    // Loaded windows in the order they were created; the first is the main one.
    const std::vector<std::unique_ptr<Window>>& loaded() const { return windows_; }

    // Creates the window afresh from its layout, not yet visible.
    Window& create(std::string_view name);
    // Makes the window visible and active.
    void show(Window& window);
    void hide(Window& window);
    // Destroys the window; false when it was not loaded.
    bool unload(std::string_view name);

    const std::string& active() const { return active_; }

  private:
    // The one rule for the active window once the active one is hidden or gone:
    // the most recently created window that is still visible, or none.
    void pick_active();

    Runtime& runtime_;
    std::map<std::string, WindowLayout, std::less<>> layouts_;
    std::vector<std::unique_ptr<Window>> windows_;
    std::string active_;
};

}  // namespace board

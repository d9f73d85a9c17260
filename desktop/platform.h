// Where the desktops the game runs on differ, named once: how a pointer image's
// pixels and active point reach the window system, and how a window that replaces
// another is placed. Everything else is the same on X11 and on native Wayland.
#pragma once

#include <QStringView>
#include <functional>

class QWidget;

namespace desktop {

enum class Platform {
    // X11 (Qt's xcb plugin) and every other plugin: a pointer image is handed to the
    // window system in device pixels as it is, its active point unscaled; a
    // window's position is the program's to set.
    x11,
    // Native Wayland: a pointer image is a buffer whose scale is the pixmap's pixel
    // ratio (a whole number), its active point in logical pixels; only the
    // compositor places windows.
    wayland,
};

// The platform a Qt platform plugin name stands for ("xcb", "wayland",
// "wayland-egl", "offscreen", ...).
Platform platform_of(QStringView platform_name);

// The platform the running application shows its windows on.
Platform current_platform();

// Ties a new window that opens while `on_view` is shown to it as its parent, where
// the platform places windows by such ties (Wayland: the compositor may open it
// over its parent; the tie ends by itself once `on_view` is hidden). Does nothing
// on X11, where the window is moved over `on_view` instead, and nothing if either
// is null. Only ever the window that opens second: the toolkit counts a window
// with a parent as secondary, and quits once no primary window is left.
void open_over(QWidget* window, QWidget* on_view);

// Once `window`, tied by open_over, has been shown: asks a compositor that places a
// window by its parent only when it is a modal dialog (mutter) to place it so. A
// window that is not `modal` is let go again once it is on the screen, and
// `let_go` is called then. Does nothing elsewhere.
void place_over_parent(QWidget& window, bool modal, std::function<void()> let_go = {});

// Once `window` has been shown again while `on_view` is on view: asks the
// compositor to place it over `on_view` as place_over_parent does, tied to it for
// the compositor alone until it is on the screen, then let go (`let_go` is called).
// For the window that comes back in place of another: tied through the toolkit, it
// would end the program when `on_view` closes. Does nothing off Wayland.
void place_over_for_now(QWidget& window, QWidget& on_view, std::function<void()> let_go);

// Whether `window` is still held as a modal dialog of its parent for the
// compositor to place it. Its parent must stay on view until then: mutter, where
// it attaches dialogs to their parents (GNOME's own setting), takes an attached
// dialog down with a parent that goes.
bool being_placed(const QWidget& window);

}  // namespace desktop

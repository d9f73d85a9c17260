// mutter (GNOME) places a Wayland window over the window it belongs to only when
// it hears, through GTK's own shell protocol, that the window is a modal dialog;
// a parent alone (xdg_toplevel.set_parent) leaves it placed as a new window of its
// own, at the screen's top left. Qt 6.4 does not speak that protocol, so the game
// says it for the windows it opens over another. Compositors that do not offer the
// protocol (KWin, sway) hear nothing of it.
//
// The same look at what the compositor offers tells whether it draws title bars
// for Wayland windows (KWin and sway do, through the xdg decoration protocol;
// mutter does not).
#pragma once

#include <functional>

class QWindow;

namespace desktop {

// Tells the compositor, where it offers GTK's shell protocol, that `window` is a
// modal dialog of its parent (its transient parent, or the one tie_for_placement
// gave it). To be called once the window is shown and before its first frame is
// drawn: the compositor places a window when it first maps it. Returns false where
// the protocol or the toolkit's Wayland handles are not available.
bool mark_modal_dialog(QWindow& window);

// Tells the compositor that `window` is an ordinary window again, once it has been
// placed: a window that only opens over another is not modal to it.
void unmark_modal_dialog(QWindow& window);

// Gives the shown `window` the parent `parent` (xdg_toplevel.set_parent) for the
// compositor alone, or takes it away (null): the toolkit knows nothing of this
// tie, and so does not count `window` as a secondary window that ends with its
// parent. Same timing as mark_modal_dialog. False where the toolkit's Wayland
// handles are not available.
bool tie_for_placement(QWindow& window, QWindow* parent);

// Calls `shown` once the compositor has put on the screen the frame that `window`
// commits next (its first, when asked right after the window is shown and before
// it has drawn), as the compositor's frame callback says; or once `longest_ms`
// have passed without it (a compositor sends none for a window it does not show).
// `shown` is not called if the window goes first. False, and `shown` never
// called, where the toolkit's Wayland handles are not available.
bool after_next_frame_shown(QWindow& window, int longest_ms, std::function<void()> shown);

// False when the application runs as a Wayland client of a compositor that offers
// no server-side decorations, so that each window must bring its own title bar;
// true everywhere else (X11, compositors that draw them), and where the build
// cannot ask the compositor.
bool compositor_draws_title_bars();

}  // namespace desktop

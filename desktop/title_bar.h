// The game's own title bar, for desktops that draw none around a Wayland window
// (GNOME's mutter). There the toolkit would draw its own, and Qt 6.4's offers
// maximising and resize edges on every window, fixed or not. The game's windows
// are of one fixed size, so theirs offers only what fits them: the title, moving
// the window by dragging the bar, minimising and closing.
#pragma once

#include <QWidget>

namespace desktop {

// Who draws the title bars of the game's windows.
enum class TitleBars {
    window_system,  // the window manager or compositor (or, failing it, the toolkit)
    game,           // the game itself, across the top of each window
};

// What this desktop needs: the game's own where the application is a Wayland
// client of a compositor that draws no title bars.
TitleBars title_bars_for_this_desktop();

// The bar's height and the edge's width, in logical pixels.
inline constexpr int kTitleBarHeight = 34;
inline constexpr int kFrameEdge = 1;

// Gives a top-level widget that has not been shown yet the game's own frame: the
// window loses the toolkit's and the compositor's, the bar lies across its top
// and follows its width, title and activation, and a thin edge goes round the
// rest. The widget's contents margins grow by the frame (a layout keeps inside
// it; a widget placing its children itself starts them at contentsRect()'s
// corner). Closing through the bar closes the window as the compositor's close
// would (a close event).
void add_title_bar(QWidget& window);

}  // namespace desktop

// Shows the game on the desktop: one window widget per loaded game window, real
// time for the game's timers, Alt + key for its access keys, message boxes.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <vector>

#include "board/runtime.h"
#include "desktop/window_widget.h"

namespace desktop {

class Screen final : public QObject, public board::Display {
    Q_OBJECT
  public:
    explicit Screen(board::Runtime& game, TitleBars title_bars = title_bars_for_this_desktop());
    ~Screen() override;

    void refresh() override;
    void tell_player(const std::string& message) override;
    void quit() override;

    WindowWidget* widget_of(std::string_view window) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // `hide_now`: windows the game hides go at once, shown or not their successor.
    void reconcile_windows(bool hide_now);
    // Whether every window the game shows has been put on the screen (and placed
    // there, where the compositor places it by the window it replaces).
    bool all_shown_on_screen() const;
    // Soon, the windows that others replace go if those are on the screen by then.
    void hide_replaced_if_shown();
    void place(WindowWidget& widget) const;
    // The window the player is looking at: the last one shown on the screen, other
    // than `besides`; null when none is.
    WindowWidget* on_view(const WindowWidget* besides = nullptr) const;
    void schedule_timers();
    void run_timers();
    bool handle_key(QObject* watched, class QKeyEvent* key);

    board::Runtime& game_;
    TitleBars title_bars_;
    std::vector<QPointer<WindowWidget>> widgets_;
    QTimer wake_;
    // Hides that wait for the window taking the place to be on the screen, and the
    // most they wait.
    bool hides_waiting_ = false;
    QTimer hides_due_;
    bool quitting_ = false;
};

// Where a new window goes: centred over `around` (the window on view, or the
// screen), kept on the available area with its top-left corner first.
QPoint window_position(const QRect& frame, const QRect& around, const QRect& available);

}  // namespace desktop

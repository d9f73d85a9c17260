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
    explicit Screen(board::Runtime& game);
    ~Screen() override;

    void refresh() override;
    void tell_player(const std::string& message) override;
    void quit() override;

    WindowWidget* widget_of(std::string_view window) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void reconcile_windows();
    void place(WindowWidget& widget) const;
    void schedule_timers();
    void run_timers();
    bool handle_key(QObject* watched, class QKeyEvent* key);

    board::Runtime& game_;
    std::vector<QPointer<WindowWidget>> widgets_;
    QTimer wake_;
};

// Where a new window goes: centred over `around` (the window on view, or the
// screen), kept on the available area with its top-left corner first.
QPoint window_position(const QRect& frame, const QRect& around, const QRect& available);

}  // namespace desktop

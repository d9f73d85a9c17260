// Shows the game on the desktop: one window view per loaded game window, real
// time for the game's timers, Alt + key for its access keys, message boxes.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <vector>

#include "board/game.h"
#include "desktop/window_view.h"

namespace desktop {

class Screen final : public QObject, public board::View {
    Q_OBJECT
  public:
    explicit Screen(board::Game& game);
    ~Screen() override;

    void refresh() override;
    void tell_player(const std::string& message) override;
    void quit() override;

    WindowView* view_of(std::string_view window) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void reconcile_windows();
    void place(WindowView& view) const;
    void schedule_timers();
    void run_timers();
    bool handle_key(QObject* watched, class QKeyEvent* key);

    board::Game& game_;
    std::vector<QPointer<WindowView>> views_;
    QTimer wake_;
};

// Where a new window goes: centred over `around` (the window on view, or the
// screen), kept on the available area with its top-left corner first.
QPoint window_position(const QRect& frame, const QRect& around, const QRect& available);

}  // namespace desktop

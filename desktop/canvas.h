// The surface of a game window: it paints the window's own labels, pictures and
// shapes and routes the mouse to the game.
#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>
#include <string_view>

#include "board/runtime.h"

namespace desktop {

class WindowWidget;

class Canvas : public QWidget {
    Q_OBJECT
  public:
    explicit Canvas(WindowWidget& owner);
    // Shows the pointer image of whatever now lies under the mouse.
    void update_pointer();
    WindowWidget& owner() const { return owner_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    using MouseAction = void (board::Runtime::*)(std::string_view, int, int, board::MouseButton, int);
    // Hands a press or release at the event's place to the game.
    void hand_on(QMouseEvent* event, MouseAction action);

    WindowWidget& owner_;
    QPoint last_mouse_{-1, -1};
    QString pointer_key_;
    bool painted_ = false;
};

}  // namespace desktop

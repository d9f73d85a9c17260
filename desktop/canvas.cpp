#include "desktop/canvas.h"

#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QTimer>
#include <optional>

#include "desktop/art.h"
#include "desktop/colours.h"
#include "desktop/guard.h"
#include "desktop/painting.h"
#include "desktop/units.h"
#include "desktop/window_widget.h"

namespace desktop {

namespace {

// The game knows the three main buttons and the two side ones; a mouse's
// further buttons play no part in it.
std::optional<board::MouseButton> button_of(Qt::MouseButton b) {
    switch (b) {
        case Qt::LeftButton:
            return board::MouseButton::Left;
        case Qt::RightButton:
            return board::MouseButton::Right;
        case Qt::MiddleButton:
            return board::MouseButton::Middle;
        case Qt::BackButton:
            return board::MouseButton::Back;
        case Qt::ForwardButton:
            return board::MouseButton::Forward;
        default:
            return std::nullopt;
    }
}

}  // namespace

Canvas::Canvas(WindowWidget& owner) : QWidget(&owner), owner_(owner) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Canvas::paintEvent(QPaintEvent*) {
    if (!owner_.alive()) return;
    if (!painted_) {
        // The icon's pictures would cost the first frame a quarter of its time.
        painted_ = true;
        QTimer::singleShot(0, &owner_, &WindowWidget::show_icon);
    }
    QPainter p(this);
    const board::Window& w = owner_.model();
    p.fillRect(rect(), to_qcolor(w.back_color()));
    p.setFont(owner_.font());
    // The ratio of what is painted on: the screen's, or an image's when rendered into one.
    paint_contents(p, w, nullptr, p.paintEngine()->paintDevice()->devicePixelRatioF());
}

void Canvas::mousePressEvent(QMouseEvent* event) {
    hand_on(event, &board::Runtime::mouse_down);
}

void Canvas::mouseReleaseEvent(QMouseEvent* event) {
    hand_on(event, &board::Runtime::mouse_up);
}

void Canvas::hand_on(QMouseEvent* event, MouseAction action) {
    last_mouse_ = event->position().toPoint();
    const auto button = button_of(event->button());
    if (!button || !owner_.alive()) return;
    board::Runtime& game = owner_.game();
    guarded(game, [&] {
        (game.*action)(owner_.window_name(), to_twips(event->position().x()),
                       to_twips(event->position().y()), *button, 0);
    });
}

void Canvas::mouseDoubleClickEvent(QMouseEvent* event) {
    // The toolkit hands over the second press of what it takes for a double
    // click only as this event, with no press before it. It is a press like any
    // other: the game alone decides what a double click is.
    mousePressEvent(event);
}

void Canvas::mouseMoveEvent(QMouseEvent* event) {
    last_mouse_ = event->position().toPoint();
    update_pointer();
}

void Canvas::leaveEvent(QEvent*) {
    last_mouse_ = QPoint(-1, -1);
}

void Canvas::update_pointer() {
    if (!owner_.alive()) return;
    const QPoint at = last_mouse_.x() >= 0 ? last_mouse_ : mapFromGlobal(QCursor::pos());
    if (!rect().contains(at)) return;
    const board::Pointer pointer =
        owner_.model().pointer_at(to_twips(at.x() + 0.5), to_twips(at.y() + 0.5));
    QString key;
    switch (pointer.shape) {
        case board::Pointer::Shape::Icon:
            key = pointer.icon ? QString::fromStdString(pointer.icon->asset()) : QString();
            break;
        case board::Pointer::Shape::TextCursor:
            key = QStringLiteral(":text");
            break;
        case board::Pointer::Shape::Arrow:
            key = QStringLiteral(":arrow");
            break;
    }
    key += QStringLiteral("@%1").arg(devicePixelRatioF());  // the image depends on the ratio
    if (key == pointer_key_) return;
    pointer_key_ = key;
    if (pointer.shape == board::Pointer::Shape::TextCursor) {
        setCursor(Qt::IBeamCursor);
    } else if (pointer.shape == board::Pointer::Shape::Icon && pointer.icon) {
        setCursor(pointer_cursor(pointer.icon->asset(), devicePixelRatioF()));
    } else {
        setCursor(Qt::ArrowCursor);
    }
}

}  // namespace desktop

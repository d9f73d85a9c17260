#include "desktop/window_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <cmath>
#include <limits>
#include <optional>

#include "desktop/art.h"
#include "desktop/colours.h"
#include "desktop/guard.h"
#include "desktop/painting.h"

namespace desktop {

namespace {

QRect widget_rect(const board::Element& e) {
    const auto px = [](int twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); };
    return {px(e.left()), px(e.top()), px(e.width()), px(e.height())};
}

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

// A caption too long for its button is set a little smaller rather than cut off.
void fit_caption(QPushButton& button) {
    QFont font = game_font();
    const QString shown = QString(button.text()).remove(QLatin1Char('&'));
    const int room = button.width() - 6;
    while (font.pixelSize() > 9 && QFontMetrics(font).horizontalAdvance(shown) > room) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    button.setFont(font);
}

int twips(qreal pixels) {
    return static_cast<int>(std::floor(pixels * kTwipsPerPixel));
}

}  // namespace

// --- WindowView ------------------------------------------------------------------

WindowView::WindowView(board::Game& game, board::Window& window)
    : game_(game), name_(window.name()), serial_(window.serial()), canvas_(new Canvas(*this)) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    const QSize client(static_cast<int>(std::lround(window.client_width() / kTwipsPerPixel)),
                       static_cast<int>(std::lround(window.client_height() / kTwipsPerPixel)));
    setFixedSize(client);
    canvas_->setGeometry(QRect(QPoint(0, 0), client));
    setWindowTitle(QString::fromStdString(window.caption()));
    setFont(game_font());
    build_native_widgets();
    sync();
}

void WindowView::show_icon() {
    if (!alive()) return;
    const board::Window& w = model();
    if (w.icon()) setWindowIcon(window_icon(w.icon()->asset()));
    // Dialogs of the game (its messages) show the game's own icon.
    if (QApplication::windowIcon().isNull()) QApplication::setWindowIcon(application_icon());
}

void WindowView::build_native_widgets() {
    board::Window& w = model();
    // Frames first, so that what they hold can be placed inside them.
    for (const auto& e : w.elements()) {
        if (e->kind() != board::Kind::Frame) continue;
        QWidget* parent = e->container() ? natives_.at(e->container()->name()) : this;
        auto* frame = new FrameView(*this, e->name(), parent);
        natives_.emplace(e->name(), frame);
    }
    for (const auto& e : w.elements()) {
        QWidget* parent = e->container() ? natives_.at(e->container()->name()) : this;
        const std::string name = e->name();
        QWidget* widget = nullptr;
        if (e->kind() == board::Kind::Button) {
            auto* button = new QPushButton(parent);
            connect(button, &QPushButton::clicked, this,
                    [this, name] { guarded(game_, [&] { game_.click(name_, name); }); });
            widget = button;
        } else if (e->kind() == board::Kind::TextBox) {
            auto* box = new QLineEdit(parent);
            connect(box, &QLineEdit::textEdited, this, [this, name](const QString& text) {
                model()[name].set_text(text.toStdString());
            });
            widget = box;
        }
        if (widget) {
            widget->setObjectName(QString::fromStdString(name));
            natives_.emplace(name, widget);
        }
    }
    // Topmost in the list ends up on top: raise from the bottom of the list up.
    const auto& elements = w.elements();
    for (auto it = elements.rbegin(); it != elements.rend(); ++it) {
        if (QWidget* widget = widget_for((*it)->name())) widget->raise();
    }
    // Tab order as the window gives it.
    QWidget* previous = nullptr;
    for (const board::Element* e : w.focus_order()) {
        QWidget* widget = widget_for(e->name());
        if (previous && widget) setTabOrder(previous, widget);
        if (widget) previous = widget;
    }
}

QWidget* WindowView::widget_for(std::string_view element) const {
    const auto it = natives_.find(element);
    return it == natives_.end() ? nullptr : it->second;
}

std::string WindowView::element_of(const QWidget* widget) const {
    for (const auto& [name, w] : natives_) {
        if (w == widget) return name;
    }
    return {};
}

void WindowView::sync() {
    if (!alive()) return;
    board::Window& w = model();
    if (w.revision() == synced_revision_) return;
    synced_revision_ = w.revision();
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, to_qcolor(w.back_color()));
    setPalette(palette);
    for (const auto& [name, widget] : natives_) sync_native(w[name], widget);
    canvas_->update();
    canvas_->update_pointer();
}

void WindowView::sync_native(const board::Element& e, QWidget* widget) {
    const QRect rect = widget_rect(e);
    if (widget->geometry() != rect) widget->setGeometry(rect);
    widget->setEnabled(e.enabled());
    // Only a changed pointer is handed on: the window system need not hear of
    // it on every tick of a scene.
    if (e.mouse_pointer() == board::kPointerCustom && e.mouse_icon()) {
        const QCursor cursor = pointer_cursor(e.mouse_icon()->asset(), devicePixelRatioF());
        if (!widget->testAttribute(Qt::WA_SetCursor) || widget->cursor() != cursor) {
            widget->setCursor(cursor);
        }
    } else if (e.mouse_pointer() == board::kPointerText) {
        if (widget->cursor().shape() != Qt::IBeamCursor) widget->setCursor(Qt::IBeamCursor);
    } else if (widget->testAttribute(Qt::WA_SetCursor)) {
        widget->unsetCursor();
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        const QString caption = QString::fromStdString(e.caption());
        if (button->text() != caption) {
            button->setText(caption);
            fit_caption(*button);
            // Access keys are the game's business: keep the underline, drop
            // the toolkit's own shortcut so that a key never clicks twice.
            button->setShortcut(QKeySequence());
        }
    } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        const QString text = QString::fromStdString(e.text());
        if (box->text() != text) box->setText(text);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, to_qcolor(e.back_color()));
        palette.setColor(QPalette::Text, to_qcolor(e.fore_color()));
        if (palette != box->palette()) box->setPalette(palette);
    } else {
        widget->update();  // a frame repaints what it holds
    }
    widget->setVisible(e.visible());
}

void WindowView::focus_initial() {
    if (board::Element* e = model().initial_focus()) {
        if (QWidget* widget = widget_for(e->name())) widget->setFocus(Qt::ActiveWindowFocusReason);
    }
}

bool WindowView::event(QEvent* event) {
    // On a screen of another pixel ratio the pictures and pointer images are picked
    // anew: paint everything and hand every pointer over again.
    if (event->type() == QEvent::ScreenChangeInternal) {
        synced_revision_ = std::numeric_limits<std::uint64_t>::max();
        sync();
    }
    return QWidget::event(event);
}

void WindowView::closeEvent(QCloseEvent* event) {
    // The game decides what closing a window means.
    event->ignore();
    guarded(game_, [&] { game_.request_close(name_); });
}

// --- Canvas ----------------------------------------------------------------------

Canvas::Canvas(WindowView& view) : QWidget(&view), view_(view) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Canvas::paintEvent(QPaintEvent*) {
    if (!view_.alive()) return;
    if (!painted_) {
        // The icon's pictures would cost the first frame a quarter of its time.
        painted_ = true;
        QTimer::singleShot(0, &view_, &WindowView::show_icon);
    }
    QPainter p(this);
    const board::Window& w = view_.model();
    p.fillRect(rect(), to_qcolor(w.back_color()));
    p.setFont(view_.font());
    // The ratio of what is painted on: the screen's, or an image's when rendered into one.
    paint_contents(p, w, nullptr, p.paintEngine()->paintDevice()->devicePixelRatioF());
}

void Canvas::mousePressEvent(QMouseEvent* event) {
    last_mouse_ = event->position().toPoint();
    const auto button = button_of(event->button());
    if (!button) return;
    board::Game& game = view_.game();
    guarded(game, [&] {
        game.mouse_down(view_.window_name(), twips(event->position().x()),
                        twips(event->position().y()), *button);
    });
}

void Canvas::mouseReleaseEvent(QMouseEvent* event) {
    last_mouse_ = event->position().toPoint();
    const auto button = button_of(event->button());
    if (!button) return;
    board::Game& game = view_.game();
    guarded(game, [&] {
        game.mouse_up(view_.window_name(), twips(event->position().x()),
                      twips(event->position().y()), *button);
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
    if (!view_.alive()) return;
    const QPoint at = last_mouse_.x() >= 0 ? last_mouse_ : mapFromGlobal(QCursor::pos());
    if (!rect().contains(at)) return;
    const board::Pointer pointer =
        view_.model().pointer_at(twips(at.x() + 0.5), twips(at.y() + 0.5));
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

// --- FrameView -------------------------------------------------------------------

FrameView::FrameView(WindowView& view, std::string element, QWidget* parent)
    : QWidget(parent), view_(view), element_(std::move(element)) {
    // The canvas beneath takes the mouse for everything the frame holds.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FrameView::paintEvent(QPaintEvent*) {
    if (!view_.alive()) return;
    QPainter p(this);
    p.setFont(view_.font());
    const board::Window& w = view_.model();
    const board::Element& frame = w[element_];
    paint_frame(p, frame);
    paint_contents(p, w, &frame, p.paintEngine()->paintDevice()->devicePixelRatioF());
}

}  // namespace desktop

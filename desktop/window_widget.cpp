#include "desktop/window_widget.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <limits>
#include <optional>

#include "desktop/accessibility.h"
#include "desktop/art.h"
#include "desktop/colours.h"
#include "desktop/frame_widget.h"
#include "desktop/guard.h"
#include "desktop/painting.h"
#include "desktop/units.h"

namespace desktop {

namespace {

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

}  // namespace

WindowWidget::WindowWidget(board::Runtime& game, board::Window& window, TitleBars title_bars)
    : game_(game), name_(window.name()), serial_(window.serial()), canvas_(new Canvas(*this)) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    // A window of one fixed size: its title bar offers closing and minimising,
    // never maximising, and its size hints say it cannot be resized.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    if (title_bars == TitleBars::game) add_title_bar(*this);
    const QMargins frame = contentsMargins();
    content_origin_ = QPoint(frame.left(), frame.top());
    const QSize client = client_size(window);
    setFixedSize(client.grownBy(frame));
    canvas_->setGeometry(QRect(content_origin_, client));
    setWindowTitle(QString::fromStdString(window.caption()));
    setFont(game_font());
    build_native_widgets();
    describe_controls(*canvas_);
    sync();
}

void WindowWidget::show_icon() {
    if (!alive()) return;
    const board::Window& w = model();
    if (w.icon()) setWindowIcon(window_icon(w.icon()->asset()));
    // Dialogs of the game (its messages) show the game's own icon.
    if (QApplication::windowIcon().isNull()) QApplication::setWindowIcon(application_icon());
}

void WindowWidget::build_native_widgets() {
    board::Window& w = model();
    // Frames first, so that what they hold can be placed inside them.
    for (const auto& e : w.elements()) {
        if (e->kind() != board::Kind::Frame) continue;
        QWidget* parent = e->container() ? natives_.at(e->container()->name()) : this;
        auto* frame = new FrameWidget(*this, e->name(), parent);
        natives_.emplace(e->name(), frame);
    }
    for (const auto& e : w.elements()) {
        QWidget* parent = e->container() ? natives_.at(e->container()->name()) : this;
        const std::string name = e->name();
        QWidget* widget = nullptr;
        if (e->kind() == board::Kind::Button) {
            auto* button = new QPushButton(parent);
            connect(button, &QPushButton::clicked, this, [this, name] {
                if (alive()) guarded(game_, [&] { game_.click(name_, name); });
            });
            widget = button;
        } else if (e->kind() == board::Kind::TextBox) {
            auto* box = new QLineEdit(parent);
            connect(box, &QLineEdit::textEdited, this, [this, name](const QString& text) {
                if (alive()) model()[name].set_text(text.toStdString());
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

QWidget* WindowWidget::widget_for(std::string_view element) const {
    const auto it = natives_.find(element);
    return it == natives_.end() ? nullptr : it->second;
}

std::string WindowWidget::element_of(const QWidget* widget) const {
    for (const auto& [name, w] : natives_) {
        if (w == widget) return name;
    }
    return {};
}

void WindowWidget::sync() {
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
    announce_changes(*canvas_);
}

void WindowWidget::sync_native(const board::Element& e, QWidget* widget) {
    QRect rect = widget_rect(e);
    if (widget->parentWidget() == this) rect.translate(content_origin_);
    if (widget->geometry() != rect) widget->setGeometry(rect);
    widget->setEnabled(e.enabled());
    // Only a changed pointer is handed on: the window system need not hear of
    // it on every tick of a scene.
    if (e.mouse_pointer() == board::PointerKind::Custom && e.mouse_icon()) {
        const QCursor cursor = pointer_cursor(e.mouse_icon()->asset(), devicePixelRatioF());
        if (!widget->testAttribute(Qt::WA_SetCursor) || widget->cursor() != cursor) {
            widget->setCursor(cursor);
        }
    } else if (e.mouse_pointer() == board::PointerKind::Text) {
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

void WindowWidget::focus_initial() {
    if (board::Element* e = model().initial_focus()) {
        if (QWidget* widget = widget_for(e->name())) widget->setFocus(Qt::ActiveWindowFocusReason);
    }
}

bool WindowWidget::event(QEvent* event) {
    // On a screen of another pixel ratio the pictures and pointer images are picked
    // anew: paint everything and hand every pointer over again. Toolkits from 6.6
    // on also say so when the ratio of the same screen changes (a Wayland output's
    // scale changed while the game runs); 6.4 keeps the ratio it started with.
    bool ratio_changed = event->type() == QEvent::ScreenChangeInternal;
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    ratio_changed = ratio_changed || event->type() == QEvent::DevicePixelRatioChange;
#endif
    if (ratio_changed) {
        synced_revision_ = std::numeric_limits<std::uint64_t>::max();
        sync();
    }
    return QWidget::event(event);
}

void WindowWidget::changeEvent(QEvent* event) {
    // The window is of one size and never maximised or full screen, whoever asks:
    // a window manager's key, or a title bar that offers it whatever the window's
    // flags say (Qt 6.4's own, had the game not drawn one of its own where the
    // compositor draws none). A compositor asked for it moves the fixed window to a
    // corner: it is turned back at once.
    if (event->type() == QEvent::WindowStateChange &&
        (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
    }
    QWidget::changeEvent(event);
}

void WindowWidget::closeEvent(QCloseEvent* event) {
    // The game decides what closing a window means.
    event->ignore();
    if (alive()) guarded(game_, [&] { game_.request_close(name_); });
}

}  // namespace desktop

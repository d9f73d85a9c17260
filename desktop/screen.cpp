#include "desktop/screen.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <cmath>

#include "desktop/guard.h"
#include "desktop/platform.h"

namespace desktop {

Screen::Screen(board::Runtime& game) : game_(game) {
    // One precise single-shot timer armed for the game's next due tick: no
    // polling, and an idle board costs nothing.
    wake_.setSingleShot(true);
    wake_.setTimerType(Qt::PreciseTimer);
    connect(&wake_, &QTimer::timeout, this, &Screen::run_timers);
    qApp->installEventFilter(this);
    game_.set_display(this);
}

Screen::~Screen() {
    game_.set_display(nullptr);
    qApp->removeEventFilter(this);
    for (const auto& v : widgets_) delete v.data();
}

WindowWidget* Screen::widget_of(std::string_view window) const {
    for (const auto& v : widgets_) {
        if (v && v->alive() && v->window_name() == window) return v.data();
    }
    return nullptr;
}

void Screen::refresh() {
    reconcile_windows();
    for (const auto& v : widgets_) {
        if (v) v->sync();
    }
    schedule_timers();
}

void Screen::reconcile_windows() {
    // Windows that are to be seen come up first, and only then do the others go:
    // a switch from one window to another never leaves an empty desktop between.
    for (board::Window* w : game_.windows()) {
        WindowWidget* widget = widget_of(w->name());
        if (!widget) {
            widget = new WindowWidget(game_, *w);
            place(*widget);
            widgets_.emplace_back(widget);
        }
        if (w->visible() && !widget->isVisible()) {
            widget->show();
            if (QGuiApplication::platformName() != QLatin1String("offscreen")) widget->raise();
            widget->activateWindow();
            // Shown afresh or shown again, the window starts at its first control.
            widget->focus_initial();
        }
    }
    for (auto& v : widgets_) {
        if (!v) continue;
        if (!v->alive()) {
            // The game has unloaded this window.
            v->hide();
            v->deleteLater();
            v = nullptr;
        } else if (!v->model().visible() && v->isVisible()) {
            v->hide();
        }
    }
    std::erase_if(widgets_, [](const QPointer<WindowWidget>& v) { return v.isNull(); });
}

void Screen::place(WindowWidget& widget) const {
    // The first window opens in the middle of the screen, later ones over the
    // middle of the window that is on view, where the player is looking.
    // (Wayland ignores the position; the tie below asks the same of the compositor.)
    QRect around;
    WindowWidget* on_view = nullptr;
    for (const auto& v : widgets_) {
        if (v && v->isVisible()) {
            around = v->frameGeometry();
            on_view = v.data();
        }
    }
    // Where only the compositor places windows, it may place this one by its parent.
    open_over(&widget, on_view);
    const QScreen* screen = around.isNull() ? QGuiApplication::primaryScreen()
                                            : QGuiApplication::screenAt(around.center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    if (around.isNull()) around = screen->availableGeometry();
    widget.move(window_position(widget.frameGeometry(), around, screen->availableGeometry()));
}

QPoint window_position(const QRect& frame, const QRect& around, const QRect& available) {
    QRect placed = frame;
    placed.moveCenter(around.center());
    // Keep it on the screen; a window larger than the screen keeps its top-left
    // corner, and so its title bar, on it.
    if (placed.right() > available.right()) placed.moveRight(available.right());
    if (placed.bottom() > available.bottom()) placed.moveBottom(available.bottom());
    if (placed.left() < available.left()) placed.moveLeft(available.left());
    if (placed.top() < available.top()) placed.moveTop(available.top());
    return placed.topLeft();
}

void Screen::schedule_timers() {
    const auto due = game_.next_due();
    if (!due) {
        wake_.stop();
        return;
    }
    const board::Micros wait = std::max<board::Micros>(0, *due - game_.now());
    wake_.start(static_cast<int>((wait + 999) / 1000));
}

void Screen::run_timers() {
    guarded(game_, [&] { game_.run_due_timers(); });
    schedule_timers();
}

void Screen::tell_player(const std::string& message) {
    WindowWidget* parent = nullptr;
    for (const auto& v : widgets_) {
        if (v && v->isVisible()) parent = v.data();
    }
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Drovanta."),
                                QString::fromStdString(message), QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // Not blocking: the game's timers go on while the message is up.
    box->open();
}

void Screen::quit() {
    QCoreApplication::quit();
}

bool Screen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        // Alt + key belongs to the game's access keys, never to a toolkit shortcut.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & Qt::AltModifier) event->accept();
        return false;
    }
    if (event->type() == QEvent::KeyPress)
        return handle_key(watched, static_cast<QKeyEvent*>(event));
    return false;
}

bool Screen::handle_key(QObject* watched, QKeyEvent* key) {
    auto* widget = qobject_cast<QWidget*>(watched);
    auto* target = widget ? qobject_cast<WindowWidget*>(widget->window()) : nullptr;
    if (!target || !target->alive()) return false;
    const auto mods = key->modifiers() & ~Qt::KeypadModifier;

    if (mods == Qt::AltModifier || mods == (Qt::AltModifier | Qt::ShiftModifier)) {
        // An access key held down acts once, however long the keyboard repeats it.
        if (key->isAutoRepeat()) return true;
        char32_t ch = 0;
        const QString text = key->text();
        if (!text.isEmpty() && text.at(0).isLetterOrNumber()) {
            ch = text.toUcs4().value(0);
        } else if (key->key() > 0x20 && key->key() < 0x10000) {
            ch = static_cast<char32_t>(key->key());  // letter keys carry their capital
        }
        if (ch == 0) return false;
        guarded(game_, [&] { game_.access_key(target->window_name(), ch); });
        return true;
    }
    // Enter presses the focused button, like Space.
    if (mods == Qt::NoModifier && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        if (auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget())) {
            auto* owner = qobject_cast<WindowWidget*>(button->window());
            if (owner && owner->alive()) {
                if (!key->isAutoRepeat()) {
                    guarded(game_,
                            [&] { game_.click(owner->window_name(), owner->element_of(button)); });
                }
                return true;
            }
        }
    }
    return false;
}

}  // namespace desktop

#include "desktop/screen.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <cmath>

#include "desktop/guard.h"
#include "desktop/platform.h"

namespace desktop {

namespace {

// The longest a window that another replaces stays on view waiting for it: a
// compositor that never shows the newcomer (a minimised session) keeps the old one
// no longer than this.
constexpr int kLongestWaitForShowing = 1000;  // ms

// How long the windows stay after the game has ended with nothing drawn in them:
// long enough for the window system to answer the last frame each was sent.
constexpr int kQuietBeforeClosing = 150;  // ms

}  // namespace

Screen::Screen(board::Runtime& game, TitleBars title_bars) : game_(game), title_bars_(title_bars) {
    // One precise single-shot timer armed for the game's next due tick: no
    // polling, and an idle board costs nothing.
    wake_.setSingleShot(true);
    wake_.setTimerType(Qt::PreciseTimer);
    connect(&wake_, &QTimer::timeout, this, &Screen::run_timers);
    hides_due_.setSingleShot(true);
    hides_due_.setInterval(kLongestWaitForShowing);
    connect(&hides_due_, &QTimer::timeout, this, [this] {
        hides_waiting_ = false;
        reconcile_windows(true);
    });
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
    // Once the game has ended nothing is drawn again (see quit()).
    if (quitting_) return;
    reconcile_windows(false);
    for (const auto& v : widgets_) {
        if (v) v->sync();
    }
    schedule_timers();
}

bool Screen::all_shown_on_screen() const {
    for (const auto& v : widgets_) {
        if (v && v->alive() && v->model().visible() && v->windowHandle() &&
            (!v->windowHandle()->isExposed() || being_placed(*v)))
            return false;
    }
    return true;
}

void Screen::reconcile_windows(bool hide_now) {
    // Windows that are to be seen come up first, and only then do the others go:
    // a switch from one window to another never leaves an empty desktop between.
    for (board::Window* w : game_.windows()) {
        WindowWidget* widget = widget_of(w->name());
        if (!widget) {
            widget = new WindowWidget(game_, *w, title_bars_);
            place(*widget);
            widgets_.emplace_back(widget);
        }
        if (w->visible() && !widget->isVisible()) {
            WindowWidget* looked_at = on_view(widget);
            widget->show();
            // Where the compositor places windows: over the window the player was
            // looking at, as a child for as long as it takes.
            auto placed = [self = QPointer<Screen>(this)] {
                if (self) self->hide_replaced_if_shown();
            };
            if (widget->windowHandle()->transientParent() || !looked_at) {
                place_over_parent(*widget, false, placed);
            } else {
                place_over_for_now(*widget, *looked_at, placed);
            }
            if (QGuiApplication::platformName() != QLatin1String("offscreen")) widget->raise();
            widget->activateWindow();
            // Shown afresh or shown again, the window starts at its first control.
            widget->focus_initial();
        }
    }
    // A window that another replaces, hidden or unloaded, stays until the newcomer
    // is on the screen: where the compositor places a window by the one it belongs
    // to, that one must still be mapped when the newcomer's first frame arrives.
    const bool wait = !hide_now && !all_shown_on_screen();
    for (auto& v : widgets_) {
        if (!v) continue;
        if (!v->alive()) {
            // The game has unloaded this window; nothing of it reaches the game
            // while it waits (its widget stands for no window any more).
            if (wait && v->isVisible()) {
                hides_waiting_ = true;
                if (!hides_due_.isActive()) hides_due_.start();
                continue;
            }
            v->hide();
            v->deleteLater();
            v = nullptr;
        } else if (!v->model().visible() && v->isVisible()) {
            if (wait) {
                hides_waiting_ = true;
                if (!hides_due_.isActive()) hides_due_.start();
            } else {
                v->hide();
            }
        }
    }
    if (!wait && hides_waiting_) {
        hides_waiting_ = false;
        hides_due_.stop();
    }
    std::erase_if(widgets_, [](const QPointer<WindowWidget>& v) { return v.isNull(); });
}

void Screen::place(WindowWidget& widget) const {
    // The first window opens in the middle of the screen, later ones over the
    // middle of the window that is on view, where the player is looking.
    // (Wayland ignores the position; the tie below asks the same of the compositor.)
    WindowWidget* looked_at = on_view(&widget);
    QRect around = looked_at ? looked_at->frameGeometry() : QRect();
    // Where only the compositor places windows, it may place this one by its parent.
    open_over(&widget, looked_at);
    const QScreen* screen = around.isNull() ? QGuiApplication::primaryScreen()
                                            : QGuiApplication::screenAt(around.center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    if (around.isNull()) around = screen->availableGeometry();
    widget.move(window_position(widget.frameGeometry(), around, screen->availableGeometry()));
}

WindowWidget* Screen::on_view(const WindowWidget* besides) const {
    WindowWidget* shown = nullptr;
    for (const auto& v : widgets_) {
        if (v && v != besides && v->isVisible()) shown = v.data();
    }
    return shown;
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
    // The message belongs to the window the player is looking at: the active one,
    // else the last one on view. It opens over that window and keeps it from input
    // until answered (window-modal), tied to it before it is shown, so that the
    // compositor can place and stack it by its parent.
    WindowWidget* parent = widget_of(game_.active_window());
    if (!parent || !parent->isVisible()) {
        parent = nullptr;
        for (const auto& v : widgets_) {
            if (v && v->alive() && v->isVisible()) parent = v.data();
        }
    }
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Drovanta."),
                                QString::fromStdString(message), QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    if (title_bars_ == TitleBars::game) add_title_bar(*box);
    open_over(box, parent);
    // Not blocking: the game's timers go on while the message is up.
    box->open();
    place_over_parent(*box, true);
}

void Screen::quit() {
    // The game has ended: nothing is drawn from now on, and the windows go once the
    // window system has answered the frames they were last sent. Destroying a
    // window while a frame of it is still out races the toolkit's Wayland thread
    // that takes the answer (a locked mutex destroyed, a wait condition woken
    // after its end).
    quitting_ = true;
    wake_.stop();
    hides_due_.stop();
    // exit(), not quit(): the toolkit's quit asks every window to close first, and
    // the game's windows leave closing to the game, which has already decided.
    // Owned by the screen: a screen taken down first ends nothing later.
    QTimer::singleShot(kQuietBeforeClosing, this, [] { QCoreApplication::exit(0); });
}

bool Screen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Expose && hides_waiting_) {
        // A window may now be on the screen: the ones it replaces can go.
        hide_replaced_if_shown();
        return false;
    }
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

void Screen::hide_replaced_if_shown() {
    QTimer::singleShot(0, this, [this] {
        if (hides_waiting_ && !quitting_ && all_shown_on_screen()) refresh();
    });
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

#include "desktop/screen.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <cmath>

namespace desktop {

Screen::Screen(board::Game& game) : game_(game) {
    // One precise single-shot timer armed for the game's next due tick: no
    // polling, and an idle board costs nothing.
    wake_.setSingleShot(true);
    wake_.setTimerType(Qt::PreciseTimer);
    connect(&wake_, &QTimer::timeout, this, &Screen::run_timers);
    qApp->installEventFilter(this);
    game_.set_view(this);
}

Screen::~Screen() {
    game_.set_view(nullptr);
    qApp->removeEventFilter(this);
    for (const auto& v : views_) delete v.data();
}

WindowView* Screen::view_of(std::string_view window) const {
    for (const auto& v : views_) {
        if (v && v->alive() && v->window_name() == window) return v.data();
    }
    return nullptr;
}

void Screen::refresh() {
    reconcile_windows();
    for (const auto& v : views_) {
        if (v) v->sync();
    }
    schedule_timers();
}

void Screen::reconcile_windows() {
    // Views of windows the game has unloaded go away.
    for (auto& v : views_) {
        if (v && !v->alive()) {
            v->hide();
            v->deleteLater();
            v = nullptr;
        }
    }
    std::erase_if(views_, [](const QPointer<WindowView>& v) { return v.isNull(); });
    // New windows get a view; shown windows are shown, hidden ones hidden.
    for (board::Window* w : game_.windows()) {
        WindowView* view = view_of(w->name());
        const bool fresh = view == nullptr;
        if (fresh) {
            view = new WindowView(game_, *w);
            place(*view);
            views_.emplace_back(view);
        }
        if (w->visible() && !view->isVisible()) {
            view->show();
            if (QGuiApplication::platformName() != QLatin1String("offscreen")) view->raise();
            view->activateWindow();
            if (fresh) view->focus_initial();
        } else if (!w->visible() && view->isVisible()) {
            view->hide();
        }
    }
}

void Screen::place(WindowView& view) const {
    // The first window opens in the middle of the screen, later ones over the
    // middle of the window that is on view, where the player is looking.
    QRect around;
    for (const auto& v : views_) {
        if (v && v->isVisible()) around = v->frameGeometry();
    }
    if (around.isNull()) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen) return;
        around = screen->availableGeometry();
    }
    QRect frame = view.frameGeometry();
    frame.moveCenter(around.center());
    view.move(frame.topLeft());
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
    game_.run_due_timers();
    schedule_timers();
}

void Screen::tell_player(const std::string& message) {
    WindowView* parent = nullptr;
    for (const auto& v : views_) {
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
    auto* view = widget ? qobject_cast<WindowView*>(widget->window()) : nullptr;
    if (!view || !view->alive()) return false;
    const auto mods = key->modifiers() & ~Qt::KeypadModifier;

    if (mods == Qt::AltModifier || mods == (Qt::AltModifier | Qt::ShiftModifier)) {
        char32_t ch = 0;
        const QString text = key->text();
        if (!text.isEmpty() && text.at(0).isLetterOrNumber()) {
            ch = text.toUcs4().value(0);
        } else if (key->key() > 0x20 && key->key() < 0x10000) {
            ch = static_cast<char32_t>(key->key());  // letter keys carry their capital
        }
        if (ch == 0) return false;
        game_.access_key(view->window_name(), ch);
        return true;
    }
    // Enter presses the focused button, like Space.
    if (mods == Qt::NoModifier && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        if (auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget())) {
            auto* owner = qobject_cast<WindowView*>(button->window());
            if (owner && owner->alive() && !key->isAutoRepeat()) {
                game_.click(owner->window_name(), owner->element_of(button));
                return true;
            }
        }
    }
    return false;
}

}  // namespace desktop

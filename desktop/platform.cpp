#include "desktop/platform.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <functional>

#include "desktop/wayland_shell.h"

namespace desktop {

Platform platform_of(QStringView platform_name) {
    return platform_name.startsWith(u"wayland") ? Platform::wayland : Platform::x11;
}

Platform current_platform() {
    return platform_of(QGuiApplication::platformName());
}

void open_over(QWidget* window, QWidget* on_view) {
    if (!window || !on_view || current_platform() != Platform::wayland) return;
    // The native window must exist to carry the tie before the window is first
    // shown: the compositor hears of the parent only when the window is mapped.
    window->winId();
    on_view->winId();
    window->windowHandle()->setTransientParent(on_view->windowHandle());
}

namespace {

constexpr char kBeingPlaced[] = "drovanta_being_placed";

// Lets a window placed as a modal dialog go again once the compositor has put its
// first frame on the screen, which is when it has placed it, and then says so.
// Where the compositor's answer cannot be asked for, a while after the first
// expose stands in for it.
class LetGoWhenShown final : public QObject {
  public:
    LetGoWhenShown(QWindow& window, bool untie, std::function<void()> let_go)
        : QObject(&window), window_(&window), untie_(untie), let_go_(std::move(let_go)) {
        window.setProperty(kBeingPlaced, true);
        if (!after_next_frame_shown(window, kLongestPlacing, [this] { let_go_now(); })) {
            window.installEventFilter(this);
        }
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && window && window->isExposed()) {
            window->removeEventFilter(this);
            // After the frame this expose draws has gone out.
            QTimer::singleShot(kAfterFirstExpose, this, [this] { let_go_now(); });
        }
        return false;
    }

  private:
    // The longest the compositor may take to show the first frame: it sends no
    // answer for a window it does not show (a minimised session). Less than the
    // screen keeps a replaced window waiting, so that a window placed by another
    // is always let go before that one goes.
    static constexpr int kLongestPlacing = 800;    // ms
    static constexpr int kAfterFirstExpose = 100;  // ms

    void let_go_now() {
        deleteLater();
        if (!window_) return;
        unmark_modal_dialog(*window_);
        if (untie_) tie_for_placement(*window_, nullptr);
        window_->setProperty(kBeingPlaced, false);
        if (let_go_) let_go_();
    }

    QPointer<QWindow> window_;
    bool untie_;
    std::function<void()> let_go_;
};

}  // namespace

void place_over_parent(QWidget& window, bool modal, std::function<void()> let_go) {
    QWindow* handle = window.windowHandle();
    if (!handle || current_platform() != Platform::wayland) return;
    if (!handle->transientParent()) return;
    if (mark_modal_dialog(*handle) && !modal) new LetGoWhenShown(*handle, false, std::move(let_go));
}

void place_over_for_now(QWidget& window, QWidget& on_view, std::function<void()> let_go) {
    QWindow* handle = window.windowHandle();
    QWindow* parent = on_view.windowHandle();
    if (!handle || !parent || current_platform() != Platform::wayland) return;
    if (!tie_for_placement(*handle, parent)) return;
    mark_modal_dialog(*handle);
    new LetGoWhenShown(*handle, true, std::move(let_go));
}

bool being_placed(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return handle && handle->property(kBeingPlaced).toBool();
}

}  // namespace desktop

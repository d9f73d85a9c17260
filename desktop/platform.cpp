#include "desktop/platform.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

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

// Lets a window placed as a modal dialog go again once it has drawn its first
// frame, which is when the compositor places it.
class LetGoWhenShown final : public QObject {
  public:
    explicit LetGoWhenShown(QWindow& window) : QObject(&window) { window.installEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && window && window->isExposed()) {
            window->removeEventFilter(this);
            // After the frame this expose draws has gone out.
            QTimer::singleShot(kAfterFirstFrame, window, [w = QPointer<QWindow>(window)] {
                if (w) unmark_modal_dialog(*w);
            });
            deleteLater();
        }
        return false;
    }

  private:
    static constexpr int kAfterFirstFrame = 100;  // ms
};

}  // namespace

void place_over_parent(QWidget& window, bool modal) {
    QWindow* handle = window.windowHandle();
    if (!handle || current_platform() != Platform::wayland) return;
    if (mark_modal_dialog(*handle) && !modal) new LetGoWhenShown(*handle);
}

}  // namespace desktop

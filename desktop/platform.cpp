#include "desktop/platform.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

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

}  // namespace desktop

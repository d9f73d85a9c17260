#include "desktop/wayland_shell.h"

#include <QWindow>

#ifdef DROVANTA_GTK_SHELL
#include <wayland-client.h>

#include <qpa/qplatformnativeinterface.h>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <cstring>

namespace desktop {

namespace {

// The part of GTK's shell protocol the game sends, at version 1, described for the
// Wayland library by hand: gtk_shell1.get_gtk_surface (request 0) makes a
// gtk_surface1 for a surface; gtk_surface1.set_modal (1) and unset_modal (2). Every
// event either interface has at version 1 is listed, so that the library can read
// them; nothing listens to them.
extern const wl_interface gtk_surface1;
const wl_interface* no_objects[] = {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
const wl_interface* get_gtk_surface_types[] = {&gtk_surface1, &wl_surface_interface};
const wl_message gtk_shell1_requests[] = {{"get_gtk_surface", "no", get_gtk_surface_types}};
const wl_message gtk_shell1_events[] = {{"capabilities", "u", no_objects}};
const wl_message gtk_surface1_requests[] = {
    {"set_dbus_properties", "?s?s?s?s?s?s", no_objects},
    {"set_modal", "", no_objects},
    {"unset_modal", "", no_objects},
};
const wl_message gtk_surface1_events[] = {{"configure", "a", no_objects}};
const wl_interface gtk_shell1 = {"gtk_shell1", 1, 1, gtk_shell1_requests, 1, gtk_shell1_events};
const wl_interface gtk_surface1 = {"gtk_surface1",        1, 3,
                                   gtk_surface1_requests, 1, gtk_surface1_events};
constexpr std::uint32_t kGetGtkSurface = 0;
constexpr std::uint32_t kSetModal = 1;
constexpr std::uint32_t kUnsetModal = 2;
// xdg_toplevel.set_parent, sent on the toolkit's own xdg_toplevel, which carries
// the interface's description.
constexpr std::uint32_t kSetParent = 1;

// The compositor's GTK shell, bound once on a queue of the game's own, so that the
// toolkit's thread, which reads the rest of the connection, never dispatches it.
struct Shell {
    wl_display* display = nullptr;
    wl_event_queue* queue = nullptr;
    wl_proxy* shell = nullptr;
    // Whether the compositor offers to draw title bars (xdg decorations, or KDE's
    // older protocol for the same); only seen, never bound: the toolkit binds it.
    bool decorates = false;
};

// The gtk_surface1 of a window's surface, kept while the window is shown: the
// protocol allows no second one for a surface. Hiding a window destroys its
// surface, and with it what the compositor kept for it; a window shown again has
// a new surface, which may lie at the old one's address, so the old proxy is
// forgotten as the window hides, never matched by address.
class GtkSurface final : public QObject {
  public:
    GtkSurface(QWindow& window, wl_proxy* proxy) : QObject(&window), proxy_(proxy) {
        window.installEventFilter(this);
    }
    ~GtkSurface() override { forget(); }
    GtkSurface(const GtkSurface&) = delete;
    GtkSurface& operator=(const GtkSurface&) = delete;

    // Null once the window has been hidden.
    wl_proxy* proxy() const { return proxy_; }
    void take(wl_proxy* proxy) {
        forget();
        proxy_ = proxy;
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide) forget();
        return false;
    }

  private:
    // The compositor's object goes with the surface; only the proxy is ours to end.
    void forget() {
        if (proxy_) wl_proxy_destroy(proxy_);
        proxy_ = nullptr;
    }

    wl_proxy* proxy_;
};

void on_global(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
               std::uint32_t) {
    auto* shell = static_cast<Shell*>(data);
    if (!shell->shell && std::strcmp(interface, gtk_shell1.name) == 0) {
        shell->shell = static_cast<wl_proxy*>(wl_registry_bind(registry, name, &gtk_shell1, 1));
    }
    if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0 ||
        std::strcmp(interface, "org_kde_kwin_server_decoration_manager") == 0) {
        shell->decorates = true;
    }
}
void on_global_remove(void*, wl_registry*, std::uint32_t) {}
const wl_registry_listener registry_listener = {on_global, on_global_remove};

QPlatformNativeInterface* native() {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return nullptr;
    return QGuiApplication::platformNativeInterface();
}

// What the compositor offers, looked at once; null off Wayland.
Shell* globals() {
    static Shell* found = []() -> Shell* {
        QPlatformNativeInterface* n = native();
        auto* display =
            n ? static_cast<wl_display*>(n->nativeResourceForIntegration("wl_display")) : nullptr;
        if (!display) return nullptr;
        auto* s = new Shell;
        s->display = display;
        s->queue = wl_display_create_queue(display);
        // The registry is made on the game's queue from the start: made on the
        // toolkit's, its first events could be dispatched there.
        auto* wrapper = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
        wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapper), s->queue);
        wl_registry* registry = wl_display_get_registry(wrapper);
        wl_proxy_wrapper_destroy(wrapper);
        wl_registry_add_listener(registry, &registry_listener, s);
        wl_display_roundtrip_queue(display, s->queue);
        wl_registry_destroy(registry);
        return s;
    }();
    return found;
}

Shell* shell() {
    Shell* s = globals();
    return s && s->shell ? s : nullptr;
}

wl_proxy* gtk_surface_of(QWindow& window) {
    Shell* s = shell();
    QPlatformNativeInterface* n = native();
    if (!s || !n) return nullptr;
    auto* surface = static_cast<wl_surface*>(n->nativeResourceForWindow("surface", &window));
    if (!surface) return nullptr;
    // Events of the game's queue (the shell's capabilities, surface states) are
    // read and dropped: nothing listens to them.
    wl_display_dispatch_queue_pending(s->display, s->queue);
    GtkSurface* kept = nullptr;
    for (QObject* child : window.children()) {
        if (auto* surface_of_window = dynamic_cast<GtkSurface*>(child)) kept = surface_of_window;
    }
    if (kept && kept->proxy()) return kept->proxy();
    wl_proxy* made =
        wl_proxy_marshal_constructor(s->shell, kGetGtkSurface, &gtk_surface1, nullptr, surface);
    if (kept) {
        kept->take(made);
    } else {
        new GtkSurface(window, made);
    }
    return made;
}

}  // namespace

bool mark_modal_dialog(QWindow& window) {
    wl_proxy* gtk = gtk_surface_of(window);
    if (!gtk) return false;
    wl_proxy_marshal(gtk, kSetModal);
    wl_display_flush(shell()->display);
    return true;
}

void unmark_modal_dialog(QWindow& window) {
    wl_proxy* gtk = gtk_surface_of(window);
    if (!gtk) return;
    wl_proxy_marshal(gtk, kUnsetModal);
    wl_display_flush(shell()->display);
}

bool tie_for_placement(QWindow& window, QWindow* parent) {
    QPlatformNativeInterface* n = native();
    const Shell* s = globals();
    if (!n || !s) return false;
    auto* toplevel = static_cast<wl_proxy*>(n->nativeResourceForWindow("xdg_toplevel", &window));
    auto* parent_toplevel =
        parent ? static_cast<wl_proxy*>(n->nativeResourceForWindow("xdg_toplevel", parent))
               : nullptr;
    if (!toplevel || (parent && !parent_toplevel)) return false;
    wl_proxy_marshal(toplevel, kSetParent, parent_toplevel);
    wl_display_flush(s->display);
    return true;
}

namespace {

// Waits, as a child of the window, for the compositor's answer to one frame
// callback. The game's queue is read every few milliseconds while it waits (the
// toolkit's thread reads the connection and leaves the game's events there).
class FrameShown final : public QObject {
  public:
    FrameShown(QWindow& window, wl_callback* callback, int longest_ms, std::function<void()> shown)
        : QObject(&window), callback_(callback), shown_(std::move(shown)) {
        wl_callback_add_listener(callback_, &kListener, this);
        poll_.setInterval(kPollMs);
        connect(&poll_, &QTimer::timeout, this, [this] {
            wl_display_dispatch_queue_pending(globals()->display, globals()->queue);
            if (done_) finish();
        });
        poll_.start();
        QTimer::singleShot(longest_ms, this, [this] { finish(); });
    }
    ~FrameShown() override { wl_callback_destroy(callback_); }
    FrameShown(const FrameShown&) = delete;
    FrameShown& operator=(const FrameShown&) = delete;

  private:
    static void on_done(void* data, wl_callback*, std::uint32_t) {
        static_cast<FrameShown*>(data)->done_ = true;
    }
    static constexpr wl_callback_listener kListener = {on_done};
    static constexpr int kPollMs = 8;

    void finish() {
        if (finished_) return;
        finished_ = true;
        poll_.stop();
        deleteLater();
        if (shown_) shown_();
    }

    wl_callback* callback_;
    std::function<void()> shown_;
    QTimer poll_;
    bool done_ = false;
    bool finished_ = false;
};

}  // namespace

bool after_next_frame_shown(QWindow& window, int longest_ms, std::function<void()> shown) {
    Shell* s = globals();
    QPlatformNativeInterface* n = native();
    if (!s || !n) return false;
    auto* surface = static_cast<wl_surface*>(n->nativeResourceForWindow("surface", &window));
    if (!surface) return false;
    // The frame callback is made on the game's queue: the toolkit's thread must not
    // dispatch its answer to a listener it does not know.
    auto* wrapper = static_cast<wl_surface*>(wl_proxy_create_wrapper(surface));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapper), s->queue);
    wl_callback* callback = wl_surface_frame(wrapper);
    wl_proxy_wrapper_destroy(wrapper);
    wl_display_flush(s->display);
    if (!callback) return false;
    new FrameShown(window, callback, longest_ms, std::move(shown));
    return true;
}

bool compositor_draws_title_bars() {
    const Shell* s = globals();
    return !s || s->decorates;
}

}  // namespace desktop

#else

namespace desktop {

// Built without the toolkit's Wayland handles or the Wayland library: the windows
// are placed as the compositor places them, and their title bars left to it and
// to the toolkit.
bool mark_modal_dialog(QWindow&) {
    return false;
}
void unmark_modal_dialog(QWindow&) {}
bool tie_for_placement(QWindow&, QWindow*) {
    return false;
}
bool after_next_frame_shown(QWindow&, int, std::function<void()>) {
    return false;
}
bool compositor_draws_title_bars() {
    return true;
}

}  // namespace desktop

#endif

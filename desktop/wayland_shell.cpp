#include "desktop/wayland_shell.h"

#include <QWindow>

#ifdef DROVANTA_GTK_SHELL
#include <wayland-client.h>

#include <qpa/qplatformnativeinterface.h>
#include <QGuiApplication>
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

// A window keeps the gtk_surface1 of its surface: the protocol allows no second
// one for a surface. A window shown anew has a new surface, and gets a new one.
constexpr char kGtkSurface[] = "drovanta_gtk_surface";
constexpr char kGtkSurfaceOf[] = "drovanta_gtk_surface_of";

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
    if (window.property(kGtkSurfaceOf).value<void*>() != surface) {
        wl_proxy* made =
            wl_proxy_marshal_constructor(s->shell, kGetGtkSurface, &gtk_surface1, nullptr, surface);
        window.setProperty(kGtkSurface, QVariant::fromValue<void*>(made));
        window.setProperty(kGtkSurfaceOf, QVariant::fromValue<void*>(surface));
    }
    return static_cast<wl_proxy*>(window.property(kGtkSurface).value<void*>());
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
bool compositor_draws_title_bars() {
    return true;
}

}  // namespace desktop

#endif

#include "ui/platform/compositor_bell/compositor_bell.h"

#include "ui/platform/compositor_bell/bell_globals.h"

#include "gtk-shell-bell-client-protocol.h"
#ifdef RODWISE_SYSTEM_BELL
#include "xdg-system-bell-v1-client-protocol.h"
#endif

#include <wayland-client.h>

#include <poll.h>

#include <chrono>
#include <cstdint>

#ifdef RODWISE_SYSTEM_BELL
constexpr bool knowsSystemBell = true;
#else
constexpr bool knowsSystemBell = false;
struct xdg_system_bell_v1;
#endif

using compositor_bell::Path;

struct rodwise_compositor_bell {
    wl_display* display = nullptr;
    wl_event_queue* queue = nullptr;
    wl_registry* registry = nullptr;
    compositor_bell::Globals globals{knowsSystemBell};
    compositor_bell::Choice bound; // what the proxies below were bound from
    xdg_system_bell_v1* systemBell = nullptr;
    gtk_shell1* gtkShell = nullptr;
    gtk_surface1* gtkSurface = nullptr; // for windowSurface, made on the first ring
    wl_surface* windowSurface = nullptr;
    bool answered = false; // the compositor has told its globals
};

namespace {

void offered(void* data, wl_registry*, std::uint32_t name, const char* interface,
             std::uint32_t version) {
    static_cast<rodwise_compositor_bell*>(data)->globals.offered(name, interface, version);
}

void withdrawn(void* data, wl_registry*, std::uint32_t name) {
    static_cast<rodwise_compositor_bell*>(data)->globals.withdrawn(name);
}

const wl_registry_listener registryListener{offered, withdrawn};

void answered(void* data, wl_callback* callback, std::uint32_t) {
    static_cast<rodwise_compositor_bell*>(data)->answered = true;
    wl_callback_destroy(callback);
}

const wl_callback_listener answerListener{answered};

// Reads the compositor's answer on our queue like wl_display_roundtrip_queue,
// but gives up after a while: a compositor that does not answer must not
// hold back the key that rang. A late answer is taken in by a later bell.
bool awaitAnswer(rodwise_compositor_bell& bell, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!bell.answered) {
        if (wl_display_prepare_read_queue(bell.display, bell.queue) != 0) {
            if (wl_display_dispatch_queue_pending(bell.display, bell.queue) < 0)
                return false;
            continue;
        }
        wl_display_flush(bell.display);
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd fd{wl_display_get_fd(bell.display), POLLIN, 0};
        if (left.count() <= 0 || poll(&fd, 1, static_cast<int>(left.count())) <= 0) {
            wl_display_cancel_read(bell.display);
            return true; // no answer yet: the sound theme's bell meanwhile
        }
        if (wl_display_read_events(bell.display) < 0 ||
            wl_display_dispatch_queue_pending(bell.display, bell.queue) < 0)
            return false;
    }
    return true;
}

// The proxies of a bell that is no longer the one to ring. The window's
// gtk_surface1 stays: version 1 has no destructor request, so the
// compositor's object lives on with the window's surface, and asking for a
// second one for that surface would end the connection.
void unbind(rodwise_compositor_bell& bell) {
#ifdef RODWISE_SYSTEM_BELL
    if (bell.systemBell)
        xdg_system_bell_v1_destroy(bell.systemBell);
#endif
    if (bell.gtkShell)
        wl_proxy_destroy(reinterpret_cast<wl_proxy*>(bell.gtkShell));
    bell.systemBell = nullptr;
    bell.gtkShell = nullptr;
    bell.bound = {};
}

// Binds the bell the compositor now offers, unless it is the one bound.
void bindChosen(rodwise_compositor_bell& bell) {
    const compositor_bell::Choice choice = bell.globals.choice();
    if (choice.path == bell.bound.path && choice.name == bell.bound.name)
        return;
    unbind(bell);
    void* proxy = nullptr;
#ifdef RODWISE_SYSTEM_BELL
    if (choice.path == Path::SystemBell)
        proxy = bell.systemBell = static_cast<xdg_system_bell_v1*>(wl_registry_bind(
            bell.registry, choice.name, &xdg_system_bell_v1_interface, choice.version));
#endif
    if (choice.path == Path::GtkShell)
        proxy = bell.gtkShell = static_cast<gtk_shell1*>(
            wl_registry_bind(bell.registry, choice.name, &gtk_shell1_interface, choice.version));
    if (proxy)
        bell.bound = choice;
}

// GTK's shell rings for a window named by its gtk_surface1, one per surface
// for the life of the surface; Qt makes a new surface when a window is shown
// again.
gtk_surface1* gtkSurfaceFor(rodwise_compositor_bell& bell, wl_surface* surface) {
    if (!surface)
        return nullptr;
    if (bell.windowSurface != surface) {
        rodwise_compositor_bell_forget_window(&bell);
        bell.gtkSurface = gtk_shell1_get_gtk_surface(bell.gtkShell, surface);
        bell.windowSurface = surface;
    }
    return bell.gtkSurface;
}

} // namespace

extern "C" {

rodwise_compositor_bell* rodwise_compositor_bell_open(void* display) {
    auto* bell = new rodwise_compositor_bell;
    bell->display = static_cast<wl_display*>(display);
    bell->queue = wl_display_create_queue(bell->display);
    // The registry is made through a wrapper on our queue, so that its events
    // (and those of every object bound from it) are queued there, never on
    // Qt's.
    auto* wrapper = static_cast<wl_display*>(wl_proxy_create_wrapper(bell->display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapper), bell->queue);
    bell->registry = wl_display_get_registry(wrapper);
    wl_registry_add_listener(bell->registry, &registryListener, bell);
    wl_callback_add_listener(wl_display_sync(wrapper), &answerListener, bell);
    wl_proxy_wrapper_destroy(wrapper);
    // On a failed connection nothing more is read or sent, so what was made
    // is left as it is; Qt learns of the failure on its own.
    return awaitAnswer(*bell, std::chrono::milliseconds(500)) ? bell : nullptr;
}

void rodwise_compositor_bell_forget_window(rodwise_compositor_bell* bell) {
    if (bell->gtkSurface)
        wl_proxy_destroy(reinterpret_cast<wl_proxy*>(bell->gtkSurface));
    bell->gtkSurface = nullptr;
    bell->windowSurface = nullptr;
}

const char* rodwise_compositor_bell_ring(rodwise_compositor_bell* bell, void* surface) {
    // Takes in what the compositor has said since the last bell (a global
    // withdrawn, the window's states), without waiting for anything more.
    if (wl_display_dispatch_queue_pending(bell->display, bell->queue) < 0 ||
        wl_display_get_error(bell->display) != 0)
        return nullptr;
    bindChosen(*bell);
    const char* rung = nullptr;
#ifdef RODWISE_SYSTEM_BELL
    if (bell->systemBell) {
        xdg_system_bell_v1_ring(bell->systemBell, static_cast<wl_surface*>(surface));
        rung = "xdg_system_bell_v1";
    }
#endif
    if (bell->gtkShell) {
        gtk_shell1_system_bell(bell->gtkShell,
                               gtkSurfaceFor(*bell, static_cast<wl_surface*>(surface)));
        rung = "gtk_shell1";
    }
    // Sends the request now, or with Qt's next flush if the socket is full.
    wl_display_flush(bell->display);
    return rung;
}
}

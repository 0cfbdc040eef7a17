#pragma once

// The compositor's bell on Wayland, as a module of its own that the program
// loads with dlopen only when it runs on Wayland: the module is the only part
// linked with libwayland-client, so on X11 none of it is linked or loaded.
// Qt's own connection and the window's surface are passed in as plain
// pointers (wl_display*, wl_surface*), so the program needs no Wayland
// headers either. Everything runs on the thread that calls it, Qt's GUI
// thread.
extern "C" {

struct rodwise_compositor_bell;

// Learns the compositor's bells on an event queue of its own, so that Qt's
// handling of the connection's events is not disturbed, waiting at most half
// a second for the compositor's answer (a later one is taken in by a later
// bell). Null when the connection has failed.
rodwise_compositor_bell* rodwise_compositor_bell_open(void* display);

// Rings the compositor's bell for the window whose surface is given, without
// waiting for the compositor. Returns the interface rung, or null when none
// can ring (none offered, withdrawn, the connection failed): the caller
// plays the sound theme's bell instead.
const char* rodwise_compositor_bell_ring(rodwise_compositor_bell* bell, void* surface);

// Forgets what was made for the window's surface, which is about to go (Qt
// destroys it when the window is hidden). GNOME 43 would fail a bell named by
// a gtk_surface1 whose surface is gone, and a new surface may come at the
// same address.
void rodwise_compositor_bell_forget_window(rodwise_compositor_bell* bell);
}

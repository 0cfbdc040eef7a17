#pragma once

class QWidget;

// The compositor's bell on Wayland, for the given window: xdg_system_bell_v1
// where the compositor offers it, else GTK's shell bell (GNOME 43). Both ring
// the bell the user chose, sound or flash or both. The work is done by a
// module (ui/platform/compositor_bell) that is loaded on the first ring, so
// that nothing of Wayland is linked or loaded on X11.
namespace wayland_bell {

// Rings without waiting for the compositor. False when the compositor has
// neither bell or it cannot be reached (no module, the connection failed, the
// bell withdrawn): then the caller plays the sound theme's bell.
bool ring(QWidget& window);

} // namespace wayland_bell

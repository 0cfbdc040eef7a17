#pragma once

class QWidget;

// The bell on X11 (and XWayland), rung through XKB for the given window, so
// that a window manager that flashes "the window that rang" (a visual alert)
// flashes this one. Qt's own beep rings the core bell, which names no window.
namespace x11_bell {

// Rings at the server's volume and returns without waiting. False when the
// program is not on X11, or the window has no X window yet.
bool ring(QWidget& window);

} // namespace x11_bell

#include "ui/platform/x11_bell.h"

#include <QGuiApplication>
#include <QWidget>

// Xlib's macros (None, Bool, Status, ...) clash with Qt's names, so Xlib
// comes last and only None is used, spelled as what it is.
#include <X11/XKBlib.h>

namespace x11_bell {

bool ring(QWidget& window) {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 ? x11->display() : nullptr;
    if (!display || !window.testAttribute(Qt::WA_WState_Created))
        return false;
    // Percent 0 is the server's own volume; no bell name (None, 0L).
    XkbBell(display, static_cast<::Window>(window.winId()), 0, 0L);
    // Qt sends its requests on the same connection but flushes only its
    // own; Xlib holds this one until told.
    XFlush(display);
    return true;
}

} // namespace x11_bell

#include "ui/platform/wayland_bell.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

#include <dlfcn.h>

#include <type_traits>

namespace {

Q_LOGGING_CATEGORY(lcWaylandBell, "rodwise.bell.wayland", QtWarningMsg)

// The module's C interface (ui/platform/compositor_bell/compositor_bell.h),
// declared here so that the program needs none of its headers.
struct Module {
    void* (*open)(void* display) = nullptr;
    const char* (*ring)(void* bell, void* surface) = nullptr;
    void (*forgetWindow)(void* bell) = nullptr;
    void* bell = nullptr; // null: no compositor bell, for the life of the program
};

// The module is in ../lib/rodwise-hd from the program's folder, in the build
// tree as where it is installed.
void* loadModule() {
    const QString path = QCoreApplication::applicationDirPath() +
                         QLatin1String("/../lib/rodwise-hd/librodwise-compositor-bell.so");
    void* handle = dlopen(path.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        qCDebug(lcWaylandBell) << "no module:" << dlerror();
    return handle;
}

void* qtDisplay() {
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    if (const auto* wayland = qGuiApp->nativeInterface<QNativeInterface::QWaylandApplication>())
        return wayland->display();
    return nullptr;
#else
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    return native ? native->nativeResourceForIntegration("wl_display") : nullptr;
#endif
}

Module open() {
    Module module;
    void* handle = loadModule();
    void* display = qtDisplay();
    if (!handle || !display)
        return module;
    const auto resolve = [handle](auto& function, const char* name) {
        function =
            reinterpret_cast<std::remove_reference_t<decltype(function)>>(dlsym(handle, name));
        return function != nullptr;
    };
    if (resolve(module.open, "rodwise_compositor_bell_open") &&
        resolve(module.ring, "rodwise_compositor_bell_ring") &&
        resolve(module.forgetWindow, "rodwise_compositor_bell_forget_window"))
        module.bell = module.open(display);
    return module;
}

// The window's wl_surface; Qt makes it when the window is shown.
void* surfaceOf(QWidget& window) {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    QWindow* handle = window.windowHandle();
    return native && handle ? native->nativeResourceForWindow("surface", handle) : nullptr;
}

} // namespace

namespace wayland_bell {

bool ring(QWidget& window) {
    static const Module module = open();
    if (!module.bell)
        return false;
    // Qt destroys the window's surface when the window is hidden.
    static QPointer<QWindow> watched;
    if (QWindow* handle = window.windowHandle(); handle && handle != watched) {
        watched = handle;
        QObject::connect(handle, &QWindow::visibleChanged, handle, [](bool visible) {
            if (!visible)
                module.forgetWindow(module.bell);
        });
    }
    const char* rung = module.ring(module.bell, surfaceOf(window));
    qCDebug(lcWaylandBell) << "rung:" << (rung ? rung : "none");
    return rung != nullptr;
}

} // namespace wayland_bell

#include "ui/platform/screen_reader_keys.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QKeyEvent>

#include <xcb/xcb.h>

// Xlib's macros clash with Qt's names, so Xlib comes last.
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace {

// More presses than this waiting means they never arrive: a window that
// never took the focus, say.
constexpr std::size_t mostPending = 64;

} // namespace

ScreenReaderKeys::ScreenReaderKeys() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return;
    insert_ = static_cast<std::uint8_t>(XKeysymToKeycode(display, XK_Insert));
    keypadInsert_ = static_cast<std::uint8_t>(XKeysymToKeycode(display, XK_KP_Insert));
    qGuiApp->installNativeEventFilter(this);
    installed_ = true;
}

ScreenReaderKeys::~ScreenReaderKeys() {
    if (installed_ && qGuiApp)
        qGuiApp->removeNativeEventFilter(this);
}

bool ScreenReaderKeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const int type = event->response_type & ~0x80;
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
        return false;
    const std::uint8_t keycode = reinterpret_cast<const xcb_key_press_event_t*>(event)->detail;
    const bool press = type == XCB_KEY_PRESS;
    // A held key repeats its press, never its release.
    if (keycode == insert_)
        insertHeld_ = press;
    else if (keycode == keypadInsert_)
        keypadInsertHeld_ = press;
    else if (press) {
        if (pending_.size() == mostPending)
            pending_.pop_front();
        pending_.push_back({keycode, insertHeld_ || keypadInsertHeld_});
    }
    return false;
}

bool ScreenReaderKeys::claimed(const QKeyEvent& press) {
    const quint32 keycode = press.nativeScanCode();
    if (!installed_ || keycode == 0 || keycode == insert_ || keycode == keypadInsert_)
        return false;
    // With a screen reader listening, Qt holds the press the X server sent
    // and delivers a copy of it once the screen reader has passed it on; the
    // copy is the press to match.
    if (press.spontaneous() && QAccessible::isActive())
        return false;
    while (!pending_.empty()) {
        const Press first = pending_.front();
        pending_.pop_front();
        if (first.keycode == keycode)
            return first.claimed;
    }
    return false;
}

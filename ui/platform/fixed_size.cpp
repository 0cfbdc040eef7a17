#include "ui/platform/fixed_size.h"

#include <QEvent>
#include <QMetaObject>
#include <QWidget>

namespace {

constexpr Qt::WindowStates sizedStates = Qt::WindowMaximized | Qt::WindowFullScreen;

// Brings a window in its normal state back to its normal size, the minimum:
// the maximum is left open, or no window manager would maximize it.
class SizeKeeper : public QObject {
public:
    SizeKeeper(QWidget& window) : QObject(&window), window_(window) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::WindowStateChange:
        case QEvent::Resize:
            // Queued: the window system's own answer to the change comes
            // first, and a resize inside it would be overridden.
            if (!(window_.windowState() & sizedStates) && window_.size() != size())
                QMetaObject::invokeMethod(
                    this, [this] { restore(); }, Qt::QueuedConnection);
            break;
        default:
            break;
        }
        return false;
    }

private:
    void restore() {
        if (!(window_.windowState() & sizedStates) && window_.size() != size())
            window_.resize(size());
    }

    QSize size() const { return window_.minimumSize(); }

    QWidget& window_;
};

} // namespace

namespace fixed_size {

void keep(QWidget& window) {
    if (!window.isWindow())
        return;
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    // Open above, or the window manager (X11) and the compositor (Wayland)
    // would take the window for one that cannot grow, and Qt would clamp a
    // maximized size to it.
    window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window.installEventFilter(new SizeKeeper(window));
}

void setSize(QWidget& window, const QSize& size) {
    // A smaller minimum first, or Qt grows the window to the old one.
    window.setMinimumSize(size);
    if (!(window.windowState() & sizedStates))
        window.resize(size);
}

} // namespace fixed_size

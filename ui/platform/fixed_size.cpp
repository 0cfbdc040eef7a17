#include "ui/platform/fixed_size.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMetaObject>
#include <QWidget>

namespace {

constexpr Qt::WindowStates sizedStates = Qt::WindowMaximized | Qt::WindowFullScreen;

// Watches a window whose size Qt does not hold fixed (Wayland).
class SizeKeeper : public QObject {
public:
    SizeKeeper(QWidget& window) : QObject(&window), window_(window) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::WindowStateChange:
            if (window_.windowState() & sizedStates) {
                // The compositor holds the window to the size it gave until it
                // has seen one frame of it; only then may the normal state be
                // asked for again.
                awaitingFrame_ = true;
                window_.update();
            }
            break;
        case QEvent::Paint:
            // The frame is handed to the compositor when painting returns;
            // a queued call runs after that.
            if (awaitingFrame_) {
                awaitingFrame_ = false;
                QMetaObject::invokeMethod(
                    this, [this] { restore(); }, Qt::QueuedConnection);
            }
            break;
        case QEvent::Resize:
            // A resize from the compositor (a drag on the frame, tiling)
            // comes in the normal state; the window answers with its size.
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
        if (window_.windowState() & sizedStates)
            window_.setWindowState(window_.windowState() & ~sizedStates);
        else if (window_.size() != size())
            window_.resize(size());
    }

    // The window's fixed size, which a zoom changes: its minimum here, where
    // the maximum is left open.
    QSize size() const { return window_.minimumSize(); }

    QWidget& window_;
    bool awaitingFrame_ = false;
};

} // namespace

namespace fixedsize {

void keep(QWidget& window) {
    if (!window.isWindow())
        return;
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint);
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        // Qt would clamp a configured size to the maximum, answering a
        // maximized state with a frame of the wrong size.
        window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        window.installEventFilter(new SizeKeeper(window));
    }
}

void resized(QWidget& window) {
    if (window.isWindow() && QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

} // namespace fixedsize

#include "ui/window/zoom.h"

#include "ui/assistive/speech.h"
#include "ui/platform/fixed_size.h"
#include "ui/widgets/layout.h"

#include <QApplication>
#include <QScreen>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>

namespace {

bool givenItsSize(const QWidget& window) {
    return window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
}

} // namespace

Zoom::Zoom(QWidget& window, LayOut layOut) : window_(window), layOut_(std::move(layOut)) {
    window_.setFixedSize(layout::windowSize(zoom_));
    fixed_size::keep(window_);
}

int Zoom::largest() const {
    const QScreen* shown = window_.screen();
    if (!shown)
        return layout::zoomSteps.front();
    // The window's frame (title bar and borders) takes room as well.
    const QSize frame =
        window_.isVisible() ? window_.frameGeometry().size() - window_.size() : QSize(0, 0);
    return layout::largestZoomWithin(shown->availableGeometry().size() - frame, below_);
}

void Zoom::choose(int zoomPercent) {
    if (zoomPercent == zoom_)
        return;
    zoom_ = zoomPercent;
    // Maximized, the window keeps the size it was given and shows the largest
    // zoom that fits; the new one is shown on the restore.
    fixed_size::setSize(window_, layout::windowSize(zoom_, below_));
    if (!givenItsSize(window_)) {
        shownZoom_ = zoom_;
        origin_ = QPoint(0, 0);
        layOut_(zoom_, origin_);
    }
}

void Zoom::resized() {
    // Maximized or full screen: the abacus at the largest zoom the given size
    // holds, centred on the window's background. Otherwise (and on the
    // restore) at the zoom, filling the window.
    const bool given = givenItsSize(window_);
    const QSize size = window_.size();
    const int zoom = given ? layout::largestZoomWithin(size, below_) : zoom_;
    const QSize used = layout::windowSize(zoom, below_);
    const QPoint origin = given ? QPoint(std::max(0, (size.width() - used.width()) / 2),
                                         std::max(0, (size.height() - used.height()) / 2))
                                : QPoint(0, 0);
    if (zoom == shownZoom_ && origin == origin_)
        return;
    shownZoom_ = zoom;
    origin_ = origin;
    layOut_(zoom, origin);
}

void Zoom::makeRoomBelow(int twips) {
    if (twips == below_)
        return;
    below_ = twips;
    // A zoom the screen no longer holds with the room steps down to one it
    // does, as a kept zoom too large for the screen does at start.
    const int fitting = std::min(zoom_, largest());
    if (fitting != zoom_)
        zoom_ = fitting;
    fixed_size::setSize(window_, layout::windowSize(zoom_, below_));
    if (!givenItsSize(window_))
        shownZoom_ = zoom_;
    layOut_(shownZoom_, origin_);
}

QRect Zoom::roomBelow() const {
    const QSize abacus = layout::windowSize(shownZoom_);
    return {
        origin_ + QPoint(0, abacus.height()),
        QSize(abacus.width(), layout::windowSize(shownZoom_, below_).height() - abacus.height())};
}

void Zoom::step(int direction) {
    const int wanted =
        direction == 0 ? layout::zoomSteps.front() : layout::zoomStep(zoom_, direction, largest());
    if (wanted == zoom_) {
        // At the largest step that fits nothing grows; a screen reader hears
        // why. No bell: the bell is the sign of a refusal, which clears.
        if (direction > 0)
            speech::say(&window_, tr("Zoom %1 %, the largest the screen holds").arg(zoom_));
        return;
    }
    choose(wanted);
    speech::say(&window_, tr("Zoom %1 %").arg(zoom_));
    if (onChosen)
        onChosen(zoom_);
}

bool Zoom::takeWheel(QWheelEvent& wheel) {
    if (!(wheel.modifiers() & Qt::ControlModifier))
        return false;
    // A notch is 120; a smooth wheel or touchpad sends less and adds up.
    wheelTurn_ += wheel.angleDelta().y();
    while (wheelTurn_ >= 120 || wheelTurn_ <= -120) {
        const int direction = wheelTurn_ > 0 ? 1 : -1;
        wheelTurn_ -= 120 * direction;
        step(direction);
    }
    wheel.accept();
    return true;
}

void zoomText(QWidget& window, int zoomPercent) {
    QFont font = QApplication::font(&window);
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * zoomPercent / 100);
    else
        font.setPixelSize(font.pixelSize() * zoomPercent / 100);
    window.setFont(font);
}

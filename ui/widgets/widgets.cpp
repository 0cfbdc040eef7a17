#include "ui/widgets/widgets.h"

#include "ui/widgets/palette.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

bool isMouseEvent(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}

bool leftReleaseInside(const QWidget* widget, const QMouseEvent* event) {
    return event->button() == Qt::LeftButton &&
           widget->rect().contains(event->position().toPoint());
}

// The rectangle r grown to whole device pixels. An image painted there without
// smoothing covers every device pixel of its widget, also where a fractional
// device pixel ratio puts the widget's edge inside a pixel, so no seam of the
// window's background shows between touching pictures.
QRectF devicePixelCover(const QPainter& painter, const QRectF& r) {
    const QTransform toDevice = painter.deviceTransform();
    const QRectF d = toDevice.mapRect(r);
    constexpr double slack = 1e-6;
    const QRectF whole(QPointF(std::floor(d.left() + slack), std::floor(d.top() + slack)),
                       QPointF(std::ceil(d.right() - slack), std::ceil(d.bottom() - slack)));
    return toDevice.inverted().mapRect(whole);
}

} // namespace

std::optional<MouseButton> beadButton(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return MouseButton::Left;
    case Qt::RightButton:
        return MouseButton::Right;
    case Qt::MiddleButton:
        return MouseButton::Other;
    default:
        return std::nullopt;
    }
}

Picture::Picture(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_NoMousePropagation);
    // It paints every pixel it covers, so a change repaints it alone and not
    // the window behind it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Picture::setImage(const QImage* image) {
    if (image == image_)
        return;
    image_ = image;
    update();
}

bool Picture::event(QEvent* event) {
    if (!isEnabled() && isMouseEvent(event->type())) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void Picture::changeEvent(QEvent* event) {
    // Enabling or disabling changes nothing on screen, so no repaint.
    if (event->type() == QEvent::EnabledChange)
        return;
    QWidget::changeEvent(event);
}

void Picture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // On a high-density screen each image pixel becomes a block of device
    // pixels in one of the image's own colours: nearest neighbour, no blur.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // Where neither the fill nor the image reaches, the window's background.
    if (!fill_.isValid() && !(image_ && image_->rect().contains(rect())))
        painter.fillRect(devicePixelCover(painter, rect()), palette().window());
    if (fill_.isValid())
        painter.fillRect(devicePixelCover(painter, rect()), fill_);
    if (image_)
        painter.drawImage(devicePixelCover(painter, QRectF(QPointF(0, 0), QSizeF(image_->size()) /
                                                                              devicePixelRatioF())),
                          *image_);
    if (marked_)
        drawMark(painter);
}

void Picture::setMarked(bool marked, int zoomPercent) {
    if (marked == marked_ && (!marked || zoomPercent == zoom_))
        return;
    marked_ = marked;
    zoom_ = zoomPercent;
    update();
}

void Picture::drawMark(QPainter& painter) const {
    // Two pixels at 100 %, a whole number of device pixels at any zoom.
    const qreal ratio = devicePixelRatioF();
    const qreal width = std::max(1.0, std::round(2.0 * zoom_ / 100 * ratio)) / ratio;
    QRectF ring = QRectF(rect()).adjusted(width / 2, width / 2, -width / 2, -width / 2);
    for (const QColor& colour : {palette::current().hintRing, palette::current().hintInnerRing}) {
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(ring);
        ring.adjust(width, width, -width, -width);
    }
}

void Picture::click() {
    const QPointF centre = QRectF(rect()).center();
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, centre, mapToGlobal(centre), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(this, &event);
    }
}

void Picture::mousePressEvent(QMouseEvent* event) {
    event->accept();
    leftDown_ = event->button() == Qt::LeftButton;
    const std::optional<MouseButton> button = beadButton(event->button());
    if (onPress && button)
        onPress(*button);
}

void Picture::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const bool click = leftDown_ && leftReleaseInside(this, event);
    leftDown_ = false;
    if (click && onClick)
        onClick();
}

PointButton::PointButton(QWidget* parent) : QRadioButton(parent) {
    setAttribute(Qt::WA_NoMousePropagation);
}

void PointButton::setZoom(int zoomPercent) {
    zoom_ = zoomPercent;
    update();
}

bool PointButton::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

void PointButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& pal = palette();
    p.fillRect(rect(), pal.color(QPalette::Window));
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF ring = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(isDown() ? pal.color(QPalette::Button) : pal.color(QPalette::Base));
    p.drawEllipse(ring);
    // A sunken ring: shadowed at the top left, lit at the bottom right.
    p.setBrush(Qt::NoBrush);
    // The ring's strokes are a pixel wide at 100 %.
    const double line = std::max(1, zoom_ / 100);
    const QRectF edge = QRectF(rect()).adjusted(line / 2, line / 2, -line / 2, -line / 2);
    p.setPen(QPen(palette::current().ringShadow, line));
    p.drawArc(edge, 45 * 16, 180 * 16);
    p.setPen(QPen(palette::current().ringLight, line));
    p.drawArc(edge, 225 * 16, 180 * 16);
    if (hasFocus()) {
        p.setPen(QPen(pal.color(QPalette::Highlight), line));
        p.drawEllipse(edge.adjusted(line, line, -line, -line));
    }
    if (isChecked()) {
        p.setPen(Qt::NoPen);
        p.setBrush(pal.color(QPalette::Text));
        const double dot = 4.0 * zoom_ / 100;
        p.drawEllipse(QRectF(rect()).adjusted(dot, dot, -dot, -dot));
    }
}

void PointButton::keyPressEvent(QKeyEvent* event) {
    // The rods are numbered from the right: Left goes to the next higher one.
    const int step = event->key() == Qt::Key_Left ? 1 : event->key() == Qt::Key_Right ? -1 : 0;
    if (step == 0 && event->key() != Qt::Key_Up && event->key() != Qt::Key_Down)
        return QRadioButton::keyPressEvent(event);
    event->accept();
    QButtonGroup* buttons = group();
    QAbstractButton* next = buttons && step ? buttons->button(buttons->id(this) + step) : nullptr;
    if (!next)
        return;
    next->click();
    next->setFocus(step > 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    leftDown_ = event->button() == Qt::LeftButton;
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const bool click = leftDown_ && leftReleaseInside(this, event);
    leftDown_ = false;
    if (click && onClick)
        onClick();
}

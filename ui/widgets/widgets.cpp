#include "ui/widgets/widgets.h"

#include "ui/widgets/key_pictures.h"
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

// Halfway between two colours: the grey of a disabled caption.
QColor mix(QColor a, QColor b) {
    return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
}

bool leftReleaseInside(const QWidget* widget, const QMouseEvent* event) {
    return event->button() == Qt::LeftButton &&
           widget->rect().contains(event->position().toPoint());
}

// The classic raised (or, held down, sunken) edge of a key, drawn over its face,
// each of its two rings w pixels wide.
void drawBevel(QPainter& p, QRect r, const QPalette& pal, bool down, bool focused, int w) {
    const QColor light = pal.color(QPalette::Light);
    const QColor dark = pal.color(QPalette::Dark);
    const QColor shadow = pal.color(QPalette::Shadow);
    const int x0 = r.left(), y0 = r.top(), x1 = r.right(), y1 = r.bottom();
    // Each edge is a rectangle one pixel wide rather than a line, so that on a
    // high-density screen it fills whole device pixels inside the key.
    auto frame = [&p, w](int l, int t, int rt, int b, QColor topLeft, QColor bottomRight) {
        for (int i = 0; i < w; ++i, ++l, ++t, --rt, --b) {
            p.fillRect(l, t, 1, b - t, topLeft);
            p.fillRect(l, t, rt - l, 1, topLeft);
            p.fillRect(l, b, rt - l + 1, 1, bottomRight);
            p.fillRect(rt, t, 1, b - t + 1, bottomRight);
        }
    };
    if (down) {
        frame(x0, y0, x1, y1, shadow, light);
        frame(x0 + w, y0 + w, x1 - w, y1 - w, dark, pal.color(QPalette::Button));
    } else {
        // A key with the keyboard focus gets a dark outer edge all round.
        frame(x0, y0, x1, y1, focused ? shadow : light, shadow);
        frame(x0 + w, y0 + w, x1 - w, y1 - w, focused ? light : pal.color(QPalette::Button), dark);
    }
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

KeyButton::KeyButton(Key key, bool picture, QWidget* parent)
    : QPushButton(parent), key_(key), picture_(picture) {}

void KeyButton::setZoom(int zoomPercent) {
    if (zoomPercent == zoom_)
        return;
    zoom_ = zoomPercent;
    update();
}

void KeyButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const bool down = isDown();
    // A disabled key keeps its edge and face; only the caption greys.
    QPalette pal = palette();
    pal.setCurrentColorGroup(QPalette::Active);
    // The edge's rings and the press's shift are a pixel wide at 100 %.
    const int w = std::max(1, zoom_ / 100);
    const QPoint shift = down ? QPoint(w, w) : QPoint(0, 0);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (picture_)
        paintPictureFace(p, down, shift);
    else
        paintCaptionFace(p, pal, w, shift);
    drawBevel(p, rect(), pal, down, hasFocus(), w);
}

void KeyButton::paintPictureFace(QPainter& p, bool down, QPoint shift) {
    p.fillRect(rect(), Qt::white);
    // The picture at the device's pixels, placed in the key's own.
    const double zoom = zoom_ / 100.0;
    const double ratio = devicePixelRatioF();
    const QImage& image =
        down ? key_pictures::bead(key_, zoom * ratio) : key_pictures::symbol(key_, zoom * ratio);
    const QSize base = down ? key_pictures::beadSize(key_, 1.0) : key_pictures::symbolSize(1.0);
    const QSize size(static_cast<int>(std::lround(base.width() * zoom)),
                     static_cast<int>(std::lround(base.height() * zoom)));
    const QRect place(rect().center() - QPoint(size.width() / 2, size.height() / 2) + shift, size);
    if (!isEnabled())
        p.setOpacity(palette::current().disabledOpacity);
    p.drawImage(place, image);
    if (down) {
        // The symbol in the 100 % picture's coordinates, scaled as vectors.
        p.save();
        p.translate(place.topLeft());
        p.scale(zoom, zoom);
        key_pictures::drawGlyph(p, key_, QRectF(QPointF(0, 0), QSizeF(base)));
        p.restore();
    }
    p.setOpacity(1.0);
}

void KeyButton::paintCaptionFace(QPainter& p, const QPalette& pal, int w, QPoint shift) {
    p.fillRect(rect(), pal.color(QPalette::Button));
    p.setFont(font());
    const QRect box = rect().adjusted(w, w, -w, -w).translated(shift);
    if (!isEnabled() && palette::current().disabledCaption.isValid()) {
        // High contrast: a grey still dark enough to read, not engraved.
        p.setPen(palette::current().disabledCaption);
    } else if (!isEnabled()) {
        // The classic engraved caption of a disabled key.
        p.setPen(pal.color(QPalette::Light));
        p.drawText(box.translated(w, w), Qt::AlignCenter, text());
        p.setPen(mix(pal.color(QPalette::ButtonText), pal.color(QPalette::Button)));
    } else {
        p.setPen(pal.color(QPalette::ButtonText));
    }
    p.drawText(box, Qt::AlignCenter, text());
}

BeamRadio::BeamRadio(QWidget* parent) : QRadioButton(parent) {
    setAttribute(Qt::WA_NoMousePropagation);
}

void BeamRadio::setZoom(int zoomPercent) {
    zoom_ = zoomPercent;
    update();
}

bool BeamRadio::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

void BeamRadio::paintEvent(QPaintEvent*) {
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

void BeamRadio::keyPressEvent(QKeyEvent* event) {
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

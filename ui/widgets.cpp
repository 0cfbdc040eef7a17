#include "ui/widgets.h"

#include "ui/images.h"

#include <QMouseEvent>
#include <QPainter>

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

// The classic raised (or, held down, sunken) edge of a key, drawn over its face.
void drawBevel(QPainter& p, QRect r, const QPalette& pal, bool down, bool focused) {
    const QColor light = pal.color(QPalette::Light);
    const QColor dark = pal.color(QPalette::Dark);
    const QColor shadow = pal.color(QPalette::Shadow);
    const int x0 = r.left(), y0 = r.top(), x1 = r.right(), y1 = r.bottom();
    auto frame = [&p](int l, int t, int rt, int b, QColor topLeft, QColor bottomRight) {
        p.setPen(topLeft);
        p.drawLine(l, b - 1, l, t);
        p.drawLine(l, t, rt - 1, t);
        p.setPen(bottomRight);
        p.drawLine(l, b, rt, b);
        p.drawLine(rt, b, rt, t);
    };
    if (down) {
        frame(x0, y0, x1, y1, shadow, light);
        frame(x0 + 1, y0 + 1, x1 - 1, y1 - 1, dark, pal.color(QPalette::Button));
    } else {
        // A key with the keyboard focus gets a dark outer edge all round.
        frame(x0, y0, x1, y1, focused ? shadow : light, shadow);
        frame(x0 + 1, y0 + 1, x1 - 1, y1 - 1, focused ? light : pal.color(QPalette::Button), dark);
    }
}

} // namespace

int formButton(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

Picture::Picture(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_NoMousePropagation);
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
    if (fill_.isValid())
        painter.fillRect(rect(), fill_);
    if (image_)
        painter.drawImage(QPoint(0, 0), *image_);
}

void Picture::mousePressEvent(QMouseEvent* event) {
    event->accept();
    leftDown_ = event->button() == Qt::LeftButton;
    const int button = formButton(event->button());
    if (onPress && button != 0)
        onPress(button);
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

void KeyButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    const bool down = isDown();
    // A disabled key keeps its edge and face; only the caption greys.
    QPalette pal = palette();
    pal.setCurrentColorGroup(QPalette::Active);
    const QPoint shift = down ? QPoint(1, 1) : QPoint(0, 0);
    if (picture_) {
        p.fillRect(r, Qt::white);
        const QImage& image = down ? images::keyBead(key_) : images::keySymbol(key_);
        const QRect place(r.center() - QPoint(image.width() / 2, image.height() / 2) + shift,
                          image.size());
        if (!isEnabled())
            p.setOpacity(0.45);
        p.drawImage(place, image);
        if (down)
            images::drawKeyGlyph(p, key_, place);
        p.setOpacity(1.0);
    } else {
        p.fillRect(r, pal.color(QPalette::Button));
        p.setFont(font());
        const QRect box = r.adjusted(1, 1, -1, -1).translated(shift);
        if (!isEnabled()) {
            // The classic engraved caption of a disabled key.
            p.setPen(pal.color(QPalette::Light));
            p.drawText(box.translated(1, 1), Qt::AlignCenter, text());
            p.setPen(mix(pal.color(QPalette::ButtonText), pal.color(QPalette::Button)));
        } else {
            p.setPen(pal.color(QPalette::ButtonText));
        }
        p.drawText(box, Qt::AlignCenter, text());
    }
    drawBevel(p, r, pal, down, hasFocus());
}

BeamRadio::BeamRadio(QWidget* parent) : QRadioButton(parent) {
    setAttribute(Qt::WA_NoMousePropagation);
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
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.0));
    p.drawArc(ring, 45 * 16, 180 * 16);
    p.setPen(QPen(QColor(0xE0, 0xE0, 0xE0), 1.0));
    p.drawArc(ring, 225 * 16, 180 * 16);
    if (hasFocus()) {
        p.setPen(QPen(pal.color(QPalette::Highlight), 1.0));
        p.drawEllipse(ring.adjusted(1, 1, -1, -1));
    }
    if (isChecked()) {
        p.setPen(Qt::NoPen);
        p.setBrush(pal.color(QPalette::Text));
        p.drawEllipse(QRectF(rect()).adjusted(4, 4, -4, -4));
    }
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

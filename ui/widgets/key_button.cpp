#include "ui/widgets/key_button.h"

#include "ui/widgets/key_pictures.h"
#include "ui/widgets/palette.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Halfway between two colours: the grey of a disabled caption.
QColor mix(QColor a, QColor b) {
    return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
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

} // namespace

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

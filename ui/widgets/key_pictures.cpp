#include "ui/widgets/key_pictures.h"

#include "ui/widgets/palette.h"
#include "ui/widgets/picture_drawing.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace key_pictures {
namespace {

using picture_drawing::blank;
using picture_drawing::cached;
using picture_drawing::drawBead;
using picture_drawing::drawFlatBead;
using picture_drawing::scaled;

int beadWidth(Key key) {
    return key == Key::Multiply ? 27 : key == Key::Clear ? 19 : 20;
}

int keySlot(Key key) {
    switch (key) {
    case Key::Multiply:
        return 0;
    case Key::Divide:
        return 1;
    case Key::Equals:
        return 2;
    default:
        return 3;
    }
}

// The key's pictures are drawn in the 100 % picture's coordinates, scaled as
// vectors: every edge is drawn afresh at the device pixel size.
QImage drawSymbol(Key key, QSize size, const palette::Colours& colours) {
    QImage image = blank(size.width(), size.height(), colours.keyField);
    QPainter painter(&image);
    painter.scale(size.width() / 20.0, size.height() / 15.0);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.keyCorner);
    painter.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(7, 0), QPointF(0, 7)}));
    drawGlyph(painter, key, QRectF(4, 1, 14, 13));
    return image;
}

QImage drawKeyBead(Key key, QSize size, const palette::Colours& colours) {
    const QColor silver = colours.keyBeadField;
    const int width = beadWidth(key);
    const double sx = size.width() / double(width);
    const double sy = size.height() / 12.0;
    QImage image = blank(size.width(), size.height(), silver);
    const QRect box(scaled(1, sx), 0, scaled(width - 1, sx) - scaled(1, sx), size.height());
    const int rim = std::max(1, static_cast<int>(std::min(sx, sy)));
    if (colours.high)
        drawFlatBead(image, box, colours.bead, scaled(7, sx), rim);
    else
        drawBead(image, box, colours.bead, scaled(7, sx), rim);
    QPainter painter(&image);
    painter.scale(sx, sy);
    switch (key) {
    case Key::Divide: // cut into an upper and a lower half
        painter.fillRect(0, 5, width, 2, silver);
        break;
    case Key::Equals: // two notches across the middle
        painter.fillRect(4, 3, width - 8, 2, silver);
        painter.fillRect(4, 7, width - 8, 2, silver);
        break;
    case Key::Clear: // the right part cut away
        painter.fillRect(width / 2, 4, width - width / 2, 4, silver);
        break;
    default: // "*": the whole bead
        break;
    }
    return image;
}

QSize scaledSize(QSize size, double scale) {
    return {scaled(size.width(), scale), scaled(size.height(), scale)};
}

} // namespace

QSize symbolSize(double scale) {
    return scaledSize({20, 15}, scale);
}

QSize beadSize(Key key, double scale) {
    return scaledSize({beadWidth(key), 12}, scale);
}

const QImage& symbol(Key key, double scale) {
    const QSize size = symbolSize(scale);
    return cached(20 + keySlot(key), size,
                  [&](const palette::Colours& colours) { return drawSymbol(key, size, colours); });
}

const QImage& bead(Key key, double scale) {
    const QSize size = beadSize(key, scale);
    return cached(30 + keySlot(key), size,
                  [&](const palette::Colours& colours) { return drawKeyBead(key, size, colours); });
}

void drawGlyph(QPainter& painter, Key key, const QRectF& box) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    // Whole-pixel centre so the straight strokes land on the pixel grid.
    const QPointF c(std::floor(box.center().x()), std::floor(box.center().y()));
    const double arm = std::floor(std::min(box.width(), box.height()) * 0.36);
    switch (key) {
    case Key::Multiply: {
        painter.setPen(QPen(Qt::black, 1.8, Qt::SolidLine, Qt::FlatCap));
        const QPointF centre = c + QPointF(0.5, 0.5);
        for (double degrees : {90.0, 30.0, -30.0}) {
            const double r = degrees * std::numbers::pi / 180.0;
            const QPointF d(arm * std::cos(r), -arm * std::sin(r));
            painter.drawLine(centre - d, centre + d);
        }
        break;
    }
    case Key::Divide:
        painter.drawRect(QRectF(c.x() - arm, c.y(), 2 * arm + 1, 2));
        painter.drawEllipse(QRectF(c.x() - 0.5, c.y() - 4, 2, 2));
        painter.drawEllipse(QRectF(c.x() - 0.5, c.y() + 4, 2, 2));
        break;
    case Key::Equals:
        painter.drawRect(QRectF(c.x() - arm, c.y() - 2, 2 * arm + 1, 2));
        painter.drawRect(QRectF(c.x() - arm, c.y() + 2, 2 * arm + 1, 2));
        break;
    default: { // "C"
        painter.setPen(QPen(Qt::black, 2.0, Qt::SolidLine, Qt::FlatCap));
        painter.setBrush(Qt::NoBrush);
        const QRectF ring(c.x() - arm + 1.5, c.y() - arm + 1.5, 2 * arm - 1, 2 * arm - 1);
        painter.drawArc(ring, 45 * 16, 270 * 16);
        break;
    }
    }
    painter.restore();
}

} // namespace key_pictures

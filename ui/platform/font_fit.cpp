#include "ui/platform/font_fit.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <algorithm>

namespace font_fit {
namespace {

// The pixels that caption's ink covers when drawn into layout as a label or a
// key draws it, nothing clipped. Drawn rather than measured: the metrics'
// tight rectangle rounds each glyph outwards and can be a pixel wider than
// the ink.
QRect inkOf(const QFont& font, const QRect& layout, Qt::Alignment alignment,
            const QString& caption) {
    // A box's size of room on every side, so that ink spilling over any edge
    // shows.
    const QSize size = layout.size();
    QImage image(size * 3, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRect(QPoint(size.width(), size.height()), size),
                         int(alignment) | Qt::TextDontClip, caption);
    }
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(row[x]) != 0)
                ink |= QRect(x, y, 1, 1);
    }
    return ink.translated(layout.topLeft() - QPoint(size.width(), size.height()));
}

// How many times wider or taller than the smallest room the widest caption's
// advance and height are at the font's size; 1 or less where they fit.
double overflow(const QFont& font, const std::vector<Box>& boxes, const QStringList& captions) {
    const QFontMetricsF metrics(font);
    double worst = 0;
    for (const Box& box : boxes) {
        for (const QString& caption : captions) {
            const QRectF ink = metrics.tightBoundingRect(caption);
            const double wide = std::max(metrics.horizontalAdvance(caption), ink.width());
            worst = std::max({worst, wide / box.room.width(), ink.height() / box.room.height()});
        }
    }
    return worst;
}

} // namespace

bool drawsWhole(const QFont& font, const std::vector<Box>& boxes, Qt::Alignment alignment,
                const QStringList& captions) {
    for (const Box& box : boxes)
        for (const QString& caption : captions)
            if (!box.room.contains(inkOf(font, box.layout, alignment, caption)))
                return false;
    return true;
}

std::optional<QFont> shrunkToFit(QFont font, const std::vector<Box>& boxes, Qt::Alignment alignment,
                                 const QStringList& captions, int smallest) {
    for (const Box& box : boxes)
        if (box.room.isEmpty())
            return std::nullopt;
    if (drawsWhole(font, boxes, alignment, captions))
        return font;
    const int own = font.pixelSize();
    const double over = overflow(font, boxes, captions);
    // The estimate goes by the advance, a little wider than the ink: start one
    // above it.
    int size = std::min(own - 1, static_cast<int>(own / std::max(over, 1.0)) + 1);
    for (; size >= std::max(smallest, 1); --size) {
        font.setPixelSize(size);
        if (drawsWhole(font, boxes, alignment, captions))
            return font;
    }
    return std::nullopt;
}

} // namespace font_fit

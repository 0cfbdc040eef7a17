#include "ui/widgets/images.h"

#include "ui/widgets/layout.h"
#include "ui/widgets/palette.h"
#include "ui/widgets/picture_drawing.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <stdexcept>

namespace images {
namespace {

using picture_drawing::blank;
using picture_drawing::cached;
using picture_drawing::drawBead;
using picture_drawing::drawFlatBead;
using picture_drawing::scaled;

// A cell drawn at size; at cellSize() it is the window's own picture. The
// high-contrast bead leaves a row of field above and below, so that it never
// touches the rod of the cell next to it, nor the next bead.
QImage drawCell(Image which, QSize size, const palette::Colours& colours) {
    const double sx = size.width() / double(cellSize().width());
    const double sy = size.height() / double(cellSize().height());
    const int rim = std::max(1, static_cast<int>(std::min(sx, sy)));
    const int gap = colours.high ? scaled(1, sy) : 0;
    const QRect beadBox(scaled(1, sx), gap, scaled(32, sx) - scaled(1, sx),
                        size.height() - 2 * gap);
    const bool extra = which == Image::ExtraBead;
    QImage image = blank(size.width(), size.height(),
                         which == Image::Gap ? colours.field
                         : extra             ? colours.extraField
                                             : colours.beadField);
    if (which == Image::Gap) {
        // The bare rod, two pixels wide down the middle, rounded by its shading.
        QPainter painter(&image);
        painter.fillRect(scaled(15, sx), 0, scaled(16, sx) - scaled(15, sx), size.height(),
                         colours.rodLit);
        painter.fillRect(scaled(16, sx), 0, scaled(17, sx) - scaled(16, sx), size.height(),
                         colours.rodShade);
    } else if (!colours.high) {
        drawBead(image, beadBox, extra ? colours.extraBead : colours.bead, scaled(11, sx), rim);
    } else if (extra) {
        drawFlatBead(image, beadBox, colours.extraBead, scaled(11, sx), rim,
                     {{scaled(5, sy), scaled(7, sy)}, {scaled(12, sy), scaled(14, sy)}},
                     colours.extraStripe);
    } else {
        drawFlatBead(image, beadBox, colours.bead, scaled(11, sx), rim);
    }
    return image;
}

// Horizontal stripes, one grey per 100 % row, mid grey at the top fading to
// black; a taller bar gives each grey its share of the rows.
QImage drawBar(QSize size, bool darkOnTop, const palette::Colours& colours) {
    if (colours.bar.isValid())
        return blank(size.width(), size.height(), colours.bar);
    static constexpr std::array<QRgb, 15> rows{0x7B7B7B, 0x707070, 0x656565, 0x5B5B5B, 0x535A54,
                                               0x464646, 0x373737, 0x373737, 0x212121, 0x212121,
                                               0x212121, 0x090909, 0x090909, 0x090909, 0x090909};
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    const int height = image.height();
    for (int y = 0; y < height; ++y) {
        const auto stripe = static_cast<std::size_t>(y * int(rows.size()) / height);
        const auto row = darkOnTop ? rows.size() - 1 - stripe : stripe;
        painter.fillRect(0, y, size.width(), 1, QColor(rows[row]));
    }
    painter.end();
    return image;
}

} // namespace

QSize cellSize() {
    // Every cell of the layout has the same size: rod 0's lower cell 0's.
    static const QSize size = [] {
        for (const layout::Control& c : layout::controls())
            if (c.name == layout::deckName(Deck::Lower, 0) && c.index == 0)
                return layout::pixelRect(c).size();
        throw std::logic_error("no cell in the layout");
    }();
    return size;
}

QSize barSize(int index) {
    return {index == 0 ? 440 : 420, 15};
}

// Each cell's picture is marked with what it shows, for a screen reader asking.
const QString cellTextKey = QStringLiteral("cell");

const QImage& cell(Image image, QSize size) {
    return cached(static_cast<int>(image), size, [&](const palette::Colours& colours) {
        QImage picture = drawCell(image, size, colours);
        picture.setText(cellTextKey, QString::number(static_cast<int>(image)));
        return picture;
    });
}

std::optional<Image> cellImage(const QImage& picture) {
    bool ok = false;
    const int shown = picture.text(cellTextKey).toInt(&ok);
    if (!ok || shown < 0 || shown > static_cast<int>(Image::ExtraBead))
        return std::nullopt;
    return static_cast<Image>(shown);
}

const QImage& bar(int index, QSize size) {
    return cached(index == 0 ? 10 : 11, size, [&](const palette::Colours& colours) {
        return drawBar(size, index == 0, colours);
    });
}

} // namespace images

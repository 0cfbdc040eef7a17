#include "ui/widgets/images.h"

#include "ui/widgets/palette.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace images {
namespace {

constexpr int cellWidth = 33;
constexpr int cellHeight = 18;

QImage blank(int width, int height, QColor field) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(field);
    return image;
}

QColor mix(QColor a, QColor b, double t) {
    auto blend = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return QColor(blend(a.red(), b.red()), blend(a.green(), b.green()), blend(a.blue(), b.blue()));
}

// The width and left edge of row y of a bead filling box: a flattened diamond,
// widest in its middle row and tipWidth wide in its top and bottom rows.
struct BeadRow {
    int left, width;
};
BeadRow beadRow(QRect box, int tipWidth, int y) {
    const int mid = box.top() + box.height() / 2;
    const double span = y <= mid ? mid - box.top() : box.bottom() - mid;
    const double reach = 1.0 - std::abs(y - mid) / span;
    const double exact = tipWidth + (box.width() - tipWidth) * reach;
    // Keep each row centred on the box: its width has the box's parity.
    const int width = box.width() - 2 * static_cast<int>(std::lround((box.width() - exact) / 2));
    return {box.left() + (box.width() - width) / 2, width};
}

// A wooden bead seen from the side, lit from above.
void drawBead(QImage& image, QRect box, QColor wood, int tipWidth) {
    const int mid = box.top() + box.height() / 2;
    const QColor light = wood.lighter(128);
    const QColor dark = wood.darker(130);
    const QColor rim = wood.darker(165);
    for (int y = box.top(); y <= box.bottom(); ++y) {
        const double span = y <= mid ? mid - box.top() : box.bottom() - mid;
        const auto [left, width] = beadRow(box, tipWidth, y);
        const QColor body =
            y <= mid ? mix(light, wood, (y - box.top()) / span) : mix(wood, dark, (y - mid) / span);
        const bool edgeRow = y == box.top() || y == box.bottom();
        for (int x = left; x < left + width; ++x) {
            const bool edge = edgeRow || x == left || x == left + width - 1;
            image.setPixelColor(x, y, edge ? rim : body);
        }
    }
    // A soft highlight on the upper left face.
    const QColor shine = wood.lighter(150);
    const int cx = box.left() + box.width() / 2;
    const int row = box.top() + box.height() / 4;
    for (int x = cx - box.width() / 4; x < cx - 1; ++x)
        image.setPixelColor(x, row, shine);
}

// The same bead in one flat colour, for high contrast, with stripes of
// another colour across the rows given (the rows' ends keep the bead's colour,
// so a stripe never touches the field).
void drawFlatBead(QImage& image, QRect box, QColor colour, int tipWidth,
                  std::initializer_list<int> stripeRows = {}, QColor stripe = {}) {
    for (int y = box.top(); y <= box.bottom(); ++y) {
        const auto [left, width] = beadRow(box, tipWidth, y);
        const bool striped = std::find(stripeRows.begin(), stripeRows.end(), y) != stripeRows.end();
        for (int x = left; x < left + width; ++x) {
            const bool end = x == left || x == left + width - 1;
            image.setPixelColor(x, y, striped && !end ? stripe : colour);
        }
    }
}

// A bead of a cell: the everyday one fills the cell's height; the high-contrast
// one leaves a row of field above and below, so that it never touches the rod
// of the cell next to it, nor the next bead.
void drawCellBead(QImage& image, const palette::Colours& colours, bool extra) {
    const QColor wood = extra ? colours.extraBead : colours.bead;
    if (!colours.high) {
        drawBead(image, QRect(1, 0, 31, cellHeight), wood, 11);
        return;
    }
    const QRect box(1, 1, 31, cellHeight - 2);
    if (extra)
        drawFlatBead(image, box, wood, 11, {5, 6, 12, 13}, colours.extraStripe);
    else
        drawFlatBead(image, box, wood, 11);
}

QImage drawCell(Image which, const palette::Colours& colours) {
    switch (which) {
    case Image::Gap: {
        // The bare rod, two pixels wide down the middle, rounded by its shading.
        QImage image = blank(cellWidth, cellHeight, colours.field);
        for (int y = 0; y < cellHeight; ++y) {
            image.setPixelColor(15, y, colours.rodLit);
            image.setPixelColor(16, y, colours.rodShade);
        }
        return image;
    }
    case Image::Bead: {
        QImage image = blank(cellWidth, cellHeight, colours.beadField);
        drawCellBead(image, colours, false);
        return image;
    }
    case Image::ExtraBead: {
        QImage image = blank(cellWidth, cellHeight, colours.extraField);
        drawCellBead(image, colours, true);
        return image;
    }
    }
    return {};
}

// Horizontal stripes, one grey per row, mid grey at the top fading to black.
QImage drawBar(int width, bool darkOnTop, const palette::Colours& colours) {
    if (colours.bar.isValid())
        return blank(width, 15, colours.bar);
    static constexpr std::array<QRgb, 15> rows{0x7B7B7B, 0x707070, 0x656565, 0x5B5B5B, 0x535A54,
                                               0x464646, 0x373737, 0x373737, 0x212121, 0x212121,
                                               0x212121, 0x090909, 0x090909, 0x090909, 0x090909};
    QImage image(width, static_cast<int>(rows.size()), QImage::Format_RGB32);
    QPainter painter(&image);
    for (int y = 0; y < image.height(); ++y) {
        const auto row = static_cast<std::size_t>(darkOnTop ? image.height() - 1 - y : y);
        painter.fillRect(0, y, width, 1, QColor(rows[row]));
    }
    painter.end();
    return image;
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

QImage drawKeySymbol(Key key, const palette::Colours& colours) {
    QImage image = blank(20, 15, colours.keyField);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.keyCorner);
    painter.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(7, 0), QPointF(0, 7)}));
    drawKeyGlyph(painter, key, QRectF(4, 1, 14, 13));
    return image;
}

QImage drawKeyBead(Key key, const palette::Colours& colours) {
    const QColor silver = colours.keyBeadField;
    const int width = key == Key::Multiply ? 27 : key == Key::Clear ? 19 : 20;
    QImage image = blank(width, 12, silver);
    if (colours.high)
        drawFlatBead(image, QRect(1, 0, width - 2, 12), colours.bead, 7);
    else
        drawBead(image, QRect(1, 0, width - 2, 12), colours.bead, 7);
    QPainter painter(&image);
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

// Each picture drawn once per palette, on first use.
template <typename Draw> auto drawnOnce(Draw draw) {
    using Set = decltype(draw(palette::everyday()));
    static const Set everyday = draw(palette::everyday());
    if (!palette::current().high)
        return &everyday;
    static const Set high = draw(palette::highContrast());
    return &high;
}

} // namespace

const QImage& cell(Image image) {
    const auto* cells = drawnOnce([](const palette::Colours& c) {
        return std::array<QImage, 3>{drawCell(Image::Gap, c), drawCell(Image::Bead, c),
                                     drawCell(Image::ExtraBead, c)};
    });
    return (*cells)[static_cast<std::size_t>(image)];
}

const QImage& bar(int index) {
    const auto* bars = drawnOnce([](const palette::Colours& c) {
        return std::array<QImage, 2>{drawBar(440, true, c), drawBar(420, false, c)};
    });
    return bars->at(index == 0 ? 0 : 1);
}

const QImage& keySymbol(Key key) {
    const auto* symbols = drawnOnce([](const palette::Colours& c) {
        return std::array<QImage, 4>{drawKeySymbol(Key::Multiply, c), drawKeySymbol(Key::Divide, c),
                                     drawKeySymbol(Key::Equals, c), drawKeySymbol(Key::Clear, c)};
    });
    return (*symbols)[static_cast<std::size_t>(keySlot(key))];
}

const QImage& keyBead(Key key) {
    const auto* beads = drawnOnce([](const palette::Colours& c) {
        return std::array<QImage, 4>{drawKeyBead(Key::Multiply, c), drawKeyBead(Key::Divide, c),
                                     drawKeyBead(Key::Equals, c), drawKeyBead(Key::Clear, c)};
    });
    return (*beads)[static_cast<std::size_t>(keySlot(key))];
}

void drawKeyGlyph(QPainter& painter, Key key, const QRectF& box) {
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

} // namespace images

#include "ui/widgets/images.h"

#include "ui/widgets/palette.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <tuple>

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

// A wooden bead seen from the side, lit from above. Its rim and highlight are
// rim pixels thick, so a larger bead keeps the look of the 100 % one with
// edges one device pixel sharp.
void drawBead(QImage& image, QRect box, QColor wood, int tipWidth, int rim = 1) {
    const int mid = box.top() + box.height() / 2;
    const QColor light = wood.lighter(128);
    const QColor dark = wood.darker(130);
    const QColor rimColour = wood.darker(165);
    for (int y = box.top(); y <= box.bottom(); ++y) {
        const double span = y <= mid ? mid - box.top() : box.bottom() - mid;
        const auto [left, width] = beadRow(box, tipWidth, y);
        const QColor body =
            y <= mid ? mix(light, wood, (y - box.top()) / span) : mix(wood, dark, (y - mid) / span);
        const bool edgeRow = y < box.top() + rim || y > box.bottom() - rim;
        for (int x = left; x < left + width; ++x) {
            const bool edge = edgeRow || x < left + rim || x >= left + width - rim;
            image.setPixelColor(x, y, edge ? rimColour : body);
        }
    }
    // A soft highlight on the upper left face.
    const QColor shine = wood.lighter(150);
    const int cx = box.left() + box.width() / 2;
    const int row = box.top() + box.height() / 4;
    for (int y = row; y < row + rim; ++y)
        for (int x = cx - box.width() / 4; x < cx - rim; ++x)
            image.setPixelColor(x, y, shine);
}

// The same bead in one flat colour, for high contrast, with stripes of another
// colour across the rows [first, last) of each band; the rows' rim pixels at
// either end keep the bead's colour, so a stripe never touches the field.
void drawFlatBead(QImage& image, QRect box, QColor colour, int tipWidth, int rim,
                  std::initializer_list<std::pair<int, int>> bands = {}, QColor stripe = {}) {
    for (int y = box.top(); y <= box.bottom(); ++y) {
        const auto [left, width] = beadRow(box, tipWidth, y);
        const bool striped = std::any_of(bands.begin(), bands.end(), [y](auto band) {
            return y >= band.first && y < band.second;
        });
        for (int x = left; x < left + width; ++x) {
            const bool end = x < left + rim || x >= left + width - rim;
            image.setPixelColor(x, y, striped && !end ? stripe : colour);
        }
    }
}

// A length of the 100 % picture at a picture scale.
int scaled(double length, double scale) {
    return static_cast<int>(std::lround(length * scale));
}

// A cell drawn at size; at 33 x 18 it is the window's own picture. The
// high-contrast bead leaves a row of field above and below, so that it never
// touches the rod of the cell next to it, nor the next bead.
QImage drawCell(Image which, QSize size, const palette::Colours& colours) {
    const double sx = size.width() / double(cellWidth);
    const double sy = size.height() / double(cellHeight);
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

int keyBeadWidth(Key key) {
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
QImage drawKeySymbol(Key key, QSize size, const palette::Colours& colours) {
    QImage image = blank(size.width(), size.height(), colours.keyField);
    QPainter painter(&image);
    painter.scale(size.width() / 20.0, size.height() / 15.0);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.keyCorner);
    painter.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(7, 0), QPointF(0, 7)}));
    drawKeyGlyph(painter, key, QRectF(4, 1, 14, 13));
    return image;
}

QImage drawKeyBead(Key key, QSize size, const palette::Colours& colours) {
    const QColor silver = colours.keyBeadField;
    const int width = keyBeadWidth(key);
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

// Every picture once per kind, device size and palette. A std::map keeps each image
// where it is while others are added, so widgets may hold pointers to them;
// a window visits at most a few sizes.
template <typename Draw> const QImage& cached(int kind, QSize size, Draw draw) {
    static std::map<std::tuple<int, int, int>, QImage> pictures;
    const palette::Colours& colours = palette::current();
    const auto key = std::make_tuple(kind + (colours.high ? 100 : 0), size.width(), size.height());
    auto found = pictures.find(key);
    if (found == pictures.end())
        found = pictures.emplace(key, draw(colours)).first;
    return found->second;
}

} // namespace

QSize cellSize() {
    return {cellWidth, cellHeight};
}

QSize barSize(int index) {
    return {index == 0 ? 440 : 420, 15};
}

QSize keySymbolSize(double scale) {
    return scaledSize({20, 15}, scale);
}

QSize keyBeadSize(Key key, double scale) {
    return scaledSize({keyBeadWidth(key), 12}, scale);
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

const QImage& keySymbol(Key key, double scale) {
    const QSize size = keySymbolSize(scale);
    return cached(20 + keySlot(key), size, [&](const palette::Colours& colours) {
        return drawKeySymbol(key, size, colours);
    });
}

const QImage& keyBead(Key key, double scale) {
    const QSize size = keyBeadSize(key, scale);
    return cached(30 + keySlot(key), size,
                  [&](const palette::Colours& colours) { return drawKeyBead(key, size, colours); });
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

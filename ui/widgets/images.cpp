#include "ui/widgets/images.h"

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

// A wooden bead seen from the side: a flattened diamond filling box, widest in
// its middle row and tipWidth wide in its top and bottom rows, lit from above.
// Its rim and highlight are rim pixels thick, so a larger bead keeps the look
// of the 100 % one with edges one device pixel sharp.
void drawBead(QImage& image, QRect box, QColor wood, int tipWidth, int rim = 1) {
    const int mid = box.top() + box.height() / 2;
    const QColor light = wood.lighter(128);
    const QColor dark = wood.darker(130);
    const QColor rimColour = wood.darker(165);
    for (int y = box.top(); y <= box.bottom(); ++y) {
        const double span = y <= mid ? mid - box.top() : box.bottom() - mid;
        const double reach = 1.0 - std::abs(y - mid) / span;
        const double exact = tipWidth + (box.width() - tipWidth) * reach;
        // Keep each row centred on the box: its width has the box's parity.
        const int width =
            box.width() - 2 * static_cast<int>(std::lround((box.width() - exact) / 2));
        const int left = box.left() + (box.width() - width) / 2;
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

// A length of the 100 % picture at a picture scale.
int scaled(double length, double scale) {
    return static_cast<int>(std::lround(length * scale));
}

// A cell drawn at size; at 33 x 18 it is the window's own picture.
QImage drawCell(Image which, QSize size) {
    const double sx = size.width() / double(cellWidth);
    const double sy = size.height() / double(cellHeight);
    const int rim = std::max(1, static_cast<int>(std::min(sx, sy)));
    const QRect beadBox(scaled(1, sx), 0, scaled(32, sx) - scaled(1, sx), size.height());
    switch (which) {
    case Image::Gap: {
        // The bare rod, two pixels wide down the middle, rounded by its shading.
        QImage image = blank(size.width(), size.height(), QColor(0x8E, 0xB9, 0xE3));
        QPainter painter(&image);
        painter.fillRect(scaled(15, sx), 0, scaled(16, sx) - scaled(15, sx), size.height(),
                         QColor(0xA8, 0x92, 0x74));
        painter.fillRect(scaled(16, sx), 0, scaled(17, sx) - scaled(16, sx), size.height(),
                         QColor(0x8C, 0x76, 0x58));
        return image;
    }
    case Image::Bead: {
        QImage image = blank(size.width(), size.height(), QColor(0x8F, 0xBA, 0xE4));
        drawBead(image, beadBox, QColor(0xC6, 0x8C, 0x60), scaled(11, sx), rim);
        return image;
    }
    case Image::ExtraBead: {
        QImage image = blank(size.width(), size.height(), QColor(0x92, 0x85, 0xB1));
        drawBead(image, beadBox, QColor(0xB7, 0x7C, 0x52), scaled(11, sx), rim);
        return image;
    }
    }
    return {};
}

// Horizontal stripes, one grey per 100 % row, mid grey at the top fading to
// black; a taller bar gives each grey its share of the rows.
QImage drawBar(QSize size, bool darkOnTop) {
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
QImage drawKeySymbol(Key key, QSize size) {
    QImage image = blank(size.width(), size.height(), QColor(0x88, 0x7C, 0x90));
    QPainter painter(&image);
    painter.scale(size.width() / 20.0, size.height() / 15.0);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xD8, 0xD8, 0xD8));
    painter.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(7, 0), QPointF(0, 7)}));
    drawKeyGlyph(painter, key, QRectF(4, 1, 14, 13));
    return image;
}

QImage drawKeyBead(Key key, QSize size) {
    const QColor silver(0xC0, 0xC0, 0xC0);
    const QColor wood(0xC6, 0x8C, 0x60);
    const int width = keyBeadWidth(key);
    const double sx = size.width() / double(width);
    const double sy = size.height() / 12.0;
    QImage image = blank(size.width(), size.height(), silver);
    drawBead(image, QRect(scaled(1, sx), 0, scaled(width - 1, sx) - scaled(1, sx), size.height()),
             wood, scaled(7, sx), std::max(1, static_cast<int>(std::min(sx, sy))));
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

// Every picture once per kind and device size. A std::map keeps each image
// where it is while others are added, so widgets may hold pointers to them;
// a window visits at most a few sizes.
template <typename Draw> const QImage& cached(int kind, QSize size, Draw draw) {
    static std::map<std::tuple<int, int, int>, QImage> pictures;
    const auto key = std::make_tuple(kind, size.width(), size.height());
    auto found = pictures.find(key);
    if (found == pictures.end())
        found = pictures.emplace(key, draw()).first;
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
    return cached(static_cast<int>(image), size, [&] {
        QImage picture = drawCell(image, size);
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
    return cached(index == 0 ? 10 : 11, size, [&] { return drawBar(size, index == 0); });
}

const QImage& keySymbol(Key key, double scale) {
    const QSize size = keySymbolSize(scale);
    return cached(20 + keySlot(key), size, [&] { return drawKeySymbol(key, size); });
}

const QImage& keyBead(Key key, double scale) {
    const QSize size = keyBeadSize(key, scale);
    return cached(30 + keySlot(key), size, [&] { return drawKeyBead(key, size); });
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

#include "ui/widgets/picture_drawing.h"

#include <algorithm>
#include <cmath>

namespace picture_drawing {
namespace {

QColor mix(QColor a, QColor b, double t) {
    auto blend = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return QColor(blend(a.red(), b.red()), blend(a.green(), b.green()), blend(a.blue(), b.blue()));
}

// The width and left edge of row y of a bead filling box.
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

} // namespace

QImage blank(int width, int height, QColor field) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(field);
    return image;
}

void drawBead(QImage& image, QRect box, QColor wood, int tipWidth, int rim) {
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

void drawFlatBead(QImage& image, QRect box, QColor colour, int tipWidth, int rim,
                  std::initializer_list<std::pair<int, int>> bands, QColor stripe) {
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

int scaled(double length, double scale) {
    return static_cast<int>(std::lround(length * scale));
}

} // namespace picture_drawing

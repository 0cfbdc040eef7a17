#pragma once

#include "ui/widgets/palette.h"

#include <QImage>
#include <QRect>

#include <initializer_list>
#include <map>
#include <tuple>
#include <utility>

// What the window's pictures are drawn with: a field of one colour, the
// wooden bead and its flat high-contrast form, the lengths of a 100 % picture
// at a larger scale, and the store that draws each picture once.
namespace picture_drawing {

QImage blank(int width, int height, QColor field);

// A wooden bead seen from the side, lit from above, filling box: a flattened
// diamond, widest in its middle row and tipWidth wide in its top and bottom
// rows. Its rim and highlight are rim pixels thick, so a larger bead keeps the
// look of the 100 % one with edges one device pixel sharp.
void drawBead(QImage& image, QRect box, QColor wood, int tipWidth, int rim = 1);

// The same bead in one flat colour, for high contrast, with stripes of another
// colour across the rows [first, last) of each band; the rows' rim pixels at
// either end keep the bead's colour, so a stripe never touches the field.
void drawFlatBead(QImage& image, QRect box, QColor colour, int tipWidth, int rim,
                  std::initializer_list<std::pair<int, int>> bands = {}, QColor stripe = {});

// A length of the 100 % picture at a picture scale.
int scaled(double length, double scale);

// Every picture once per kind, device size and palette, drawn by draw with the
// palette's colours. A std::map keeps each image where it is while others are
// added, so widgets may hold pointers to them; a window visits at most a few
// sizes. Each place that calls this has a store of its own (each draw is a
// type of its own), so a kind need only tell apart that place's pictures.
template <typename Draw> const QImage& cached(int kind, QSize size, Draw draw) {
    static std::map<std::tuple<int, int, int>, QImage> pictures;
    const palette::Colours& colours = palette::current();
    const auto key = std::make_tuple(kind + (colours.high ? 100 : 0), size.width(), size.height());
    auto found = pictures.find(key);
    if (found == pictures.end())
        found = pictures.emplace(key, draw(colours)).first;
    return found->second;
}

} // namespace picture_drawing

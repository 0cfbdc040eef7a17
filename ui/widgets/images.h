#pragma once

#include "board/board.h"
#include "calc/keys.h"

#include <QImage>

#include <optional>

class QPainter;
class QRectF;

// The pictures of the calculator window, drawn in code. Each is drawn on first
// use at the size in device pixels it is shown at, the zoom times the screen's
// scale factor: never a scaled bitmap, so that an edge is as sharp at 400 % as
// at 100 %. At their 100 % sizes they are the window's own pictures.
namespace images {

// The 100 % sizes, in pixels.
QSize cellSize();
QSize barSize(int index);

// A bead cell (33 x 18 at 100 %): the gap (bare rod), an ordinary bead, or the
// bead that only values above 9 use, on its lavender field.
const QImage& cell(Image image, QSize size = cellSize());

// Which cell a picture from cell() shows, at whatever size; nothing for
// another picture.
std::optional<Image> cellImage(const QImage& picture);

// A bar: 0 the bottom one (440 x 15), 1 the top one (420 x 15).
const QImage& bar(int index, QSize size);

// The two pictures of the keys "*", "/", "=" and "C" (Key::Multiply,
// Key::Divide, Key::Equals, Key::Clear), at scale times their 100 % size: the
// symbol on a violet-grey field (20 x 15), the key's face; and a bead cut into
// the key's shape on silver, which the key shows while it is held down.
QSize keySymbolSize(double scale);
QSize keyBeadSize(Key key, double scale);
const QImage& keySymbol(Key key, double scale = 1.0);
const QImage& keyBead(Key key, double scale = 1.0);

// The black symbol of a key alone, centred in box, for drawing over a picture.
void drawKeyGlyph(QPainter& painter, Key key, const QRectF& box);

} // namespace images

#pragma once

#include "board/board.h"
#include "calc/keys.h"

#include <QImage>

class QPainter;
class QRectF;

// The pictures of the calculator window, drawn in code. Each is drawn once, on
// first use, at its size in pixels; the widgets paint them unscaled, or scaled
// without smoothing on a high-density screen, so the pixels stay crisp.
namespace images {

// A bead cell, 33 x 18: the gap (bare rod), an ordinary bead, or the bead that
// only values above 9 use, on its lavender field.
const QImage& cell(Image image);

// A bar: 0 the bottom one (440 x 15), 1 the top one (420 x 15).
const QImage& bar(int index);

// The two pictures of the keys "*", "/", "=" and "C" (Key::Multiply,
// Key::Divide, Key::Equals, Key::Clear): the symbol on a violet-grey field
// (20 x 15), the key's face; and a bead cut into the key's shape on silver,
// which the key shows while it is held down.
const QImage& keySymbol(Key key);
const QImage& keyBead(Key key);

// The black symbol of a key alone, centred in box, for drawing over a picture.
void drawKeyGlyph(QPainter& painter, Key key, const QRectF& box);

} // namespace images

#pragma once

#include "calc/keys.h"

#include <QImage>

class QPainter;
class QRectF;

// The two pictures of the keys "*", "/", "=" and "C" (Key::Multiply,
// Key::Divide, Key::Equals, Key::Clear), drawn in code at scale times their
// 100 % size, for the device pixels they are shown at: the symbol on a
// violet-grey field (20 x 15), the key's face; and a bead cut into the key's
// shape on silver, which the key shows while it is held down.
namespace key_pictures {

QSize symbolSize(double scale);
QSize beadSize(Key key, double scale);
const QImage& symbol(Key key, double scale = 1.0);
const QImage& bead(Key key, double scale = 1.0);

// The black symbol of a key alone, centred in box, for drawing over a picture.
void drawGlyph(QPainter& painter, Key key, const QRectF& box);

} // namespace key_pictures

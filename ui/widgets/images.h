#pragma once

#include "board/board.h"

#include <QImage>

#include <optional>

// The pictures of the board, drawn in code. Each is drawn on first use at the
// size in device pixels it is shown at, the zoom times the screen's scale
// factor: never a scaled bitmap, so that an edge is as sharp at 400 % as at
// 100 %. At their 100 % sizes they are the window's own pictures. The key
// row's pictures are key_pictures'.
namespace images {

// The 100 % sizes, in pixels: a cell's is the layout's.
QSize cellSize();
QSize barSize(int index);

// A bead cell: the gap (bare rod), an ordinary bead, or the
// bead that only values above 9 use, on its lavender field.
const QImage& cell(Image image, QSize size = cellSize());

// Which cell a picture from cell() shows, at whatever size; nothing for
// another picture.
std::optional<Image> cellImage(const QImage& picture);

// A bar: 0 the bottom one (440 x 15), 1 the top one (420 x 15).
const QImage& bar(int index, QSize size);

} // namespace images

#pragma once

#include <QFont>
#include <QRect>
#include <QStringList>

#include <optional>
#include <vector>

// Whether a font draws its captions whole inside their controls.
namespace font_fit {

// Where a control lays a caption out and where its ink may go, in the
// control's pixels: a label's whole rectangle for both; for a key the caption's
// box, moved a pixel while the key is held down, and the face inside its bevel.
struct Box {
    QRect layout;
    QRect room;
};

// True when each caption, drawn into each box's layout rectangle with the
// alignment as a label or a key draws it, has every pixel of its ink inside
// the box's room.
bool drawsWhole(const QFont& font, const std::vector<Box>& boxes, Qt::Alignment alignment,
                const QStringList& captions);

// font at its own pixel size when its captions fit, else at the largest
// smaller pixel size, not below smallest, at which they do; nothing when no
// such size exists. It draws the captions at the font's own size, estimates
// the size that fits from the widest advance, and draws them again from one
// above that down: two or three sizes in all.
std::optional<QFont> shrunkToFit(QFont font, const std::vector<Box>& boxes, Qt::Alignment alignment,
                                 const QStringList& captions, int smallest);

} // namespace font_fit

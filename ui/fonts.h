#pragma once

#include <QStringList>

class QFont;

// The start-up side of the window's fonts.
namespace fonts {

// Starts reading the system's font configuration on another thread, while the
// QApplication is made, instead of on the way to the window's first frame.
// Call it first thing in main(); the first setFamilies() waits for it.
void prepare();

// Gives font the first of families that is installed as its only family, and
// the whole list only when none is. Either way the same face is drawn, but a
// font with several families makes Qt look up the fallback fonts of each face
// it loads, a sort of every installed font that the window's texts never need.
void setFamilies(QFont& font, const QStringList& families);

} // namespace fonts

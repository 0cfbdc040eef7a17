#pragma once

#include <QFont>
#include <QStringList>

// The window's fonts, and the start-up side of loading them.
namespace fonts {

// Starts, on another thread while the QApplication is made, handing
// fontconfig a configuration of the window's fonts alone: the families below,
// the tooltips' in the user's language, and the desktop's sans-serif
// (font_config::useOnly). Call it in main() once the command line asks for a
// window, before the QApplication and any text; the first installed() waits
// for it.
void prepare();

// Keeps the face the desktop's theme gives Qt's texts, once the QApplication
// has it, where it is not fontconfig's sans-serif: the tooltips, the tape,
// the help and the lesson strip look as in the desktop's other programs.
// Before the first text.
void keepDesktopFont();

// Those of families that are installed, in the same order. A window font is
// then given one of them as its only family: a font with several families
// makes Qt look up the fallback fonts of each face it loads, a sort of every
// installed font that the window's texts never need.
QStringList installed(const QStringList& families);

// The typefaces, a Song (Ming) serif and a Hei sans, in the order they are
// tried: the two the window was drawn with, then free fonts of the same
// style, then DejaVu, which every Debian desktop has.
const QStringList& songFamilies();
const QStringList& heiFamilies();

// The fonts of the window's texts, each at its size of the window's design or,
// where the family found draws a caption wider or taller than its box, at the
// largest smaller size (or in the next family) that draws every caption whole.
// At a zoom (in percent) each size is that many percent of it and the boxes
// are the zoomed controls'. Each is measured once per zoom, when first asked
// for.
QFont title(int zoomPercent = 100);      // the title's caption in the layout
QFont resultLine(int zoomPercent = 100); // up to result_line::widestLines()
QFont rodLabel(int zoomPercent = 100);   // one digit
QFont textKey(int zoomPercent = 100);    // the captions of the keys without a symbol

} // namespace fonts

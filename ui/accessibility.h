#pragma once

#include "ui/controls.h"

class QWidget;

namespace layout {
struct Control;
}

// What screen readers hear of the window. Every control gets an accessible
// name that says what it is; the result line, the title and the rod labels are
// read as their text. Bead cells, the bars and the beam are read as buttons
// that a screen reader can press as the mouse does.
namespace accessibility {

// Lets assistive technology see the window's pictures as buttons; once per
// program, before any of them is asked for.
void install();

// Names the widget of one control of the layout table.
void describe(QWidget* widget, const layout::Control& control);

// The description of a bead cell: what it shows and the value of its rod.
void describeCell(QWidget* cell, int rod, Image image, int rodValue);

} // namespace accessibility

#pragma once

#include "board/board.h"

#include <array>

class BoardKeys;
class QWidget;

namespace layout {
struct Control;
}

// What screen readers hear of the window. Every control gets an accessible
// name that says what it is; the result line, the title and the rod labels are
// read as their text. Bead cells and the bars are read as buttons that a screen
// reader can press as the mouse does; the beam is the group of the decimal
// point's radio buttons, and pressing it sets every rod to 0. The board is a
// group of ten rods, each a spin button named after the rod and the digit it
// shows ("Rod 3, C"); the rod with the keyboard's mark is its focused child.
namespace accessibility {

// Lets assistive technology see the window, its pictures and its rods as
// described above; once per program, before any of them is asked for.
void install();

// Names the widget of one control of the layout table.
void describe(QWidget* widget, const layout::Control& control);

// Tells assistive technology that the item at row of a list is focused: a
// list that takes the focus with an item already current says only the
// list's name and size, and Orca then reads no item.
void itemFocused(QWidget* list, int row);

// Tells assistive technology that the mark is on rod, while the board has the
// keyboard focus.
void rodFocused(BoardKeys* board, int rod);

// Tells assistive technology that the rods' descriptions changed: a lesson's
// hint came or went.
void rodDescriptionsChanged(BoardKeys* board);

// Tells assistive technology of the rods whose digit changed since it was
// last told.
class RodNews {
public:
    explicit RodNews(BoardKeys* board);

    // With sayMarkedDigit, the marked rod's new digit is also said while the
    // board has the focus.
    void tell(bool sayMarkedDigit);

private:
    BoardKeys* board_;
    std::array<int, rodCount> told_{};
};

} // namespace accessibility

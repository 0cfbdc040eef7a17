#pragma once

#include "board/board.h"
#include "calc/calculation.h"
#include "calc/panel.h"

// The whole calculator, started: the board, what the other controls show, and
// the calculation that works on both. The window forwards each user event to
// the one of the three it belongs to: a bead press or the beam to the board,
// the rod labels to the panel, a key or a radio button to the calculation.
struct Calculator {
    Calculator() { calculation.clear(); }
    Calculator(const Calculator&) = delete;
    Calculator& operator=(const Calculator&) = delete;

    Board board;
    Panel panel;
    Calculation calculation{board, panel};
};

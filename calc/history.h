#pragma once

#include "board/board.h"
#include "calc/calculation.h"
#include "calc/panel.h"

#include <cstddef>
#include <deque>
#include <optional>

// Everything the calculator holds and shows, as one value: the rods and which
// cells take presses, the panel beside them, and the calculation's memory.
struct CalculatorState {
    Board board;
    Panel panel;
    Calculation::Memory calculation;

    friend bool operator==(const CalculatorState&, const CalculatorState&) = default;
};

// The changes a user can take back and make again. Each change is kept as the
// whole state before it: a state is small (well under a kilobyte) and plain,
// so keeping it is simpler and surer than an inverse for every event.
class History {
public:
    // The changes kept for undo; the oldest beyond this many is dropped.
    static constexpr std::size_t limit = 1000;

    // A change was made from `before`: it can be undone, and what could be
    // redone no longer can.
    void record(CalculatorState before);
    // The state before the last change, or nothing when no change is left;
    // `now` is kept for redo.
    std::optional<CalculatorState> undo(CalculatorState now);
    // The state that the last undo left, or nothing when no undo is left to
    // take back; `now` is kept for undo.
    std::optional<CalculatorState> redo(CalculatorState now);

private:
    // Newest last: the states before the changes kept, for undo, and the
    // states that undo left, for redo. Together they hold at most `limit`.
    std::deque<CalculatorState> earlier_;
    std::deque<CalculatorState> later_;
};

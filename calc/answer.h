#pragma once

#include "calc/lesson/lesson.h"
#include "calc/tape.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

// What one user event did. Everything the window does after an event follows
// from it, each in one place: the bell rings `bells` times, a screen reader
// hears what the outcome says, the keyboard's mark goes back to rod 0 after a
// clear of any kind, and the lesson strip shows the lesson's news.
struct Answer {
    enum class Outcome : std::uint8_t {
        Nothing,         // nothing changed: a key that takes no click
        Changed,         // the rods or the controls beside them: a bead press,
                         // a typed digit, the beam, the point, the rod labels
        OperandTaken,    // "*" or "/" took the first operand and freed the board
        ResultLaid,      // "=" laid a decimal result on the rods
        ResultWritten,   // "=" in hexadecimal work or "H-D" wrote the result line
        Cleared,         // "C": decimal mode, the board at zero
        HexadecimalMode, // "Hex": cleared into hexadecimal mode
        Pasted,          // the clipboard's number lies on the rods
        PasteRefused,    // not a number the board can hold: nothing changed
        Refused,         // a refused input or result: the calculator is cleared
        Undone,          // undo brought back the state before the last change
        Redone,          // redo made the last change undone again
        NothingToUndo,   // no change left to undo: nothing changed
        NothingToRedo,   // no undo left to take back: nothing changed
    };

    Outcome outcome = Outcome::Nothing;
    // Once for each refusal. A refusal whose clear leaves operands that are
    // refused in turn rings twice.
    int bells = 0;
    // What the result reads where it is shown: the number on the rods after
    // ResultLaid, Pasted, Undone and Redone, the result line after
    // ResultWritten.
    std::string shown{};
    // The line a finished calculation writes on the tape: "=" (refused too)
    // and "H-D".
    std::optional<TapeEntry> tape{};
    // What the lesson under way made of the event, if one is: a lesson begun
    // or ended, and the board checked after every change.
    std::optional<lesson::Progress> lesson{};

    friend bool operator==(const Answer&, const Answer&) = default;
};

// The answer, with the line it writes on the tape.
inline Answer taped(Answer answer, TapeEntry entry) {
    answer.tape = std::move(entry);
    return answer;
}

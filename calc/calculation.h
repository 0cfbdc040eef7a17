#pragma once

#include "board/board.h"
#include "calc/answer.h"
#include "calc/panel.h"

#include <cstdint>
#include <string>
#include <utility>

// The calculation: the operands, the pending operation, the mode and the
// decimal point, and what each key of the key row does with them. It reads
// the board and writes the board and the panel only through their functions.
//
// A calculation goes: set the first number on the rods, "*" or "/" takes it
// and frees the board, set the second number, "=" lays the result onto the
// rods. A refused input or result clears the calculator and rings the bell.
class Calculation {
public:
    enum class Mode : std::uint8_t { Decimal, Hexadecimal };
    // The operation "=" will apply. The base is the operation's own: a clear
    // returns to decimal mode but leaves the pending operation as it was.
    enum class Operation : std::uint8_t { Multiply, Divide, HexMultiply, HexDivide };

    // Everything the calculation holds besides the board and the panel, as one
    // value that can be kept and brought back (see the getters below).
    struct Memory {
        Mode mode = Mode::Decimal;
        int point = 0;
        Operation pending = Operation::Multiply;
        double firstOperand = 0;
        double secondOperand = 0;
        bool firstOperandTaken = false;
        // The first operand as it was read, for the tape.
        std::string firstOperandText = "0";
        std::string lastResultText = "0";

        friend bool operator==(const Memory&, const Memory&) = default;
    };

    Calculation(Board& board, Panel& panel) : board_(board), panel_(panel) {}
    Calculation(const Calculation&) = delete;
    Calculation& operator=(const Calculation&) = delete;

    // A click on a key of the key row, and what it did.
    Answer press(Key key);
    // "C", and start-up: decimal mode, the board at zero, no operand.
    Answer clear();
    // A click on the beam's radio button over a rod: the point goes to the
    // right of that rod.
    void choosePoint(int rod);

    Mode mode() const { return memory_.mode; }
    bool hexadecimal() const { return memory_.mode == Mode::Hexadecimal; }
    // The rod right of which the decimal point stands; 0 for whole numbers.
    int point() const { return memory_.point; }
    Operation pendingOperation() const { return memory_.pending; }
    // The first operand; after "=" the result, which a further operator key
    // takes as the next first operand.
    double firstOperand() const { return memory_.firstOperand; }
    double secondOperand() const { return memory_.secondOperand; }
    bool firstOperandTaken() const { return memory_.firstOperandTaken; }
    // The text of the last result laid onto the rods; "0" when there is none.
    const std::string& lastResultText() const { return memory_.lastResultText; }
    const Memory& memory() const { return memory_; }
    // Takes back a memory kept before; the board and the panel are the
    // caller's to bring back with it.
    void restore(Memory memory) { memory_ = std::move(memory); }

    // The hexadecimal number on rods 0 to 7.
    double hexadecimalBoardValue() const;
    // The rods' digits from rod 9 down to rod 0, with a "." after rod
    // `pointAfter` when it is 0 or more.
    std::string boardText(int pointAfter = -1) const;
    // The number on the rods as "*" and "/" read it: in hexadecimal mode the
    // hexadecimal digits of rods 0 to 7, in decimal mode with the point after
    // rod `point()` and leading zeros dropped.
    std::string boardNumber() const;

private:
    // 2^31: a result must stay below it, less one in decimal work, and "H-D"
    // writes only numbers below it in hexadecimal.
    static constexpr double twoToThe31 = 2147483648.0;

    Answer pressOperator(Operation operation);
    Answer pressHexadecimalOperator(Operation operation);
    Answer pressEquals();
    Answer pressEqualsInHexadecimal();
    Answer pressConvert();
    Answer pressHexadecimal();
    // The one answer to a refused input or result: the clear, and the bell
    // rung `bells` times.
    Answer refuse(int bells = 1);
    // The result line as it now reads, for an answer.
    Answer resultWritten() const;
    // Writes the digits of a result laid onto the rods into the rod labels.
    void labelRods(const std::array<int, rodCount>& digits, int rods);

    Board& board_;
    Panel& panel_;
    Memory memory_;
};

#include "calc/calculation.h"

#include "calc/result_line.h"
#include "convert/convert.h"

// "*" and "/": take the number on the rods as the first operand, remember the
// operation and free the board for the second operand.
void Calculation::pressOperator(Operation operation) {
    pending_ = operation;
    if (hexadecimal())
        return pressHexadecimalOperator(operation);
    if (firstOperandTaken_) {
        // Chained work: the first operand (or the last result) stays; only
        // the operation changes.
        board_.reset();
        return;
    }
    firstOperand_ = convert::leadingValue(boardText(point_));
    board_.reset();
    firstOperandTaken_ = true;
}

// In hexadecimal work the operands are whole numbers on rods 0 to 7, and the
// result line shows the first one.
void Calculation::pressHexadecimalOperator(Operation operation) {
    if (firstOperand_ != 0 && secondOperand_ != 0) {
        // A hexadecimal result is final; a new calculation starts from "C".
        // The decimal operation stays pending.
        return refuse();
    }
    pending_ = operation == Operation::Multiply ? Operation::HexMultiply : Operation::HexDivide;
    if (board_.value(hexadecimalRodCount - 1) >= 8) {
        // The first operand must stay below 80000000 hexadecimal. This refusal
        // rings before it clears.
        panel_.beep();
        clear();
        return;
    }
    // Both keys take the board afresh: "*" must not add it to an operand left
    // from before.
    firstOperand_ = hexadecimalBoardValue();
    board_.reset();
    panel_.setResultLine(std::string(result_line::hexadecimalPrefix) +
                         convert::hexText(firstOperand_));
    firstOperandTaken_ = true;
}

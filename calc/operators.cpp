#include "calc/calculation.h"

#include "calc/result_line.h"
#include "convert/convert.h"

// "*" and "/": take the number on the rods as the first operand, remember the
// operation and free the board for the second operand.
Answer Calculation::pressOperator(Operation operation) {
    memory_.pending = operation;
    if (hexadecimal())
        return pressHexadecimalOperator(operation);
    if (!memory_.firstOperandTaken) {
        memory_.firstOperand = convert::leadingValue(boardText(memory_.point));
        memory_.firstOperandText = boardNumber();
        memory_.firstOperandTaken = true;
    }
    // In chained work the first operand (or the last result) stays; only the
    // operation changes.
    board_.reset();
    return {Answer::Outcome::OperandTaken};
}

// In hexadecimal work the operands are whole numbers on rods 0 to 7, and the
// result line shows the first one.
Answer Calculation::pressHexadecimalOperator(Operation operation) {
    if (memory_.firstOperand != 0 && memory_.secondOperand != 0) {
        // A hexadecimal result is final; a new calculation starts from "C".
        // The decimal operation stays pending.
        return refuse();
    }
    memory_.pending =
        operation == Operation::Multiply ? Operation::HexMultiply : Operation::HexDivide;
    // The first operand must stay below 80000000 hexadecimal.
    if (board_.value(hexadecimalRodCount - 1) >= 8)
        return refuse();
    // Both keys take the board afresh: "*" must not add it to an operand left
    // from before.
    memory_.firstOperand = hexadecimalBoardValue();
    memory_.firstOperandText = convert::hexText(memory_.firstOperand);
    board_.reset();
    panel_.setResultLine(std::string(result_line::hexadecimalPrefix) +
                         convert::hexText(memory_.firstOperand));
    memory_.firstOperandTaken = true;
    return {Answer::Outcome::OperandTaken};
}

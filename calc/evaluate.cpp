#include "calc/calculation.h"

#include "calc/result_line.h"
#include "convert/convert.h"

namespace {

// Decimal texts longer than eleven characters would need more than ten rods.
constexpr std::size_t longestDecimalText = 11;

} // namespace

// "=": read the second operand, apply the pending operation, and lay the
// result onto the rods, or refuse it.
Answer Calculation::pressEquals() {
    // Nothing to work on since the last clear: start from a clean board. Once
    // a first operand has been taken, even a 0, it is kept.
    if (!memory_.firstOperandTaken && memory_.firstOperand == 0 && memory_.secondOperand == 0)
        clear();
    if (memory_.pending == Operation::HexMultiply || memory_.pending == Operation::HexDivide)
        return pressEqualsInHexadecimal();

    panel_.showResultLine(false);
    memory_.secondOperand = convert::leadingValue(boardText(memory_.point));
    const bool division = memory_.pending == Operation::Divide;
    // A division by zero clears the calculator, and the operands the clear
    // leaves, a division of 0 by 0, are refused in turn: two bells.
    if (division && memory_.secondOperand == 0)
        return refuse(2);
    memory_.firstOperand = division ? memory_.firstOperand / memory_.secondOperand
                                    : memory_.firstOperand * memory_.secondOperand;
    memory_.lastResultText = convert::fixedText(memory_.firstOperand, memory_.point);
    if (memory_.firstOperand >= twoToThe31 - 1 ||
        memory_.lastResultText.size() > longestDecimalText)
        return refuse();
    labelRods(board_.layNumber(memory_.lastResultText, memory_.point), rodCount);
    return {Answer::Outcome::ResultLaid, 0, boardNumber()};
}

// "=" in hexadecimal work, on rods 0 to 7 in whole numbers: the result goes on
// the rods in decimal digits and onto the result line in hexadecimal.
Answer Calculation::pressEqualsInHexadecimal() {
    // A second "=" after a hexadecimal result clears the calculator, and the
    // empty operands the clear leaves are refused in turn: two bells.
    if (memory_.firstOperand != 0 && memory_.secondOperand != 0)
        return refuse(2);
    memory_.secondOperand += hexadecimalBoardValue();
    bool accepted = false;
    if (memory_.pending == Operation::HexMultiply) {
        memory_.firstOperand *= memory_.secondOperand;
        accepted = memory_.firstOperand != 0 && memory_.firstOperand < twoToThe31 - 1;
    } else if (memory_.secondOperand != 0) {
        memory_.firstOperand = convert::wholePart(memory_.firstOperand / memory_.secondOperand);
        accepted = memory_.firstOperand != 0;
    }
    if (!accepted)
        return refuse();
    board_.reset();
    panel_.setResultLine(std::string(result_line::hexadecimalPrefix) +
                         convert::hexText(memory_.firstOperand));
    memory_.lastResultText = convert::numberText(memory_.firstOperand);
    // Rods 8 and 9 may show digits of a long result but take no part in
    // hexadecimal work, so their labels stay.
    labelRods(board_.layNumber(memory_.lastResultText, memory_.point), hexadecimalRodCount);
    // The rods now show a decimal number: there is nothing to convert.
    panel_.setKeyEnabled(Key::Convert, false);
    return resultWritten();
}

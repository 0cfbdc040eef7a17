#include "calc/calculation.h"

#include "calc/result_line.h"
#include "convert/convert.h"

#include <utility>

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
    TapeEntry entry{division ? TapeEntry::Operation::Divide : TapeEntry::Operation::Multiply, false,
                    memory_.firstOperandText, boardNumber()};
    // A division by zero clears the calculator, and the operands the clear
    // leaves, a division of 0 by 0, are refused in turn: two bells.
    if (division && memory_.secondOperand == 0)
        return taped(refuse(2), std::move(entry));
    memory_.firstOperand = division ? memory_.firstOperand / memory_.secondOperand
                                    : memory_.firstOperand * memory_.secondOperand;
    memory_.lastResultText = convert::fixedText(memory_.firstOperand, memory_.point);
    if (memory_.firstOperand >= twoToThe31 - 1 ||
        memory_.lastResultText.size() > longestDecimalText)
        return taped(refuse(), std::move(entry));
    labelRods(board_.layNumber(memory_.lastResultText, memory_.point), rodCount);
    // The result is the next first operand, as the board writes it.
    memory_.firstOperandText = boardNumber();
    entry.result = memory_.firstOperandText;
    return taped({Answer::Outcome::ResultLaid, 0, memory_.firstOperandText}, std::move(entry));
}

// "=" in hexadecimal work, on rods 0 to 7 in whole numbers: the result goes on
// the rods in decimal digits and onto the result line in hexadecimal.
Answer Calculation::pressEqualsInHexadecimal() {
    // A second "=" after a hexadecimal result clears the calculator, and the
    // empty operands the clear leaves are refused in turn: two bells.
    const bool multiply = memory_.pending == Operation::HexMultiply;
    TapeEntry entry{multiply ? TapeEntry::Operation::Multiply : TapeEntry::Operation::Divide, true,
                    convert::hexText(memory_.firstOperand)};
    if (memory_.firstOperand != 0 && memory_.secondOperand != 0) {
        entry.second = convert::hexText(hexadecimalBoardValue());
        return taped(refuse(2), std::move(entry));
    }
    memory_.secondOperand += hexadecimalBoardValue();
    entry.second = convert::hexText(memory_.secondOperand);
    bool accepted = false;
    if (multiply) {
        memory_.firstOperand *= memory_.secondOperand;
        accepted = memory_.firstOperand != 0 && memory_.firstOperand < twoToThe31 - 1;
    } else if (memory_.secondOperand != 0) {
        memory_.firstOperand = convert::wholePart(memory_.firstOperand / memory_.secondOperand);
        accepted = memory_.firstOperand != 0;
    }
    if (!accepted)
        return taped(refuse(), std::move(entry));
    board_.reset();
    panel_.setResultLine(std::string(result_line::hexadecimalPrefix) +
                         convert::hexText(memory_.firstOperand));
    memory_.lastResultText = convert::numberText(memory_.firstOperand);
    // Rods 8 and 9 may show digits of a long result but take no part in
    // hexadecimal work, so their labels stay.
    labelRods(board_.layNumber(memory_.lastResultText, memory_.point), hexadecimalRodCount);
    // The rods now show a decimal number: there is nothing to convert.
    panel_.setKeyEnabled(Key::Convert, false);
    entry.result = convert::hexText(memory_.firstOperand);
    return taped(resultWritten(), std::move(entry));
}

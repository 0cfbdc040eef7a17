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
    if (!firstOperandTaken_ && firstOperand_ == 0 && secondOperand_ == 0)
        clear();
    if (pending_ == Operation::HexMultiply || pending_ == Operation::HexDivide)
        return pressEqualsInHexadecimal();

    panel_.showResultLine(false);
    secondOperand_ = convert::leadingValue(boardText(point_));
    const bool division = pending_ == Operation::Divide;
    // A division by zero clears the calculator, and the operands the clear
    // leaves, a division of 0 by 0, are refused in turn: two bells.
    if (division && secondOperand_ == 0)
        return refuse(2);
    firstOperand_ = division ? firstOperand_ / secondOperand_ : firstOperand_ * secondOperand_;
    lastResultText_ = convert::fixedText(firstOperand_, point_);
    if (firstOperand_ >= twoToThe31 - 1 || lastResultText_.size() > longestDecimalText)
        return refuse();
    labelRods(board_.layNumber(lastResultText_, point_), rodCount);
    return {Answer::Outcome::ResultLaid, 0, boardNumber()};
}

// "=" in hexadecimal work, on rods 0 to 7 in whole numbers: the result goes on
// the rods in decimal digits and onto the result line in hexadecimal.
Answer Calculation::pressEqualsInHexadecimal() {
    // A second "=" after a hexadecimal result clears the calculator, and the
    // empty operands the clear leaves are refused in turn: two bells.
    if (firstOperand_ != 0 && secondOperand_ != 0)
        return refuse(2);
    secondOperand_ += hexadecimalBoardValue();
    bool accepted = false;
    if (pending_ == Operation::HexMultiply) {
        firstOperand_ *= secondOperand_;
        accepted = firstOperand_ != 0 && firstOperand_ < twoToThe31 - 1;
    } else if (secondOperand_ != 0) {
        firstOperand_ = convert::wholePart(firstOperand_ / secondOperand_);
        accepted = firstOperand_ != 0;
    }
    if (!accepted)
        return refuse();
    board_.reset();
    panel_.setResultLine(std::string(result_line::hexadecimalPrefix) +
                         convert::hexText(firstOperand_));
    lastResultText_ = convert::numberText(firstOperand_);
    // Rods 8 and 9 may show digits of a long result but take no part in
    // hexadecimal work, so their labels stay.
    labelRods(board_.layNumber(lastResultText_, point_), hexadecimalRodCount);
    // The rods now show a decimal number: there is nothing to convert.
    panel_.setKeyEnabled(Key::Convert, false);
    return resultWritten();
}

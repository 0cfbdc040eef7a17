#include "calc/calculation.h"

#include "calc/result_line.h"
#include "convert/convert.h"

namespace {

// Results at or above this are refused; so are decimal texts longer than
// eleven characters, which would need more than ten rods.
constexpr double resultLimit = 2147483647;
constexpr std::size_t longestDecimalText = 11;

} // namespace

// "=": read the second operand, apply the pending operation, and lay the
// result onto the rods, or refuse it.
void Calculation::pressEquals() {
    // Nothing to work on since the last clear: start from a clean board. Once
    // a first operand has been taken, even a 0, it is kept.
    if (!firstOperandTaken_ && firstOperand_ == 0 && secondOperand_ == 0)
        clear();
    if (pending_ == Operation::HexMultiply || pending_ == Operation::HexDivide)
        return pressEqualsInHexadecimal();

    panel_.showResultLine(false);
    secondOperand_ = convert::leadingValue(boardText(point_));
    const bool division = pending_ == Operation::Divide;
    if (division && secondOperand_ == 0) {
        // Refused here, and the empty operands the clear leaves are refused
        // again below: two bells.
        refuse();
    } else {
        firstOperand_ = division ? firstOperand_ / secondOperand_ : firstOperand_ * secondOperand_;
        lastResultText_ = convert::fixedText(firstOperand_, point_);
    }
    if (firstOperand_ >= resultLimit || lastResultText_.size() > longestDecimalText ||
        (division && secondOperand_ == 0))
        return refuse();
    labelRods(board_.layNumber(lastResultText_, point_), rodCount);
}

// "=" in hexadecimal work, on rods 0 to 7 in whole numbers: the result goes on
// the rods in decimal digits and onto the result line in hexadecimal.
void Calculation::pressEqualsInHexadecimal() {
    if (firstOperand_ != 0 && secondOperand_ != 0) {
        // A second "=" after a hexadecimal result: refused here, and the
        // empty operands that the clear leaves are refused again below.
        refuse();
    }
    secondOperand_ += hexadecimalBoardValue();
    bool accepted = false;
    if (pending_ == Operation::HexMultiply) {
        firstOperand_ *= secondOperand_;
        accepted = firstOperand_ != 0 && firstOperand_ < resultLimit;
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
}

#include "calc/calculation.h"

#include "calc/result_line.h"
#include "convert/convert.h"

// "Hex": a cleared board in hexadecimal mode, where rods 0 to 7 hold 0 to 15.
// The radio button over rod 7 shows checked, yet the point stays at 0:
// hexadecimal work is whole.
Answer Calculation::pressHexadecimal() {
    clear();
    panel_.checkPoint(hexadecimalRodCount - 1);
    panel_.showResultLine(true);
    mode_ = Mode::Hexadecimal;
    board_.useHexadecimalDigits(true);
    return {Answer::Outcome::HexadecimalMode};
}

// "H-D": the decimal value of the hexadecimal rods, or in decimal mode the
// hexadecimal form of the last result (or of the rods), into the result line.
Answer Calculation::pressConvert() {
    panel_.setKeyEnabled(Key::Equals, false);
    panel_.showResultLine(true);
    if (hexadecimal()) {
        firstOperand_ = hexadecimalBoardValue();
        panel_.setResultLine(std::string(result_line::decimalPrefix) +
                             convert::numberText(firstOperand_));
        return resultWritten();
    }
    if (convert::leadingValue(lastResultText_) == 0) {
        // No result since the clear: the rods, read as one whole number.
        firstOperand_ = convert::leadingValue(boardText());
    }
    if (firstOperand_ >= twoToThe31)
        return refuse();
    panel_.setResultLine(std::string(result_line::hexadecimalPrefix) +
                         convert::hexText(firstOperand_));
    return resultWritten();
}

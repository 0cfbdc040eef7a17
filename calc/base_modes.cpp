#include "calc/calculation.h"

#include "calc/result_line.h"
#include "convert/convert.h"

#include <utility>

// "Hex": a cleared board in hexadecimal mode, where rods 0 to 7 hold 0 to 15.
// The radio button over rod 7 shows checked, yet the point stays at 0:
// hexadecimal work is whole.
Answer Calculation::pressHexadecimal() {
    clear();
    panel_.checkPoint(hexadecimalRodCount - 1);
    panel_.showResultLine(true);
    memory_.mode = Mode::Hexadecimal;
    board_.useHexadecimalDigits(true);
    return {Answer::Outcome::HexadecimalMode};
}

// "H-D": the decimal value of the hexadecimal rods, or in decimal mode the
// hexadecimal form of the last result (or of the rods), into the result line.
Answer Calculation::pressConvert() {
    panel_.setKeyEnabled(Key::Equals, false);
    panel_.showResultLine(true);
    if (hexadecimal()) {
        memory_.firstOperand = hexadecimalBoardValue();
        const std::string decimal = convert::numberText(memory_.firstOperand);
        panel_.setResultLine(std::string(result_line::decimalPrefix) + decimal);
        TapeEntry entry{TapeEntry::Operation::ToDecimal,
                        true,
                        convert::hexText(memory_.firstOperand),
                        {},
                        decimal};
        return taped(resultWritten(), std::move(entry));
    }
    if (convert::leadingValue(memory_.lastResultText) == 0) {
        // No result since the clear: the rods, read as one whole number.
        memory_.firstOperand = convert::leadingValue(boardText());
        memory_.firstOperandText = convert::numberText(memory_.firstOperand);
    }
    TapeEntry entry{TapeEntry::Operation::ToHexadecimal, false, memory_.firstOperandText};
    if (memory_.firstOperand >= twoToThe31)
        return taped(refuse(), std::move(entry));
    entry.result = convert::hexText(memory_.firstOperand);
    panel_.setResultLine(std::string(result_line::hexadecimalPrefix) + *entry.result);
    return taped(resultWritten(), std::move(entry));
}

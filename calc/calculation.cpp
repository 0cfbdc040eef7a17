#include "calc/calculation.h"

#include "convert/convert.h"

#include <algorithm>

Answer Calculation::press(Key key) {
    switch (key) {
    case Key::Multiply:
        return pressOperator(Operation::Multiply);
    case Key::Divide:
        return pressOperator(Operation::Divide);
    case Key::Equals:
        return pressEquals();
    case Key::Clear:
        return clear();
    case Key::Convert:
        return pressConvert();
    case Key::Hexadecimal:
        return pressHexadecimal();
    case Key::HexPlus:
    case Key::HexMinus:
        break; // never enabled
    }
    return {};
}

// Back to the state of start-up, in decimal mode. The pending operation and
// whether the labels show survive it.
Answer Calculation::clear() {
    board_.reset();
    board_.useHexadecimalDigits(false);
    memory_.mode = Mode::Decimal;
    for (int rod = 0; rod < rodCount; ++rod)
        panel_.setRodLabel(rod, {});
    memory_.lastResultText.assign(1, '0');
    memory_.firstOperand = 0;
    memory_.firstOperandText.assign(1, '0');
    memory_.secondOperand = 0;
    memory_.point = 0;
    memory_.firstOperandTaken = false;
    panel_.checkPoint(0);
    panel_.setResultLine({});
    panel_.setKeyEnabled(Key::Equals, true);
    panel_.setKeyEnabled(Key::HexPlus, false);
    panel_.setKeyEnabled(Key::HexMinus, false);
    panel_.setKeyEnabled(Key::Convert, true);
    return {Answer::Outcome::Cleared};
}

void Calculation::choosePoint(int rod) {
    panel_.checkPoint(rod);
    memory_.point = rod;
}

Answer Calculation::refuse(int bells) {
    clear();
    return {Answer::Outcome::Refused, bells};
}

Answer Calculation::resultWritten() const {
    return {Answer::Outcome::ResultWritten, 0, panel_.resultLine().caption};
}

double Calculation::hexadecimalBoardValue() const {
    double value = 0;
    for (int rod = 0; rod < hexadecimalRodCount; ++rod)
        value += board_.value(rod) * convert::pow16(rod);
    return value;
}

std::string Calculation::boardText(int pointAfter) const {
    std::string text;
    for (int rod = rodCount - 1; rod >= 0; --rod) {
        text += convert::integerText(board_.value(rod));
        if (rod == pointAfter)
            text += '.';
    }
    return text;
}

std::string Calculation::boardNumber() const {
    if (hexadecimal())
        return convert::hexText(hexadecimalBoardValue());
    // The digits after the point stay as the rods show them, trailing zeros
    // too: "0000012.50" gives "12.50", the same value that "*" would take,
    // written as the board writes it.
    std::string whole = boardText();
    const auto fractionDigits = static_cast<std::size_t>(memory_.point);
    const std::string fraction = whole.substr(whole.size() - fractionDigits);
    whole.resize(whole.size() - fractionDigits);
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
    return fraction.empty() ? whole : whole + '.' + fraction;
}

void Calculation::labelRods(const std::array<int, rodCount>& digits, int rods) {
    for (int rod = 0; rod < rods; ++rod)
        panel_.setRodLabel(rod, convert::integerText(digits[static_cast<std::size_t>(rod)]));
}

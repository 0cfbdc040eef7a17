#include "calc/shown_number.h"

#include "convert/convert.h"

#include <algorithm>

namespace calc {

std::string boardNumber(const Calculator& calculator) {
    const Calculation& calculation = calculator.calculation;
    if (calculation.hexadecimal())
        return convert::hexText(calculation.hexadecimalBoardValue());

    // The digits after the point stay as the rods show them, trailing zeros
    // too: "0000012.50" gives "12.50", the same value that "*" would take,
    // written as the board writes it.
    std::string whole = calculation.boardText();
    const auto fractionDigits = static_cast<std::size_t>(calculation.point());
    const std::string fraction = whole.substr(whole.size() - fractionDigits);
    whole.resize(whole.size() - fractionDigits);
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
    return fraction.empty() ? whole : whole + '.' + fraction;
}

std::string shownNumber(const Calculator& calculator) {
    const Label& line = calculator.panel.resultLine();
    return line.visible && !line.caption.empty() ? line.caption : boardNumber(calculator);
}

} // namespace calc

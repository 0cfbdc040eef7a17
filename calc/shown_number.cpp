#include "calc/shown_number.h"

namespace calc {

std::string shownNumber(const Calculator& calculator) {
    const Label& line = calculator.panel.resultLine();
    return line.visible && !line.caption.empty() ? line.caption
                                                 : calculator.calculation.boardNumber();
}

} // namespace calc

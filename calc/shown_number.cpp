#include "calc/shown_number.h"

#include "convert/convert.h"

#include <algorithm>

namespace calc {

std::string boardNumber(const Form2& form) {
    if (form.hexMode())
        return convert::hexText(form.readHexBoard());

    // The digits after the point stay as the rods show them, trailing zeros
    // too: "0000012.50" gives "12.50", the same value that "*" would take,
    // written as the board writes it.
    std::string whole;
    std::string fraction;
    for (int rod = rodCount - 1; rod >= 0; --rod)
        (rod < form.dot ? fraction : whole) += form.rodstrAt(rod);
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
    return fraction.empty() ? whole : whole + '.' + fraction;
}

std::string shownNumber(const Form2& form) {
    const Label& line = form.controls().resultLine();
    return line.visible && !line.caption.empty() ? line.caption : boardNumber(form);
}

} // namespace calc

#include "app/form2.h"
#include "convert/convert.h"

namespace {

// The hexadecimal text is asked only for values below this.
constexpr double hexTextLimit = 2147483648.0;

} // namespace

// "Hex": a cleared board in hexadecimal mode, where rods 0 to 7 hold 0 to 15.
void Form2::Command6_Click() {
    Command4_Click();
    controls_.selectOption(7);
    dot = 0;
    controls_.resultLine().visible = true;
    for (int rod = 0; rod < rodCount; ++rod)
        controls_.setCellEnabled(Deck::Upper, rod, 1, rod <= 7);
}

// "H-D": the decimal value of the hexadecimal rods, or the hexadecimal form of
// the last result (or of the rods) in decimal mode, into the result line.
void Form2::Command5_Click() {
    controls_.setKeyEnabled(Key::Equals, false);
    controls_.resultLine().visible = true;
    if (hexMode()) {
        digit = readHexBoard();
        controls_.resultLine().caption = "D = " + convert::numberText(digit);
        return;
    }

    for (int rod = 0; rod < rodCount; ++rod)
        controls_.setCellEnabled(Deck::Upper, rod, 1, false);
    if (convert::numericValue(numstr[3]) == 0) {
        // No result since the clear: the rods, read as one whole number.
        numstr[1] = joinRods();
        digit = convert::leadingValue(numstr[1]);
    }
    if (digit < hexTextLimit) {
        controls_.resultLine().caption = "H = " + convert::hexText(digit);
    } else {
        Command4_Click();
        controls_.beep();
    }
}

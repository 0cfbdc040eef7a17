#include "app/form2.h"
#include "convert/convert.h"

namespace {

// Results at or above this are refused; so are decimal texts longer than
// eleven characters, which would need more than ten rods.
constexpr double resultLimit = 2147483647;
constexpr std::size_t longestDecimalText = 11;

} // namespace

void Form2::copyResultDigits(int rods) {
    for (int rod = 0; rod < rods; ++rod) {
        controls_.rodLabel(rod).caption = digstr.at(idx(rod));
        rodstr.at(idx(rod)) = digstr.at(idx(rod));
    }
}

// "=": read the second operand, apply the pending operation, and lay the
// result onto the rods, or refuse it with the clear and the beep.
void Form2::Command3_Click() {
    // Nothing to work on since the last clear: start from a clean board. Once
    // a first operand has been taken, even a 0, it is kept.
    if (!firstnum && digit == 0 && digit1 == 0)
        Command4_Click();

    if (num2 == 4 || num2 == 5) {
        hexEquals();
        return;
    }

    controls_.resultLine().visible = false;
    digit1 = readDecimalBoard(numstr[2]);
    const bool division = num2 == 1;
    if (division && digit1 == 0) {
        Command4_Click();
        controls_.beep();
    } else {
        digit = division ? digit / digit1 : digit * digit1;
        numstr[3] = convert::fixedText(digit, dot);
    }
    if (digit >= resultLimit || numstr[3].size() > longestDecimalText ||
        (division && digit1 == 0)) {
        Command4_Click();
        controls_.beep();
        return;
    }
    ShowNumber();
    copyResultDigits(rodCount);
}

// "=" in hexadecimal work, on rods 0 to 7 in whole numbers: the result goes on
// the rods in decimal digits and onto the result line in hexadecimal.
void Form2::hexEquals() {
    if (digit != 0 && digit1 != 0) {
        // A second "=" after a hexadecimal result: refused here, and the
        // empty operands that the clear leaves are refused again below.
        Command4_Click();
        controls_.beep();
    }
    digit1 += readHexBoard();
    bool accepted = false;
    if (num2 == 4) {
        digit *= digit1;
        accepted = digit != 0 && digit < resultLimit;
    } else if (digit1 != 0) {
        digit = convert::wholePart(digit / digit1);
        accepted = digit != 0;
    }
    if (!accepted) {
        Command4_Click();
        controls_.beep();
        return;
    }
    ResetBoard();
    controls_.resultLine().caption = "H = " + convert::hexText(digit);
    numstr[3] = convert::numberText(digit);
    ShowNumber();
    // Rods 8 and 9 may show digits of a long result but take no part in
    // hexadecimal work, so their texts and labels stay.
    copyResultDigits(8);
    // The rods now show a decimal number: there is nothing to convert.
    controls_.setKeyEnabled(Key::HexDec, false);
}

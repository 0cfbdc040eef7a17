#include "app/form2.h"
#include "convert/convert.h"

// The rod texts joined from rod 9, the most significant, down to rod 0.
std::string Form2::joinRods() const {
    std::string text;
    for (int rod = rodCount - 1; rod >= 0; --rod)
        text += rodstr.at(idx(rod));
    return text;
}

// The decimal number on the rods, with the point at the right of rod `dot`.
double Form2::readDecimalBoard(std::string& text) {
    rodstr.at(idx(dot)) += '.';
    text = joinRods();
    return convert::leadingValue(text);
}

// The hexadecimal number on rods 0 to 7; rods 8 and 9 take no part.
double Form2::readHexBoard() const {
    double value = 0;
    for (int rod = 0; rod <= 7; ++rod)
        value += convert::numericValue(rodstr.at(idx(rod))) * convert::pow16(rod);
    return value;
}

// "*" (Index 0) and "/" (Index 1): take the number on the rods as the first
// operand, remember the operation and free the board for the second operand.
void Form2::Command1_Click(int Index) {
    num2 = static_cast<Integer>(Index);
    if (hexMode()) {
        if (digit != 0 && digit1 != 0) {
            // A hexadecimal result is final; a new calculation starts from "C".
            Command4_Click();
            controls_.beep();
            return;
        }
        num2 = Index == 0 ? 4 : 5;
        if (convert::leadingValue(rodstr[7]) >= 8) {
            // The first operand must stay below 80000000 hexadecimal.
            controls_.beep();
            Command4_Click();
            return;
        }
        // Both keys take the board as the first operand; "*" must not add it
        // to an operand left from before.
        digit = readHexBoard();
        ResetBoard();
        controls_.resultLine().caption = "H = " + convert::hexText(digit);
        firstnum = true;
        return;
    }

    if (firstnum) {
        // Chained work: the first operand (or the last result) stays; only
        // the operation changes.
        ResetBoard();
        return;
    }
    digit = readDecimalBoard(numstr[1]);
    ResetBoard();
    firstnum = true;
}

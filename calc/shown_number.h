#pragma once

#include "app/form2.h"

#include <string>

namespace calc {

// The number on the rods as text, read as "*" and "/" read it: in hexadecimal
// mode the hexadecimal digits of rods 0 to 7, in decimal mode with the point
// after rod `dot` and leading zeros dropped.
std::string boardNumber(const Form2& form);

// The number the calculator shows, as text: the result line's number (its
// text after "= ") while the line is visible and not empty; otherwise the
// number on the rods.
std::string shownNumber(const Form2& form);

} // namespace calc

#pragma once

#include "calc/calculator.h"

#include <string>

namespace calc {

// The number the calculator shows, as a text that pastes back as the same
// number: the result line, with the "D = " or "H = " that names its base,
// while the line is visible and not empty; otherwise the number on the rods.
std::string shownNumber(const Calculator& calculator);

} // namespace calc

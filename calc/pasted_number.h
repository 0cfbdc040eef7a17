#pragma once

#include "board/board.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace calc {

// A number with its point, a result line's "D = " and a few blanks around it
// fits well within this many bytes; a longer text is refused without being
// read. A caller holding a huge clipboard may cut it to one byte more than
// this before handing it over.
inline constexpr std::size_t pasteTextLimit = 64;

// The value (0 to 15) that each rod 0 to 9 takes when `text` (UTF-8) is pasted
// onto the board in hexadecimal or decimal mode with the point after rod
// `point`, or nothing when the text is
// not a number the board can hold. Blanks and line ends around the number are
// ignored. A leading "D = " marks a decimal number and "H = " a hexadecimal
// one, as the result line writes them; without either the number is in the
// mode's base. In decimal mode the number is laid in decimal digits, its whole
// digits from the point's rod leftwards and its decimals from the rod right of it
// rightwards; a decimal number may have one "." among its digits, a
// hexadecimal one must be whole. In hexadecimal mode it is laid as one to
// eight hexadecimal digits on rods 0 to 7; a decimal number must be whole.
// Every rod the number does not reach takes 0.
using ::Rods;
std::optional<Rods> pastedRods(std::string_view text, bool hexadecimalMode, int point);

} // namespace calc

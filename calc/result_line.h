#pragma once

#include <array>
#include <string>
#include <string_view>

// The result line names the base of its number with a prefix: "D = 255" is
// decimal, "H = FF" hexadecimal. Copy takes the prefix along; paste reads it.
namespace result_line {

inline constexpr std::string_view decimalPrefix = "D = ";
inline constexpr std::string_view hexadecimalPrefix = "H = ";

// The widest numbers the line shows. In decimal: "H-D" on the largest number
// rods 0 to 7 hold in hexadecimal, FFFFFFFF. In hexadecimal: the largest first
// number of hexadecimal work, whose rod 7 must stay below 8; a result stays
// below it, and a decimal number converts only below 80000000.
inline constexpr std::string_view widestDecimal = "4294967295";
inline constexpr std::string_view widestHexadecimal = "7FFFFFFF";

// The widest lines, prefix and number, for the size of the line's font.
inline std::array<std::string, 2> widestLines() {
    return {std::string(decimalPrefix).append(widestDecimal),
            std::string(hexadecimalPrefix).append(widestHexadecimal)};
}

} // namespace result_line

#pragma once

#include <string_view>

// The result line names the base of its number with a prefix: "D = 255" is
// decimal, "H = FF" hexadecimal. Copy takes the prefix along; paste reads it.
namespace result_line {

inline constexpr std::string_view decimalPrefix = "D = ";
inline constexpr std::string_view hexadecimalPrefix = "H = ";

} // namespace result_line

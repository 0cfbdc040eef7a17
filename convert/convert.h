#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Number and text conversions of the calculator. "." is the decimal point in
// every text made or read here, whatever the locale.
namespace convert {

// Decimal digits with "-" before a negative value: 15 gives "15".
std::string integerText(int value);

// The value to 15 significant digits, without trailing zeros or a trailing
// point, a "0" before the point below 1: 255 gives "255", 0.5 gives "0.5".
std::string numberText(double value);

// The value with exactly `decimals` digits after a "." (no point for 0).
// Rounds the value's 15-significant-digit decimal form half away from zero, so
// that a product that is 1.005 in decimal reads 1.01 whatever its binary
// neighbour is.
std::string fixedText(double value, int decimals);

// Reads an optional sign, digits and at most one "." with digits after it from
// the start of the text and stops at the first character that does not fit;
// 0 when there are no digits: "00012.50" gives 12.5, "123." gives 123.
double leadingValue(std::string_view text);

// Upper-case hexadecimal digits of the value rounded to a whole number (halves
// to even), without prefix or leading zeros: 255 gives "FF". Defined for 0 to
// 2^53; a value outside is taken to the nearer end of that range.
std::string hexText(double value);

// The text without the blanks (spaces, tabs, line ends) around it.
std::string_view trimmed(std::string_view text);

// A digit's value in base 10 or 16 (either case), -1 for a character that is
// no digit of the base. Only ASCII counts: any byte of a multibyte character
// is no digit.
int digitValue(char c, bool hex);

// The value of a whole number written in digits of the base, or nothing when
// it has any other character or is above limit.
std::optional<std::uint64_t> wholeValue(std::string_view digits, bool hex, std::uint64_t limit);

// A whole number in decimal or upper-case hexadecimal digits: 255 gives "255"
// or "FF".
std::string wholeText(std::uint64_t value, bool hex);

// 16 to the power k, exact for k from 0 to 13.
double pow16(int k);

// The largest whole number not above the value.
double wholePart(double value);

} // namespace convert

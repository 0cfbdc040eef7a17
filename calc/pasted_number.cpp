#include "calc/pasted_number.h"

#include "calc/result_line.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>

namespace calc {

namespace {

using result_line::decimalPrefix;
using result_line::hexadecimalPrefix;

// A whole number written in the other base than the mode's is read only up to
// what the rods can hold: rods 0 to 7 in hexadecimal mode, ten decimal digits
// in decimal mode (where the point decides how many of them fit).
constexpr std::uint64_t hexBoardLimit = 0xFFFFFFFF;
constexpr std::uint64_t decimalBoardLimit = 9999999999;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The digit's value, -1 for a character that is no digit of the base. Only
// ASCII counts: any byte of a multibyte character is refused here.
int digitValue(char c, bool hex) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (hex && c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (hex && c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The value of a whole number written in digits of the base, or nothing when
// it has any other character or is above limit.
std::optional<std::uint64_t> wholeValue(std::string_view digits, bool hex, std::uint64_t limit) {
    if (digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : digits) {
        const int digit = digitValue(c, hex);
        if (digit < 0)
            return std::nullopt;
        // limit * 16 + 15 stays far inside 64 bits.
        value = value * (hex ? 16 : 10) + std::uint64_t(digit);
        if (value > limit)
            return std::nullopt;
    }
    return value;
}

// The same whole number in the other base's digits.
std::string inBase(std::uint64_t value, bool hex) {
    std::array<char, 24> digits{};
    const auto end =
        std::to_chars(digits.data(), digits.data() + digits.size(), value, hex ? 16 : 10).ptr;
    return std::string(digits.data(), end);
}

std::optional<Rods> hexRods(std::string_view digits) {
    if (digits.empty() || digits.size() > std::size_t(hexadecimalRodCount))
        return std::nullopt;
    Rods rods{};
    for (std::size_t i = 0; i < digits.size(); ++i) {
        rods[i] = digitValue(digits[digits.size() - 1 - i], true);
        if (rods[i] < 0)
            return std::nullopt;
    }
    return rods;
}

std::optional<Rods> decimalRods(std::string_view number, int point) {
    if (point < 0 || point >= rodCount)
        return std::nullopt;
    const std::size_t dot = number.find('.');
    std::string_view whole = number.substr(0, dot);
    const std::string_view decimals =
        dot == std::string_view::npos ? std::string_view() : number.substr(dot + 1);
    if (whole.empty() && decimals.empty())
        return std::nullopt;
    // Leading zeros need no rod: "007" fits where "7" does.
    whole.remove_prefix(std::min(whole.find_first_not_of('0'), whole.size()));
    if (whole.size() > std::size_t(rodCount - point) || decimals.size() > std::size_t(point))
        return std::nullopt;

    Rods rods{};
    for (std::size_t i = 0; i < whole.size(); ++i)
        rods[std::size_t(point) + i] = digitValue(whole[whole.size() - 1 - i], false);
    // A second point lands here and is refused as a non-digit.
    for (std::size_t i = 0; i < decimals.size(); ++i)
        rods[std::size_t(point) - 1 - i] = digitValue(decimals[i], false);
    if (std::any_of(rods.begin(), rods.end(), [](int value) { return value < 0; }))
        return std::nullopt;
    return rods;
}

} // namespace

std::optional<Rods> pastedRods(std::string_view text, bool hexadecimalMode, int point) {
    if (text.size() > pasteTextLimit)
        return std::nullopt;
    text = trimmed(text);
    bool hexText = hexadecimalMode;
    if (text.starts_with(decimalPrefix) || text.starts_with(hexadecimalPrefix)) {
        hexText = text.starts_with(hexadecimalPrefix);
        text.remove_prefix((hexText ? hexadecimalPrefix : decimalPrefix).size());
    }

    std::optional<Rods> rods;
    if (hexText == hexadecimalMode) {
        rods = hexadecimalMode ? hexRods(text) : decimalRods(text, point);
    } else if (const auto value =
                   wholeValue(text, hexText, hexadecimalMode ? hexBoardLimit : decimalBoardLimit)) {
        // The number the text names, in the digits the rods hold now.
        const std::string digits = inBase(*value, hexadecimalMode);
        rods = hexadecimalMode ? hexRods(digits) : decimalRods(digits, point);
    }
    return rods;
}

} // namespace calc

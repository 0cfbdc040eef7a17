#include "calc/pasted_number.h"

#include "calc/result_line.h"
#include "convert/convert.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace calc {

namespace {

using result_line::decimalPrefix;
using result_line::hexadecimalPrefix;

using convert::digitValue;
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
    text = convert::trimmed(text);
    bool hexText = hexadecimalMode;
    if (text.starts_with(decimalPrefix) || text.starts_with(hexadecimalPrefix)) {
        hexText = text.starts_with(hexadecimalPrefix);
        text.remove_prefix((hexText ? hexadecimalPrefix : decimalPrefix).size());
    }

    std::optional<Rods> rods;
    if (hexText == hexadecimalMode) {
        rods = hexadecimalMode ? hexRods(text) : decimalRods(text, point);
    } else if (const auto value =
                   // A whole number written in the other base than the mode's is
                   // read only up to what the rods can hold (in decimal mode the
                   // point decides how many of its digits fit).
               convert::wholeValue(text, hexText, largestOnRods(hexadecimalMode))) {
        // The number the text names, in the digits the rods hold now.
        const std::string digits = convert::wholeText(*value, hexadecimalMode);
        rods = hexadecimalMode ? hexRods(digits) : decimalRods(digits, point);
    }
    return rods;
}

} // namespace calc

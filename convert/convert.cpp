#include "convert/convert.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace convert {

std::string integerText(int value) {
    return std::to_string(value);
}

std::string numberText(double value) {
    if (value == 0)
        return "0"; // no "-0"
    char buf[40];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    return std::string(buf, res.ptr);
}

namespace {

// Adds one to a text of decimal digits.
void incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

} // namespace

std::string fixedText(double value, int decimals) {
    if (!std::isfinite(value))
        return numberText(value);
    if (decimals < 0)
        decimals = 0;
    const bool negative = std::signbit(value);
    const double magnitude = std::fabs(value);

    // The value times 10^decimals as a text of whole digits, rounded from the
    // 15 significant digits that stand for the value in decimal.
    std::string scaled = "0";
    if (magnitude != 0) {
        char buf[40];
        auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific,
                                 14); // d.ddddddddddddddde+XX
        const std::string sci(buf, res.ptr);
        const auto e = sci.find('e');
        const std::string mantissa = sci.substr(0, 1) + sci.substr(2, e - 2);
        const int exponent = std::stoi(sci.substr(e + 1));
        const long keep = exponent + 1L + decimals; // mantissa digits left of the cut
        if (keep >= static_cast<long>(mantissa.size())) {
            scaled = mantissa + std::string(static_cast<std::size_t>(keep) - mantissa.size(), '0');
        } else if (keep >= 0) {
            const auto k = static_cast<std::size_t>(keep);
            scaled = k == 0 ? "0" : mantissa.substr(0, k);
            if (mantissa[k] >= '5')
                incrementDigits(scaled);
        }
    }

    const auto places = static_cast<std::size_t>(decimals);
    if (scaled.size() < places + 1)
        scaled.insert(0, places + 1 - scaled.size(), '0');
    std::string text = scaled.substr(0, scaled.size() - places);
    if (places > 0)
        text += '.' + scaled.substr(scaled.size() - places);
    if (negative && scaled.find_first_not_of('0') != std::string::npos)
        text.insert(text.begin(), '-');
    return text;
}

double leadingValue(std::string_view text) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        negative = text[pos++] == '-';
    auto digitsFrom = [&](std::size_t from) {
        std::size_t end = from;
        while (end < text.size() && text[end] >= '0' && text[end] <= '9')
            ++end;
        return end;
    };
    const std::size_t intEnd = digitsFrom(pos);
    std::string number(text.substr(pos, intEnd - pos));
    if (intEnd < text.size() && text[intEnd] == '.') {
        const std::size_t fracEnd = digitsFrom(intEnd + 1);
        number += '.';
        number += text.substr(intEnd + 1, fracEnd - intEnd - 1);
    }
    if (number.find_first_of("0123456789") == std::string::npos)
        return 0;
    if (number.front() == '.')
        number.insert(number.begin(), '0');
    if (number.back() == '.')
        number.pop_back();
    double value = 0;
    std::from_chars(number.data(), number.data() + number.size(), value);
    return negative ? -value : value;
}

std::string hexText(double value) {
    constexpr double largest = 9007199254740992.0; // 2^53
    if (!(value > 0))
        return "0"; // also NaN
    const double whole = std::nearbyint(value < largest ? value : largest);
    auto bits = static_cast<std::uint64_t>(whole);
    std::string text;
    do {
        text.insert(text.begin(), "0123456789ABCDEF"[bits % 16]);
        bits /= 16;
    } while (bits != 0);
    return text;
}

double pow16(int k) {
    return std::ldexp(1.0, 4 * k);
}

double wholePart(double value) {
    return std::floor(value);
}

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

int digitValue(char c, bool hex) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (hex && c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (hex && c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::optional<std::uint64_t> wholeValue(std::string_view digits, bool hex, std::uint64_t limit) {
    if (digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : digits) {
        const int digit = digitValue(c, hex);
        if (digit < 0)
            return std::nullopt;
        // The rods' limits times 16, plus 15, stay far inside 64 bits.
        value = value * (hex ? 16 : 10) + std::uint64_t(digit);
        if (value > limit)
            return std::nullopt;
    }
    return value;
}

std::string wholeText(std::uint64_t value, bool hex) {
    std::array<char, 24> digits{};
    const auto end =
        std::to_chars(digits.data(), digits.data() + digits.size(), value, hex ? 16 : 10).ptr;
    std::string text(digits.data(), end);
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'a' && c <= 'f' ? char(c - 'a' + 'A') : c; });
    return text;
}

} // namespace convert

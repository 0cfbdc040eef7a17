#include "calc/lesson/exercise.h"

#include "convert/convert.h"

#include <algorithm>
#include <optional>

namespace lesson {
namespace {

std::uint64_t largest(int base) {
    return largestOnRods(base == 16);
}

// A whole number in base, or nothing; one too large for the rods is read as
// more than the base's largest.
std::optional<std::uint64_t> readNumber(std::string_view text, int base) {
    text = convert::trimmed(text);
    const bool hex = base == 16;
    if (const auto number = convert::wholeValue(text, hex, largest(base)))
        return number;
    const bool digits = !text.empty() && std::all_of(text.begin(), text.end(), [hex](char c) {
        return convert::digitValue(c, hex) >= 0;
    });
    return digits ? std::optional(largest(base) + 1) : std::nullopt;
}

} // namespace

std::variant<Exercise, Refusal> readExercise(std::string_view text, int base) {
    constexpr std::string_view minusSign = "\u2212";
    std::size_t at = text.find_first_of("+-");
    std::size_t signLength = 1;
    if (const std::size_t minus = text.find(minusSign); minus < at) {
        at = minus;
        signLength = minusSign.size();
    }
    if (at == std::string_view::npos)
        return Refusal::NotAnExercise;
    const Sign sign = text[at] == '+' ? Sign::Plus : Sign::Minus;
    const auto first = readNumber(text.substr(0, at), base);
    const auto second = readNumber(text.substr(at + signLength), base);
    if (!first || !second)
        return Refusal::NotAnExercise;
    const Exercise exercise{*first, sign, *second, base};
    if (*first > largest(base) || *second > largest(base))
        return Refusal::DoesNotFit;
    if (sign == Sign::Minus && *second > *first)
        return Refusal::Negative;
    if (exercise.answer() > largest(base))
        return Refusal::DoesNotFit;
    return exercise;
}

Exercise seriesExercise(std::size_t index, int base) {
    // Each pair: the first number, the second; additions, then subtractions.
    struct Pair {
        std::uint64_t first, second;
        Sign sign;
    };
    constexpr Sign plus = Sign::Plus;
    constexpr Sign minus = Sign::Minus;
    static constexpr std::array<Pair, 18> decimal{{
        {21, 53, plus},
        {3, 4, plus},
        {24, 31, plus},
        {9, 7, plus},
        {7, 4, plus},
        {6, 7, plus},
        {36, 75, plus},
        {99, 1, plus},
        {495, 8, plus},
        {78, 21, minus},
        {7, 3, minus},
        {52, 21, minus},
        {13, 4, minus},
        {10, 1, minus},
        {12, 6, minus},
        {13, 7, minus},
        {100, 58, minus},
        {1000, 1, minus},
    }};
    static constexpr std::array<Pair, 11> hexadecimal{{
        {0x21, 0x13, plus},
        {3, 4, plus},
        {9, 9, plus},
        {0xF, 1, plus},
        {6, 0xE, plus},
        {0xFF, 1, plus},
        {0x1A, 5, minus},
        {7, 3, minus},
        {0x12, 6, minus},
        {0x13, 9, minus},
        {0x100, 1, minus},
    }};
    const Pair pair = base == 16 ? hexadecimal.at(index % hexadecimal.size())
                                 : decimal.at(index % decimal.size());
    return {pair.first, pair.sign, pair.second, base};
}

Rods rodsOf(std::uint64_t number, int base) {
    Rods rods{};
    for (int& rod : rods) {
        rod = int(number % std::uint64_t(base));
        number /= std::uint64_t(base);
    }
    return rods;
}

std::string written(std::uint64_t number, int base) {
    return convert::wholeText(number, base == 16);
}

} // namespace lesson

#include "convert/convert.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

using namespace convert;

TEST(Convert, NumberTextKeepsFifteenSignificantDigits) {
    // clang-format off
    const std::vector<std::pair<double, std::string>> rows{
        {255, "255"}, {123.45, "123.45"}, {0.1 + 0.2, "0.3"}, {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"}, {-2.5, "-2.5"}, {-0.0, "0"},
        {4294967295.0, "4294967295"}, {123456789012345.0, "123456789012345"}};
    // clang-format on
    for (const auto& [value, text] : rows)
        EXPECT_EQ(numberText(value), text) << value;
}

TEST(Convert, FixedTextRoundsTheDecimalFormHalfAwayFromZero) {
    struct Row {
        double value;
        int decimals;
        const char* text;
    };
    // clang-format off
    const Row rows[] = {
        {0.125, 2, "0.13"}, {1.005, 2, "1.01"}, {2.675, 2, "2.68"}, {9.995, 2, "10.00"},
        {10.0 / 3, 2, "3.33"}, {2.0 / 3, 2, "0.67"}, {12345, 5, "12345.00000"},
        {2147441940, 0, "2147441940"}, {999.5, 0, "1000"}, {2.5, 0, "3"}, {0.5, 0, "1"},
        {0.4, 0, "0"}, {0, 3, "0.000"}, {0.0005, 3, "0.001"}, {0.00049, 3, "0.000"},
        {0.001, 1, "0.0"}, {0.5, 9, "0.500000000"}, {-1.5, 0, "-2"}, {-0.125, 2, "-0.13"}};
    // clang-format on
    for (const auto& r : rows)
        EXPECT_EQ(fixedText(r.value, r.decimals), r.text) << r.value << " with " << r.decimals;
}

TEST(Convert, LeadingValueReadsTheNumberAtTheStartOfTheText) {
    // clang-format off
    const std::vector<std::pair<std::string, double>> rows{
        {"00012.50", 12.5}, {"123.", 123}, {"", 0}, {"abc", 0}, {"-3.5x", -3.5}, {"1.2.3", 1.2},
        {"+7", 7}, {".5", 0.5}, {"-", 0}, {".", 0}, {" 5", 0}, {"12 34", 12}, {"7e3", 7},
        {"9999999999.", 9999999999.0}};
    // clang-format on
    for (const auto& [text, value] : rows)
        EXPECT_DOUBLE_EQ(leadingValue(text), value) << '"' << text << '"';
}

// Halves to even; a value outside 0 to 2^53 is taken to the nearer end.
TEST(Convert, HexTextRoundsHalvesToEven) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    // clang-format off
    const std::vector<std::pair<double, std::string>> rows{
        {255, "FF"}, {0, "0"}, {2.5, "2"}, {3.5, "4"}, {0.5, "0"}, {2.4, "2"}, {123.45, "7B"},
        {2147483647, "7FFFFFFF"}, {4294967295.0, "FFFFFFFF"}, {9007199254740992.0, "20000000000000"},
        {1e300, "20000000000000"}, {inf, "20000000000000"}, {-1.0, "0"}, {-inf, "0"},
        {std::nan(""), "0"}};
    // clang-format on
    for (const auto& [value, text] : rows)
        EXPECT_EQ(hexText(value), text) << value;
}

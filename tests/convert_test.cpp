#include "convert/convert.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

using namespace convert;

TEST(Convert, IntegerTextIsPlainDecimalDigits) {
    for (auto [value, text] : std::vector<std::pair<int, std::string>>{
             {0, "0"}, {15, "15"}, {-3, "-3"}, {-32768, "-32768"}})
        EXPECT_EQ(integerText(value), text);
}

TEST(Convert, NumberTextKeepsFifteenSignificantDigits) {
    // clang-format off
    const std::vector<std::pair<double, std::string>> rows{
        {255, "255"}, {123.45, "123.45"}, {0.1 + 0.2, "0.3"}, {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"}, {0.5, "0.5"}, {-2.5, "-2.5"}, {-0.0, "0"},
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
        {1.5 * 2.5, 2, "3.75"}, {10.0 / 3, 2, "3.33"}, {2.0 / 3, 2, "0.67"},
        {12345, 5, "12345.00000"}, {123450, 5, "123450.00000"}, {2147441940, 0, "2147441940"},
        {999.5, 0, "1000"}, {2.5, 0, "3"}, {0.5, 0, "1"}, {0.4, 0, "0"}, {0, 0, "0"},
        {0, 3, "0.000"}, {0.0005, 3, "0.001"}, {0.00049, 3, "0.000"}, {0.001, 1, "0.0"},
        {0.5, 9, "0.500000000"}, {-1.5, 0, "-2"}, {-0.125, 2, "-0.13"}};
    // clang-format on
    for (const auto& r : rows)
        EXPECT_EQ(fixedText(r.value, r.decimals), r.text) << r.value << " with " << r.decimals;
}

TEST(Convert, LeadingValueReadsTheNumberAtTheStartOfTheText) {
    // clang-format off
    const std::vector<std::pair<std::string, double>> rows{
        {"00012.50", 12.5}, {"123.", 123}, {"", 0}, {"abc", 0}, {"-3.5x", -3.5}, {"1.2.3", 1.2},
        {"+7", 7}, {".5", 0.5}, {"-", 0}, {".", 0}, {" 5", 0}, {"00000123.45", 123.45},
        {"12 34", 12}, {"7e3", 7}, {"15", 15}, {"9999999999.", 9999999999.0}};
    // clang-format on
    for (const auto& [text, value] : rows) {
        EXPECT_DOUBLE_EQ(leadingValue(text), value) << '"' << text << '"';
        EXPECT_DOUBLE_EQ(numericValue(text), value) << '"' << text << '"';
    }
}

TEST(Convert, HexTextRoundsHalvesToEven) {
    // clang-format off
    const std::vector<std::pair<double, std::string>> rows{
        {255, "FF"}, {0, "0"}, {2.5, "2"}, {3.5, "4"}, {0.5, "0"}, {2.4, "2"}, {123.45, "7B"},
        {12345, "3039"}, {4080, "FF0"}, {2147483647, "7FFFFFFF"}, {4294967295.0, "FFFFFFFF"},
        {9007199254740992.0, "20000000000000"}};
    // clang-format on
    for (const auto& [value, text] : rows)
        EXPECT_EQ(hexText(value), text) << value;
}

TEST(Convert, HexTextOutsideItsRangeStillGivesHexDigits) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    for (double v : {1e300, -1.0, -2147483648.0, inf, -inf, std::nan("")}) {
        const std::string text = hexText(v);
        EXPECT_FALSE(text.empty()) << v;
        EXPECT_EQ(text.find_first_not_of("0123456789ABCDEF"), std::string::npos) << v;
    }
}

TEST(Convert, PowersOfSixteenAndWholePartsAreExact) {
    double power = 1;
    for (int k = 0; k <= 7; ++k, power *= 16)
        EXPECT_EQ(pow16(k), power) << k;
    for (auto [value, whole] : std::vector<std::pair<double, double>>{
             {15.9375, 15}, {3, 3}, {0.5555, 0}, {-1.5, -2}, {2147483646.99, 2147483646}})
        EXPECT_EQ(wholePart(value), whole) << value;
}

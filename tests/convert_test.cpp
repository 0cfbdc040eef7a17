#include "convert/convert.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

using namespace convert;

// Each conversion against its worked examples; numbers that are read come
// back through numberText, which the first rows pin.
TEST(Convert, EachConversionGivesItsWorkedExamples) {
    const auto read = [](const char* text) { return numberText(leadingValue(text)); };
    // clang-format off
    const std::pair<std::string, std::string> rows[] = {
        // 15 significant digits, no trailing zeros, no "-0".
        {numberText(255), "255"}, {numberText(0.1 + 0.2), "0.3"}, {numberText(-0.0), "0"},
        {numberText(1.0 / 3), "0.333333333333333"}, {numberText(2.0 / 3), "0.666666666666667"},
        {numberText(-2.5), "-2.5"}, {numberText(123456789012345.0), "123456789012345"},
        // The decimal form rounded half away from zero.
        {fixedText(0.125, 2), "0.13"}, {fixedText(1.005, 2), "1.01"}, {fixedText(2.675, 2), "2.68"},
        {fixedText(9.995, 2), "10.00"}, {fixedText(2.0 / 3, 2), "0.67"}, {fixedText(0.4, 0), "0"},
        {fixedText(12345, 5), "12345.00000"}, {fixedText(2147441940, 0), "2147441940"},
        {fixedText(999.5, 0), "1000"}, {fixedText(0, 3), "0.000"}, {fixedText(0.0005, 3), "0.001"},
        {fixedText(0.00049, 3), "0.000"}, {fixedText(0.001, 1), "0.0"}, {fixedText(-1.5, 0), "-2"},
        {fixedText(-0.125, 2), "-0.13"},
        // The number at the start of the text.
        {read("00012.50"), "12.5"}, {read("123."), "123"}, {read(""), "0"}, {read("abc"), "0"},
        {read("-3.5x"), "-3.5"}, {read("1.2.3"), "1.2"}, {read("+7"), "7"}, {read(".5"), "0.5"},
        {read("-"), "0"}, {read(" 5"), "0"}, {read("7e3"), "7"}, {read("987654321."), "987654321"},
        // Halves to even; a value outside 0 to 2^53 goes to the nearer end.
        {hexText(255), "FF"}, {hexText(0), "0"}, {hexText(2.5), "2"}, {hexText(3.5), "4"},
        {hexText(0.5), "0"}, {hexText(2147483647), "7FFFFFFF"}, {hexText(4294967295.0), "FFFFFFFF"},
        {hexText(9007199254740992.0), "20000000000000"}, {hexText(HUGE_VAL), "20000000000000"},
        {hexText(-1.0), "0"}, {hexText(-HUGE_VAL), "0"}, {hexText(NAN), "0"}};
    // clang-format on
    for (std::size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(rows[i].first, rows[i].second) << "row " << i;
}

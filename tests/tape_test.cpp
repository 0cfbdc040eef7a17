#include "calc/tape.h"
#include "calculator_driver.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>

// An entry in a form easy to write by hand: "h" for hexadecimal work, the
// operation as "*", "/", "hex>dec" or "dec>hex", the result or "refused", and
// in brackets what Ctrl+C copies from it where that is not the bare result.
static std::string described(const TapeEntry& e) {
    const char* operations[] = {"*", "/", "hex>dec", "dec>hex"};
    const std::string copied = calc::copiedResult(e);
    return (e.hexadecimal ? "h " : "") + e.first + ' ' + operations[int(e.operation)] +
           (e.second.empty() ? "" : ' ' + e.second) + " = " + e.result.value_or("refused") +
           (copied == e.result.value_or("") ? "" : " [" + copied + ']');
}

// The lines a script of user events (the words of calculator_driver.h) writes
// on the tape, joined by "; ".
TEST(Tape, EachFinishedCalculationWritesOneLine) {
    // clang-format off
    const std::pair<std::string, std::string> rows[] = {
        {"12 * 3 = / 4 =", "12 * 3 = 36; 36 / 4 = 9"},
        {"12 * 999999999 =", "12 * 999999999 = refused"},
        {"5 / =", "5 / 0 = refused"},
        {"12 * 3 C", ""}, // nothing finished
        {"Hex 1F * 2 =", "h 1F * 2 = 3E [H = 3E]"},
        {"Hex FF / 10 =", "h FF / 10 = F [H = F]"},
        {"Hex FF * 0 =", "h FF * 0 = refused"},
        // A hexadecimal result is final: the rods' decimal 15 read again is refused.
        {"Hex 5 * 3 = =", "h 5 * 3 = F [H = F]; h F * 15 = refused"},
        // A refused "*" leaves hexadecimal multiplication pending, of 0 by 0.
        {"Hex 80000000 * 3 =", "h 0 * 0 = refused"},
        {"Hex 1F H-D", "h 1F hex>dec = 31 [D = 31]"},
        {"255 H-D", "255 dec>hex = FF [H = FF]"},
        {"3 * 4 H-D", "4 dec>hex = 4 [H = 4]"}, // no result yet: the rods
        {"10.00 / 4.00 = H-D", "10.00 / 4.00 = 2.50; 2.50 dec>hex = 2 [H = 2]"},
        {"2147483648 H-D", "2147483648 dec>hex = refused"},
    };
    // clang-format on
    for (const auto& [script, expected] : rows) {
        Calculator c;
        std::istringstream words{script};
        std::string lines;
        for (std::string word; words >> word;) {
            const Answer answer = word == "="     ? c.press(Key::Equals)
                                  : word == "H-D" ? c.press(Key::Convert)
                                                  : (driver::enter(c, word), Answer{});
            if (answer.tape)
                lines += (lines.empty() ? "" : "; ") + described(*answer.tape);
        }
        EXPECT_EQ(lines, expected) << script;
    }
}

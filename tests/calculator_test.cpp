#include "calc/pasted_number.h"
#include "calculator_driver.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>
#include <vector>

using namespace driver;

// What a script of user events (the words of calculator_driver.h) leaves, from
// start-up: the radio button checked, the bead values (rod 9 first, no leading
// zeros), the result line ("-" while hidden), the rod labels (rod 9 first, "_"
// for an empty one, "-" while all are hidden), which of "=" and "H-D" take no
// click (the rules of calculator_driver.h check the other keys), and how many
// times the bell rang. When a second script is given, both leave everything a
// user or a caller can observe the same.
TEST(Calculator, EachScriptLeavesItsBoardResultLineLabelsKeysAndBeeps) {
    struct Row {
        std::string script, option, board, line, labels, off;
        int bells;
        std::string same{};
    };
    // clang-format off
    const Row rows[] = {
        {"", "0", "0", "", "-", "", 0},
        {"Bar Label", "0", "0", "", "-", "", 0},
        {"12 @4 @0", "0", "12", "", "-", "", 0, "12"}, // a radio button sets the point alone
        {"Bar 1.50 * 2.50 =", "2", "375", "-", "0000000375", "", 0},
        // A result's 5 is the upper bead: a press that lifts it leaves 0.
        {"Bar 1.50 * 2.50 = ^0.0", "2", "370", "-", "0000000375", "", 0},
        // The quotient is kept unrounded.
        {"10.00 / 3.00 = * 3.00 =", "2", "1000", "-", "-", "", 0},
        {"3 * 4 = =", "0", "144", "-", "-", "", 0},
        {"12 * 5 / 4 =", "0", "3", "-", "-", "", 0}, // the second key changes the operation
        {"42 =", "0", "0", "-", "-", "", 0},         // nothing taken since the clear
        {"/ 5 =", "0", "0", "-", "-", "", 0},        // a first operand of 0 keeps the second
        {"46340 * 46341 =", "0", "2147441940", "-", "-", "", 0},
        {"2147483647 * 1 =", "0", "0", "-", "-", "", 1},
        {"999999999.9 * 1.0 =", "1", "9999999999", "-", "-", "", 0},
        {"12.34500 * 1000.00000 =", "5", "1234500000", "-", "-", "", 0},
        {"123.45000 * 1000.00000 =", "0", "0", "-", "-", "", 1}, // twelve characters
        {"5 / =", "0", "0", "-", "-", "", 2},
        {"5 / = 7 =", "0", "0", "-", "-", "", 4}, // "/" still pending after the clear
        {"Bar 3 / 4 = C", "0", "0", "-", "__________", "", 0}, // the clear keeps what is hidden
        {"1.50 * 2.50 = 7 H-D Hex", "7", "0", "", "-", "", 0, "Hex"},
        {"Hex FEDCBA9876", "7", "4DCBA9876", "", "-", "", 0},       // rods 8 and 9 take 0 to 9
        {"Hex 557F000000 *", "7", "0", "H = 7F000000", "-", "", 0}, // ... and take no part
        // Whatever point is chosen, hexadecimal work is whole.
        {"Hex 0.000 FF * 10 =", "3", "4080", "H = FF0", "-", "H-D", 0},
        {"Hex FF / 10 =", "7", "15", "H = F", "-", "H-D", 0},
        {"Hex 3 / FF * 2 =", "7", "510", "H = 1FE", "-", "H-D", 0}, // "*" takes the board afresh
        {"Hex 7FFFFFFE * 1 =", "7", "2147483646", "H = 7FFFFFFE", "-", "H-D", 0},
        // Rods 8 and 9 show digits of a hexadecimal result, but not on their labels.
        {"Bar Hex 7 * 9910000000 =", "7", "1879048192", "H = 70000000", "__79048192", "H-D", 0},
        {"Hex 7FFFFFFF * 1 =", "0", "0", "", "-", "", 1},
        {"Hex FF * 0 =", "0", "0", "", "-", "", 1},
        {"Hex FF / 0 =", "0", "0", "", "-", "", 1},
        {"Hex 3 / FF =", "0", "0", "", "-", "", 1}, // a quotient of 0
        // Rod 7 at 8 or more is refused, and "*" stays pending.
        {"Hex 80000000 * 3 =", "0", "0", "", "-", "", 2},
        // A hexadecimal result is final, and "/" is left pending in decimal.
        {"Hex 5 * 3 = =", "0", "0", "", "-", "", 2},
        {"Hex 5 * 3 = 2 / =", "0", "0", "-", "-", "", 3},
        {"Hex 7F / 3 = 0.00 C0000F Bar C", "0", "0", "", "__________", "", 0, "Hex / Bar C"},
        {"Hex FFFFFFFF H-D", "7", "FFFFFFFF", "D = 4294967295", "-", "=", 0},
        {"Hex FF H-D * 2 =", "7", "2", "H = FF", "-", "=", 0},
        {"3 * 4 H-D C 2 * 3 =", "0", "6", "-", "-", "", 0},
        {"3 * 4 H-D Hex 2 * 3 =", "7", "6", "H = 6", "-", "H-D", 0},
        {"123.45 H-D", "2", "12345", "H = 3039", "-", "=", 0}, // the rods as one whole number
        {"2147483647 H-D", "0", "2147483647", "H = 7FFFFFFF", "-", "=", 0},
        {"2147483648 H-D", "0", "0", "", "-", "", 1},
        // "H-D" converts the result, not the rods.
        {"123.45 * 1.00 = 999 H-D", "2", "12999", "H = 7B", "-", "=", 0},
        {"10.00 / 4.00 = H-D", "2", "250", "H = 2", "-", "=", 0},
        // The right button on a lower cell sets 5 + the cell, the middle one acts
        // as the left; the fifth lower bead takes presses while the upper deck holds 10.
        {"Hex D ^1.2r v1.3m v0.5r ^2.1 v2.5", "7", "5DA", "", "-", "", 0},
        {"Hex 9A8B7E6D v2.1r ^2.0", "7", "9A8B716D", "", "-", "", 0, "Hex 9A8B716D"},
        // The beam zeroes the rods alone; fifth lower beads that took presses still do.
        {"12 * 3 = 70.00 Bar Beam", "2", "0", "-", "0000000036", "", 0,
         "12 * 3 = 70.00 Bar 0000000000"},
        {"Hex FF * C0000F Beam v5.5 v0.5", "7", "500005", "H = FF", "-", "", 0},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.script);
        Calculator f, g;
        const Panel& d = f.panel;
        std::string labels, off;
        int bells = 0;
        std::istringstream events{row.script};
        for (std::string e; events >> e;)
            EXPECT_EQ(step(f, e, bells), "") << e;
        for (int rod = rodCount - 1; rod >= 0; --rod) {
            const Label& label = d.rodLabel(rod);
            labels += !label.visible ? "-" : label.caption.empty() ? "_" : label.caption;
        }
        for (const auto& [key, name] : {std::pair{Key::Equals, "="}, {Key::Convert, "H-D"}})
            off += d.keyEnabled(key) ? "" : name;
        const std::string line = d.resultLine().visible ? d.resultLine().caption : "-";
        EXPECT_EQ(std::tuple(std::to_string(d.checkedPoint()), beads(f), line,
                             labels == std::string(rodCount, '-') ? "-" : labels, off, bells),
                  std::tie(row.option, row.board, row.line, row.labels, row.off, row.bells));
        if (row.same.empty())
            continue;
        enter(g, row.same);
        EXPECT_EQ(dump(f), dump(g)) << row.same;
    }
}

// What each key answers, after a script: the window rings the bell, speaks
// and moves the keyboard's mark from this alone.
TEST(Calculator, EachKeyAnswersWithWhatItDid) {
    using O = Answer::Outcome;
    // clang-format off
    const std::tuple<const char*, Key, Answer> rows[] = {
        {"12", Key::Multiply, {O::OperandTaken}},
        {"12 * 3", Key::Equals, {O::ResultLaid, 0, "36"}},
        {"1.50 * 2.50", Key::Equals, {O::ResultLaid, 0, "3.75"}},
        {"Hex 5 * 3", Key::Equals, {O::ResultWritten, 0, "H = F"}},
        {"Hex FF", Key::Convert, {O::ResultWritten, 0, "D = 255"}},
        {"255", Key::Convert, {O::ResultWritten, 0, "H = FF"}},
        {"12", Key::Clear, {O::Cleared}},
        {"12", Key::Hexadecimal, {O::HexadecimalMode}},
        {"Hex 80000000", Key::Multiply, {O::Refused, 1}},
        {"Hex 3 / FF", Key::Equals, {O::Refused, 1}},
        {"5 /", Key::Equals, {O::Refused, 2}},
        {"Hex 5 * 3 =", Key::Equals, {O::Refused, 2}},
        {"Hex FF H-D", Key::Equals, {}}, // "=" takes no click after "H-D"
        {"", Key::HexPlus, {}},
    };
    // clang-format on
    for (const auto& [script, key, answer] : rows) {
        Calculator f;
        enter(f, script);
        Answer got = f.press(key);
        got.tape.reset(); // the tape's own test reads it
        EXPECT_EQ(got, answer) << script << " then " << captionOf(key);
    }
}

// Each text pasted onto the board that the script leaves either lays the
// number written down (the rods, rod 9 first, without leading zeros) and
// changes nothing beside the rods, or (nullptr) is refused with one bell and
// changes nothing at all.
TEST(Paste, LaysANumberTheBoardCanHoldAndRefusesAnyOther) {
    const std::string blanks(63, ' ');
    // clang-format off
    const std::tuple<const char*, std::vector<std::string>, const char*> rows[] = {
        {"4 * 9999999999 @2", {"1.27", "D = 1.27\n", "001.27"}, "127"},
        {"4 * 9999999999 @0", {"5.", blanks + "5"}, "5"},
        {"4 * 9999999999 @1", {".5"}, "5"},
        {"4 * 9999999999 @0", {"9876543210"}, "9876543210"},
        {"4 * 9999999999 @9", {"1.23456789"}, "1234567890"},
        // A hexadecimal number, as its decimal value.
        {"4 * 9999999999 @2", {"H = 3039"}, "1234500"},
        {"4 * 9999999999 @0", {"H = 2540be3ff"}, "9999999999"},
        {"4 * 9999999999 @3", {" \t0012.500\r\n"}, "12500"},
        {"4 * 9999999999 @0", {".5", "12345678901", blanks + " 5"}, nullptr},
        {"4 * 9999999999 @1", {"1234567890", "1.50"}, nullptr},
        {"4 * 9999999999 @9", {"10", "0.1234567890", "H = A"}, nullptr},
        {"4 * 9999999999 @0", {"H = 2540BE400", "H = 7B.8", "H = "}, nullptr},
        {"4 * 9999999999 @2", {"", " \r\n", ".", "1.2.3", "12a", "-5", "+5", "1e5", "1,000", "1,5",
                               "D = ", "D = H = 5", "d = 5", "5 5", "\xEF\xBC\x95", "5\xC2\xA0",
                               std::string("5\0", 2), std::string(1 << 20, '7')}, nullptr},
        {"Hex 3 * 9ABCDEF", {"FF"}, "FF"},
        {"Hex 3 * 9ABCDEF", {" aBc\n", "H = ABC"}, "ABC"},
        {"Hex 3 * 9ABCDEF", {"7FFFFFFF"}, "7FFFFFFF"},
        // A decimal number, in hexadecimal digits.
        {"Hex 3 * 9ABCDEF", {"D = 255"}, "FF"},
        {"Hex 3 * 9ABCDEF", {"D = 4294967295"}, "FFFFFFFF"},
        {"Hex 7FFFFFF * 10 =", {"5"}, "5"}, // rods 8 and 9 held digits of the result
        {"Hex 3 * 9ABCDEF", {"123456789", "000000001", "G", "F.F", "0x1F", "F F", "", "D = 4294967296",
                             "D = 2.5", "D = A"}, nullptr},
    };
    // clang-format on
    for (const auto& [script, texts, laid] : rows) {
        for (const std::string& text : texts) {
            Calculator f;
            enter(f, script);
            const std::string before = dump(f, !laid);
            const Answer answer = f.paste(text);
            EXPECT_EQ(answer.outcome,
                      laid ? Answer::Outcome::Pasted : Answer::Outcome::PasteRefused)
                << text;
            EXPECT_EQ(answer.bells, laid ? 0 : 1) << text;
            EXPECT_EQ(dump(f, !laid) + (laid ? beads(f) : ""), before + (laid ? laid : ""))
                << script << " / " << text;
        }
    }
}

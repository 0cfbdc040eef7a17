#include "form_driver.h"

#include <gtest/gtest.h>

#include <string>

using namespace driver;

// What a run of numbers and keys leaves: the bead values (rod 9 first), the
// result line as the user sees it and the beeps, each marked "c" when the
// calculator was already cleared as it sounded and "B" when it came before the
// clear. A refusal always ends in the clear; the property test checks that.
TEST(Calculation, EachRunEndsWithItsBoardResultLineAndBeeps) {
    struct Run {
        const char* script;
        const char* board;
        const char* line; // "-" while the result line is hidden
        const char* beeps;
    };
    const Run runs[] = {
        {"12 * 3 =", "36", "-", ""},
        {"1.50 * 2.50 =", "375", "-", ""},
        {"10.00 / 3.00 = * 3.00 =", "1000", "-", ""}, // the quotient is kept unrounded
        {"3 * 4 = =", "144", "-", ""},
        {"12 * 5 / 4 =", "3", "-", ""}, // the second key only changes the operation
        {"42 =", "0", "-", ""},         // nothing taken since the clear
        {"/ 5 =", "0", "-", ""},        // a first operand of 0 keeps the second
        {"46340 * 46341 =", "2147441940", "-", ""},
        {"2147483647 * 1 =", "0", "-", "c"},
        {"999999999.9 * 1.0 =", "9999999999", "-", ""},
        {"12.34500 * 1000.00000 =", "1234500000", "-", ""},
        {"123.45000 * 1000.00000 =", "0", "-", "c"}, // twelve characters
        {"5 / =", "0", "-", "cc"},
        {"5 / = 7 =", "0", "-", "cccc"}, // "/" still pending after the clear
        {"3 / 4 = C", "0", "-", ""},     // the clear leaves the line hidden
        {"Hex", "0", "", ""},
        {"Hex 557F000000 *", "0", "H = 7F000000", ""},  // rods 8 and 9 do not count
        {"Hex 0.000 FF * 10 =", "4080", "H = FF0", ""}, // whatever point is chosen
        {"Hex FF / 10 =", "15", "H = F", ""},
        {"Hex 3 / FF * 2 =", "510", "H = 1FE", ""}, // "*" takes the board afresh
        {"Hex 7FFFFFFE * 1 =", "2147483646", "H = 7FFFFFFE", ""},
        {"Hex 7FFFFFFF * 1 =", "0", "", "c"},
        {"Hex FF * 0 =", "0", "", "c"},
        {"Hex FF / 0 =", "0", "", "c"},
        {"Hex 80000000 * 3 =", "0", "", "Bc"},  // rod 7 at 8 or more; "*" stays pending
        {"Hex 5 * 3 = =", "0", "", "cc"},       // a hexadecimal result is final
        {"Hex 5 * 3 = 2 / =", "0", "-", "ccc"}, // ... and "/" is left pending in decimal
        {"Hex FFFFFFFF H-D", "FFFFFFFF", "D = 4294967295", ""},
        {"Hex FF H-D * 2 =", "2", "H = FF", ""}, // "=" cannot be pressed after "H-D"
        {"3 * 4 H-D C 2 * 3 =", "6", "-", ""},   // ... until "C" or "Hex"
        {"3 * 4 H-D Hex 2 * 3 =", "6", "H = 6", ""},
        {"123.45 H-D", "12345", "H = 3039", ""}, // the rods as one whole number
        {"2147483647 H-D", "2147483647", "H = 7FFFFFFF", ""},
        {"2147483648 H-D", "0", "", "c"},
        {"123.45 * 1.00 = 999 H-D", "12999", "H = 7B", ""}, // the result, not the rods
        {"10.00 / 4.00 = H-D", "250", "H = 2", ""},
    };
    for (const auto& run : runs) {
        SCOPED_TRACE(run.script);
        Started f;
        std::string beeps;
        f.controls().onBeep(
            [&] { beeps += f.hexMode() || f.digit != 0 || f.firstnum ? 'B' : 'c'; });
        enter(f, run.script);
        EXPECT_EQ(board(f), run.board);
        const Label& line = f.controls().resultLine();
        EXPECT_EQ(line.visible ? line.caption : "-", run.line);
        EXPECT_EQ(beeps, run.beeps);
    }
}

// Rods 8 and 9 show the digits of a long hexadecimal result but take no part
// in hexadecimal work: their texts and labels stay.
TEST(Calculation, AHexadecimalResultLabelsOnlyRodsZeroToSeven) {
    Started f;
    enter(f, "Hex 10000000 * 9900000007 =");
    EXPECT_EQ(board(f), "1879048192");
    for (int rod = 0; rod < rodCount; ++rod) {
        const std::string digit(1, "1879048192"[9 - rod]);
        EXPECT_EQ(f.rodstrAt(rod), rod >= 8 ? "0" : digit) << rod;
        EXPECT_EQ(f.controls().rodLabel(rod).caption, rod >= 8 ? "" : digit) << rod;
    }
}

// "Hex" after any work gives the same state as on a fresh calculator.
TEST(HexKey, StartsACleanBoardWithTheLastRadioButtonChecked) {
    Started fresh;
    enter(fresh, "Hex");
    EXPECT_EQ(fresh.controls().selectedOption(), 7);
    EXPECT_TRUE(fresh.hexMode());
    for (const char* work : {"1.50 * 2.50 = 7", "Hex FFFF", "123 H-D"}) {
        Started f;
        enter(f, work);
        enter(f, "Hex");
        EXPECT_EQ(dump(f), dump(fresh)) << work;
    }
}

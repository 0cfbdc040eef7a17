#include "form_driver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace driver;

namespace {

// Records, at each beep, whether the board was still in hexadecimal mode,
// which tells a beep before the clear from one after it.
struct BeepWatch {
    std::vector<bool> hexAtBeep;
    explicit BeepWatch(Form2& f) {
        f.controls().onBeep([this, &f] { hexAtBeep.push_back(f.hexMode()); });
    }
};

} // namespace

// What a run of numbers and keys leaves: the board (rod 9 first; nullptr when
// the input was refused and the calculator cleared), the result line and the
// number of beeps.
TEST(Calculation, EachRunEndsWithItsBoardResultLineAndBeeps) {
    struct Run {
        const char* script;
        const char* board;
        const char* line;
        int beeps;
    };
    const Run runs[] = {
        {"12 * 3 =", "36", "", 0},
        {"1.50 * 2.50 =", "375", "", 0},
        {"10.00 / 3.00 = * 3.00 =", "1000", "", 0}, // the quotient is kept unrounded
        {"3 * 4 = =", "144", "", 0},
        {"12 * 5 / 4 =", "3", "", 0}, // the second key only changes the operation
        {"42 =", "0", "", 0},         // nothing taken since the clear
        {"* 5 =", "0", "", 0},        // a first operand of 0 keeps the second
        {"/ 5 =", "0", "", 0},
        {"46340 * 46341 =", "2147441940", "", 0},
        {"65536 * 32768 =", nullptr, "", 1},
        {"2147483647 * 1 =", nullptr, "", 1},
        {"12.34500 * 1000.00000 =", "1234500000", "", 0},
        {"123.45000 * 1000.00000 =", nullptr, "", 1}, // twelve characters
        {"5 / =", nullptr, "", 2},
        {"5 / = 7 =", nullptr, "", 4},                // "/" still pending after the clear
        {"Hex 557F000000 *", "0", "H = 7F000000", 0}, // rods 8 and 9 do not count
        {"Hex FF * 10 =", "4080", "H = FF0", 0},
        {"Hex FF / 10 =", "15", "H = F", 0},
        {"Hex FF / F =", "17", "H = 11", 0},
        {"Hex 3 / FF * 2 =", "510", "H = 1FE", 0}, // "*" takes the board afresh
        {"Hex 7FFFFFFE * 1 =", "2147483646", "H = 7FFFFFFE", 0},
        {"Hex 7FFFFFFF * 1 =", nullptr, "", 1},
        {"Hex 10000 * 8000 =", nullptr, "", 1},
        {"Hex 5 / 9 =", nullptr, "", 1},
        {"Hex FF * 0 =", nullptr, "", 1},
        {"Hex FF / 0 =", nullptr, "", 1},
        {"Hex 80000000 *", nullptr, "", 1}, // rod 7 at 8 or more
        {"Hex 5 * 3 = =", nullptr, "", 2},  // a hexadecimal result is final
        {"Hex 5 * 3 = 2 /", nullptr, "", 1},
        {"Hex FF H-D", "FF", "D = 255", 0},
        {"Hex FFFFFFFF H-D", "FFFFFFFF", "D = 4294967295", 0},
        {"Hex 5500000000 H-D", "5500000000", "D = 0", 0},
        {"Hex FF H-D * 2 =", "2", "H = FF", 0}, // "=" cannot be pressed after "H-D"
        {"H-D", "0", "H = 0", 0},
        {"123.45 H-D", "12345", "H = 3039", 0}, // the rods as one whole number
        {"2147483647 H-D", "2147483647", "H = 7FFFFFFF", 0},
        {"2147483648 H-D", nullptr, "", 1},
        {"123.45 * 1.00 = 999 H-D", "12999", "H = 7B", 0}, // the result, not the rods
        {"10.00 / 4.00 = H-D", "250", "H = 2", 0},
    };
    for (const auto& run : runs) {
        SCOPED_TRACE(run.script);
        Started f;
        enter(f, run.script);
        EXPECT_EQ(f.controls().beepCount(), run.beeps);
        EXPECT_EQ(f.controls().resultLine().caption, run.line);
        // "H.+" and "H.-" stay disabled whatever the user does.
        EXPECT_FALSE(f.controls().keyEnabled(Key::HexPlus) ||
                     f.controls().keyEnabled(Key::HexMinus));
        if (run.board) {
            EXPECT_TRUE(boardShows(f, run.board));
            continue;
        }
        EXPECT_TRUE(boardShows(f, "0"));
        EXPECT_FALSE(f.hexMode());
        EXPECT_TRUE(f.digit == 0 && f.digit1 == 0 && f.dot == 0 && !f.firstnum);
        EXPECT_TRUE(f.controls().keyEnabled(Key::Equals));
    }
}

TEST(Calculation, DecimalWorkKeepsOperandsAndHidesTheResultLine) {
    Started f;
    enter(f, "1.50 *");
    EXPECT_EQ(f.digit, 1.5);
    enter(f, "2.50 =");
    EXPECT_EQ(f.digit, 3.75);
    EXPECT_EQ(f.digit1, 2.5);
    EXPECT_EQ(f.numstrAt(3), "3.75");
    EXPECT_FALSE(f.controls().resultLine().visible);
    EXPECT_TRUE(f.controls().keyEnabled(Key::HexDec));
    enter(f, "C 10.00 / 3.00 =");
    EXPECT_DOUBLE_EQ(f.digit, 10.0 / 3);
    EXPECT_EQ(f.numstrAt(3), "3.33");
}

TEST(Calculation, HexadecimalResultShowsDecimalDigitsOnRodsZeroToSeven) {
    Started f;
    enter(f, "Hex FF * 10 =");
    EXPECT_EQ(f.digit, 4080);
    EXPECT_TRUE(f.hexMode());
    EXPECT_TRUE(f.controls().resultLine().visible);
    EXPECT_FALSE(f.controls().keyEnabled(Key::HexDec));
    EXPECT_EQ(f.upvalAt(1) + f.lowvalAt(1), 8); // the beads follow the digit shown

    // Ten decimal digits: rods 8 and 9 show them but keep their texts and labels.
    enter(f, "C Hex 10000000 * 9900000007 =");
    EXPECT_EQ(f.digit, 1879048192);
    EXPECT_TRUE(boardShows(f, "1879048192"));
    for (int rod = 0; rod < rodCount; ++rod) {
        const std::string digit(1, "1879048192"[9 - rod]);
        EXPECT_EQ(f.rodstrAt(rod), rod >= 8 ? "0" : digit) << rod;
        EXPECT_EQ(f.controls().rodLabel(rod).caption, rod >= 8 ? "" : digit) << rod;
    }
}

TEST(Calculation, RefusalsBeepBeforeOrAfterTheClear) {
    Started f;
    BeepWatch watch(f);
    enter(f, "Hex 80000000 *"); // rod 7 too high: the beep comes first
    EXPECT_EQ(f.num2, 4);
    enter(f, "Hex 5 * 3 = ="); // a result is final: clear, beep, twice
    enter(f, "Hex 5 * 3 = 2 /");
    EXPECT_EQ(f.num2, 1);
    enter(f, "2147483648 H-D");
    EXPECT_EQ(watch.hexAtBeep, (std::vector<bool>{true, false, false, false, false}));
}

TEST(HexKey, StartsACleanBoardWithEightHexadecimalRods) {
    Started f;
    for (const char* script : {"123 Hex", "FFFF Hex"}) {
        enter(f, script);
        EXPECT_TRUE(boardShows(f, "0")) << script;
        EXPECT_TRUE(f.hexMode());
        EXPECT_EQ(f.controls().selectedOption(), 7);
        EXPECT_EQ(f.dot, 0);
        EXPECT_TRUE(f.controls().resultLine().visible);
        EXPECT_EQ(f.controls().resultLine().caption, "");
        for (int rod = 0; rod < rodCount; ++rod)
            EXPECT_EQ(f.controls().cellEnabled(Deck::Upper, rod, 1), rod <= 7) << rod;
    }
}

TEST(HexDec, EqualsStaysDisabledUntilTheNextClear) {
    for (const char* again : {"C", "Hex"}) {
        Started f;
        enter(f, "3 * 4 H-D");
        const std::string before = dump(f);
        enter(f, "=");
        EXPECT_EQ(dump(f), before);
        enter(f, again);
        EXPECT_TRUE(f.controls().keyEnabled(Key::Equals)) << again;
    }
    // The handler itself, run all the same, multiplies the board's operand.
    Started f;
    enter(f, "Hex FF H-D * 2");
    f.Command3_Click();
    EXPECT_EQ(f.controls().resultLine().caption, "H = 1FE");
}

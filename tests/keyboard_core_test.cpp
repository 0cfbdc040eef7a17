#include "board/rod_entry.h"
#include "calc/shown_number.h"
#include "form_driver.h"

#include <gtest/gtest.h>

#include <utility>

using namespace driver;

// From every value to every value, the two presses leave the rod at the new
// value (the property test checks what it shows); a rod refuses only what its
// mode forbids.
TEST(RodEntry, TwoPressesTakeARodToAnyValueItsModeAllows) {
    Started hex, decimal;
    enter(hex, "Hex");
    for (int from = 0; from <= 15; ++from) {
        for (int to = 0; to <= 15; ++to) {
            setRod(hex, 2, from);
            for (const board::BeadPress& p : board::beadPresses(to))
                press(hex, p.deck, 2, p.index);
            EXPECT_EQ(hex.upvalAt(2) + hex.lowvalAt(2), to) << from << " to " << to;
        }
    }
    EXPECT_TRUE(board::rodTakes(hex.controls(), 7, 15) &&
                board::rodTakes(decimal.controls(), 9, 9));
    EXPECT_FALSE(board::rodTakes(hex.controls(), 8, 10) || board::rodTakes(hex.controls(), 0, 16) ||
                 board::rodTakes(decimal.controls(), 0, 10));
}

TEST(ShownNumber, IsTheResultLineOrElseTheRodsAsTheOperatorKeysReadThem) {
    Started f;
    // Each script runs on what the one before left.
    for (auto [script, shown] : {std::pair{"", "0"},
                                 {"0.05", "0.05"},
                                 {"C 12.50", "12.50"},
                                 {"H-D", "H = 4E2"},
                                 {"Hex 1FF", "1FF"},
                                 {"* 2 =", "H = 3FE"}}) {
        enter(f, script);
        EXPECT_EQ(calc::shownNumber(f), shown) << script;
    }
}

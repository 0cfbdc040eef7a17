#include "form_driver.h"

#include <gtest/gtest.h>

using namespace driver;

// The property test checks after every event that the pictures, the rod texts
// and the fifth lower bead follow the bead values; RodEntry sets every value.

// The right button on a lower cell sets 5 + the cell in one press, whatever
// the upper deck held; the middle button acts as the left one, and the upper
// deck ignores the button.
TEST(BeadInput, TheRightButtonOnTheLowerDeckSetsFivePlusTheCell) {
    for (int from : {3, 8, 13}) {
        // The fifth lower bead takes presses while the upper deck holds 10.
        for (int cell = 0; cell <= (from >= 10 ? 5 : 4); ++cell) {
            Started f;
            enter(f, "Hex");
            setRod(f, 6, from);
            press(f, Deck::Lower, 6, cell, 2);
            EXPECT_TRUE(f.upvalAt(6) == 5 && f.lowvalAt(6) == cell) << from << " " << cell;
        }
    }
    Started f;
    enter(f, "Hex");
    press(f, Deck::Upper, 1, 1, 2);
    press(f, Deck::Lower, 1, 3, 4);
    press(f, Deck::Upper, 0, 5);
    press(f, Deck::Lower, 0, 5); // the fifth lower bead takes no press at 5
    EXPECT_EQ(board(f), "D5");
}

TEST(BeadInput, AClickOnOneRodLeavesTheOthersAlone) {
    Started f, g;
    enter(f, "Hex 9A8B7C6D");
    enter(g, "Hex 9A8B716D");
    setRod(f, 2, 14);
    press(f, Deck::Lower, 2, 1, 2);
    press(f, Deck::Upper, 2, 0);
    EXPECT_EQ(dump(f), dump(g));
}

// Compared with a board put back to zero by hand, nothing else differs; in
// hexadecimal mode the fifth lower beads that took presses still do.
TEST(BoardReset, TheBeamZeroesTheRodsAndNothingElse) {
    Started f, g;
    for (Started* x : {&f, &g}) {
        enter(*x, "12 * 3 = 0.00 7000");
        x->Picture22_Click(0);
    }
    f.Frame1_Click();
    enter(g, "0000000000");
    EXPECT_EQ(dump(f), dump(g));

    Started h;
    enter(h, "Hex FF * C0000F");
    h.Frame1_Click();
    EXPECT_EQ(h.controls().resultLine().caption, "H = FF");
    press(h, Deck::Lower, 5, 5);
    press(h, Deck::Lower, 0, 5);
    EXPECT_EQ(board(h), "500005");
}

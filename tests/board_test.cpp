#include "form_driver.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

using namespace driver;

namespace {

// A started calculator in hexadecimal mode, where rods 0 to 7 take 0 to 15.
struct HexBoard : Started {
    HexBoard() { click(*this, Key::Hex); }
};

void expectRod(const Form2& f, int rod, int up, int low) {
    EXPECT_TRUE(decksShow(f, rod, up, low));
    EXPECT_EQ(f.upvalAt(rod), up) << rod;
    EXPECT_EQ(f.lowvalAt(rod), low) << rod;
    EXPECT_EQ(f.rodstrAt(rod), std::to_string(up + low)) << rod;
}

bool fifthLowerEnabled(const Form2& f, int rod) {
    return f.controls().cellEnabled(Deck::Lower, rod, 5);
}

} // namespace

TEST(BeadInput, EveryValueShowsItsDeckPictures) {
    HexBoard f;
    for (int value = 0; value <= 15; ++value) {
        setRod(f, 3, value);
        const int up = value >= 10 ? 10 : value >= 5 ? 5 : 0;
        expectRod(f, 3, up, value - up);
        EXPECT_EQ(fifthLowerEnabled(f, 3), up == 10) << value;
    }
    // Clicking the cells that already hold the gaps changes nothing.
    const std::string before = dump(f);
    pressUpper(f, 3, 1);
    pressLower(f, 3, 5);
    EXPECT_EQ(dump(f), before);
}

TEST(BeadInput, RightButtonOnTheLowerDeckSetsFivePlusTheCellMiddleActsAsLeft) {
    for (int up : {0, 5, 10}) {
        for (int cell = 0; cell <= 4; ++cell) {
            HexBoard f;
            setRod(f, 6, up + 3);
            pressLower(f, 6, cell, 2);
            expectRod(f, 6, 5, cell);
            EXPECT_FALSE(fifthLowerEnabled(f, 6));
        }
    }
    HexBoard f; // on the fifth lower bead, reachable only at 10: 10 as 5 + 5
    setRod(f, 1, 10);
    pressLower(f, 1, 5, 2);
    expectRod(f, 1, 5, 5);
    EXPECT_FALSE(fifthLowerEnabled(f, 1));
    pressUpper(f, 1, 1, 2); // the upper deck ignores the button
    pressLower(f, 1, 3, 4);
    expectRod(f, 1, 10, 3);
    EXPECT_TRUE(fifthLowerEnabled(f, 1));
}

TEST(BeadInput, FifthLowerBeadIsReachableOnlyWhileTheUpperDeckHoldsTen) {
    HexBoard f;
    setRod(f, 0, 15);
    pressUpper(f, 0, 0);
    expectRod(f, 0, 0, 5); // the lower gap stays in the fifth cell
    EXPECT_FALSE(fifthLowerEnabled(f, 0));
    pressUpper(f, 0, 5);
    pressLower(f, 0, 2);
    pressLower(f, 0, 5); // not delivered
    expectRod(f, 0, 5, 2);
    pressUpper(f, 0, 1);
    pressLower(f, 0, 1);
    EXPECT_TRUE(fifthLowerEnabled(f, 0));

    Started d; // decimal work: neither extra bead can be reached, 9 is the most
    setRod(d, 4, 15);
    expectRod(d, 4, 0, 0);
    setRod(d, 4, 9);
    expectRod(d, 4, 5, 4);
}

TEST(BeadInput, AClickOnOneRodLeavesTheOthersAlone) {
    HexBoard f, g;
    setNumber(f, "9A8B7C6D");
    setNumber(g, "9A8B716D");
    setRod(f, 2, 14);
    pressLower(f, 2, 1, 2);
    pressUpper(f, 2, 0);
    EXPECT_EQ(dump(f), dump(g));
}

// Compared with a board put back to zero by hand, nothing else differs.
TEST(BoardReset, TheBeamZeroesTheRodsAndNothingElse) {
    Started f, g;
    for (Started* x : {&f, &g}) {
        enter(*x, "12 * 3 =");
        x->Picture22_Click(0);
        x->userClicksOption(2);
        setRod(*x, 5, 7);
    }
    f.Frame1_Click();
    setNumber(g, "0000000000");
    EXPECT_TRUE(boardShows(f, "0"));
    EXPECT_EQ(dump(f), dump(g));
    f.Frame1_Click();
    EXPECT_EQ(dump(f), dump(g));
}

TEST(BoardReset, InHexadecimalModeKeepsTheBeadsThatCanBeClicked) {
    HexBoard f;
    enter(f, "FF * C0000F");
    f.Frame1_Click();
    EXPECT_TRUE(boardShows(f, "0"));
    EXPECT_EQ(f.controls().resultLine().caption, "H = FF");
    EXPECT_TRUE(f.hexMode());
    for (int rod = 0; rod < rodCount; ++rod)
        EXPECT_EQ(f.controls().cellEnabled(Deck::Upper, rod, 1), rod <= 7) << rod;
    EXPECT_TRUE(fifthLowerEnabled(f, 5) && fifthLowerEnabled(f, 0));
    EXPECT_FALSE(fifthLowerEnabled(f, 4));
    pressLower(f, 5, 5);
    expectRod(f, 5, 0, 5);
    EXPECT_FALSE(fifthLowerEnabled(f, 5));
    pressUpper(f, 7, 1);
    expectRod(f, 7, 10, 0);
}

// What "=" lays onto the rods: the pictures, digit texts, rod texts and labels.
TEST(ShowNumber, LaysTheResultWithItsUnitsDigitOnTheChosenRod) {
    // clang-format off
    const std::pair<const char*, const char*> cases[] = {
        {"123.45 * 1.00 =", "0000012345"}, {"C =", "0000000000"}, {"5 * 2 =", "0000000010"},
        {"999999999.9 * 1.0 =", "9999999999"}, {"0.5 * 1.0 =", "0000000005"},
        {"1234567.891 * 1.000 =", "1234567891"}};
    // clang-format on
    for (const auto& [script, board] : cases) {
        SCOPED_TRACE(script);
        Started f;
        enter(f, script);
        EXPECT_TRUE(boardShows(f, board));
        for (int rod = 0; rod < rodCount; ++rod) {
            const std::string digit(1, board[9 - rod]);
            EXPECT_EQ(f.digstrAt(rod), digit) << rod;
            EXPECT_EQ(f.rodstrAt(rod), digit) << rod;
            EXPECT_EQ(f.controls().rodLabel(rod).caption, digit) << rod;
        }
        EXPECT_EQ(f.controls().beepCount(), 0);
    }
}

TEST(ShowNumber, TheSameResultTwiceLeavesTheSameBoard) {
    Started f;
    enter(f, "1 * 1 =");
    const std::string once = dump(f);
    enter(f, "=");
    EXPECT_EQ(dump(f), once);
}

TEST(ShowNumber, AWholeHexadecimalResultGoesOnRodZeroWhateverPointIsChosen) {
    HexBoard f;
    f.userClicksOption(3);
    enter(f, "FF * 10 =");
    EXPECT_EQ(f.dot, 3);
    EXPECT_TRUE(boardShows(f, "4080"));
    EXPECT_EQ(f.rodstrAt(3), "4");
}

// The bead values follow the digit shown, so a later click adds to it.
TEST(ShowNumber, AClickOnARodShowingAResultCombinesWithTheBeadsShown) {
    Started f;
    enter(f, "2 * 4 =");
    expectRod(f, 0, 5, 3);
    pressLower(f, 0, 1);
    expectRod(f, 0, 5, 1);
    enter(f, "C 3 * 3 =");
    pressUpper(f, 0, 0);
    expectRod(f, 0, 0, 4);
}

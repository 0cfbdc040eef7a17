#include "form_driver.h"

#include <gtest/gtest.h>

using namespace driver;

namespace {

// Every rod at 0 in decimal mode, operands and texts reset, Option1(0) chosen,
// "H.+" and "H.-" the only disabled keys.
void expectCleared(const Form2& f) {
    EXPECT_TRUE(boardShows(f, "0"));
    for (int rod = 0; rod < rodCount; ++rod) {
        for (int cell : upperCellIndices)
            EXPECT_EQ(f.controls().cellEnabled(Deck::Upper, rod, cell), cell != 1) << rod;
        for (int cell = 0; cell < lowerCellCount; ++cell)
            EXPECT_EQ(f.controls().cellEnabled(Deck::Lower, rod, cell), cell != 5) << rod;
        EXPECT_EQ(f.upvalAt(rod) + f.lowvalAt(rod), 0);
        EXPECT_TRUE(f.rodstrAt(rod) == "0" && f.digstrAt(rod) == "0" && f.numstrAt(rod) == "0");
        EXPECT_EQ(f.controls().rodLabel(rod).caption, "");
    }
    EXPECT_TRUE(f.digit == 0 && f.digit1 == 0 && f.dot == 0 && !f.firstnum);
    EXPECT_FALSE(f.hexMode());
    EXPECT_EQ(f.controls().selectedOption(), 0);
    EXPECT_EQ(f.controls().resultLine().caption, "");
    for (int k = 0; k < keyCount; ++k) {
        const auto key = static_cast<Key>(k);
        EXPECT_EQ(f.controls().keyEnabled(key), key != Key::HexPlus && key != Key::HexMinus) << k;
    }
}

} // namespace

TEST(StartUp, ShowsZeroOnEveryRodInDecimalMode) {
    Started f;
    expectCleared(f);
    EXPECT_EQ(f.num2, 0);
    EXPECT_TRUE(f.controls().resultLine().visible);
    for (int rod = 0; rod < rodCount; ++rod)
        EXPECT_FALSE(f.controls().rodLabel(rod).visible);
    EXPECT_EQ(f.controls().beepCount(), 0);
}

TEST(Clear, FromHexadecimalWorkRestoresTheStartStateAndTwiceIsOnce) {
    Started f;
    enter(f, "Hex 7F * 3 =");
    f.userClicksOption(4);
    setRod(f, 0, 12);
    setRod(f, 7, 15);
    ASSERT_TRUE(f.controls().cellEnabled(Deck::Lower, 7, 5));
    f.Picture22_Click(0);
    click(f, Key::Clear);
    expectCleared(f);
    EXPECT_EQ(f.num2, 4); // the pending operation survives
    EXPECT_TRUE(f.controls().rodLabel(3).visible);

    const std::string once = dump(f);
    click(f, Key::Clear);
    EXPECT_EQ(dump(f), once);
    setRod(f, 2, 15); // the extra beads cannot be reached any more
    EXPECT_TRUE(rodShows(f, 2, 0));
}

TEST(Clear, LeavesAHiddenResultLineAndTheRodLabelsAsTheyWere) {
    Started f;
    enter(f, "3 / 4 =");
    f.Picture22_Click(1);
    click(f, Key::Clear);
    EXPECT_EQ(f.num2, 1);
    EXPECT_FALSE(f.controls().resultLine().visible);
    for (int rod = 0; rod < rodCount; ++rod)
        EXPECT_TRUE(f.controls().rodLabel(rod).visible &&
                    f.controls().rodLabel(rod).caption.empty());
    f.Lab1_Click(0);
    click(f, Key::Clear);
    EXPECT_FALSE(f.controls().rodLabel(9).visible);
}

TEST(RadioButtons, SetTheDecimalPointAndNothingElseUntilTheNextClear) {
    Started f;
    setNumber(f, "12");
    const std::string board = dump(f);
    f.userClicksOption(4);
    EXPECT_EQ(f.dot, 4);
    EXPECT_EQ(f.controls().selectedOption(), 4);
    f.userClicksOption(0);
    EXPECT_EQ(dump(f), board);

    f.userClicksOption(4);
    click(f, Key::Clear);
    EXPECT_EQ(f.dot, 0);
    EXPECT_EQ(f.controls().selectedOption(), 0);
    click(f, Key::Hex);
    f.userClicksOption(3);
    EXPECT_EQ(f.dot, 3);
    EXPECT_TRUE(f.hexMode());
}

TEST(RodLabels, ABarShowsAllTenAndAnyLabelHidesAllTen) {
    Started f;
    const std::string hidden = dump(f);
    for (int bar : {0, 1, 1}) {
        f.Picture22_Click(bar);
        for (int rod = 0; rod < rodCount; ++rod)
            EXPECT_TRUE(f.controls().rodLabel(rod).visible) << rod;
    }
    for (int label : {6, 0}) {
        f.Lab1_Click(label);
        EXPECT_EQ(dump(f), hidden);
    }
}

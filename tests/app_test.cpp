#include "form_driver.h"

#include <gtest/gtest.h>

using namespace driver;

// The clear that start-up runs is the same as after every refusal, where the
// property test checks it.
TEST(StartUp, ShowsZeroInDecimalModeWithTheRodLabelsHidden) {
    Started f;
    const Controls& c = f.controls();
    EXPECT_EQ(board(f), "0");
    EXPECT_TRUE(!f.hexMode() && f.digit == 0 && f.digit1 == 0 && f.num2 == 0 && f.dot == 0 &&
                !f.firstnum);
    EXPECT_TRUE(c.resultLine().visible && c.resultLine().caption.empty());
    EXPECT_EQ(c.selectedOption(), 0);
    for (int rod = 0; rod < rodCount; ++rod)
        EXPECT_FALSE(c.rodLabel(rod).visible) << rod;
    for (int k = 0; k < keyCount; ++k)
        EXPECT_EQ(c.keyEnabled(Key(k)), Key(k) != Key::HexPlus && Key(k) != Key::HexMinus) << k;
    EXPECT_EQ(c.beepCount(), 0);
}

// "C" goes back to the start-up state; the pending operation and the
// visibility of the rod labels (and of the result line: see the calculation
// table) survive it.
TEST(Clear, RestoresTheStartUpStateButThePendingOperationAndWhatIsShown) {
    Started f, g;
    enter(f, "Hex 7F / 3 = 0.00 C0000F");
    f.Picture22_Click(0);
    enter(f, "C");
    g.num2 = 5; // "/" in hexadecimal work
    g.Picture22_Click(1);
    EXPECT_EQ(dump(f), dump(g));
}

TEST(RadioButtons, SetTheDecimalPointAndNothingElse) {
    Started f, g;
    enter(f, "12");
    enter(g, "12");
    f.userClicksOption(4);
    EXPECT_EQ(f.dot, 4);
    EXPECT_EQ(f.controls().selectedOption(), 4);
    f.userClicksOption(0);
    EXPECT_EQ(dump(f), dump(g));
}

TEST(RodLabels, ABarShowsAllTenAndAnyLabelHidesAllTen) {
    Started f;
    const std::string hidden = dump(f);
    for (int bar : {0, 1}) {
        f.Picture22_Click(bar);
        for (int rod = 0; rod < rodCount; ++rod)
            EXPECT_TRUE(f.controls().rodLabel(rod).visible) << rod;
        f.Lab1_Click(bar * 9);
        EXPECT_EQ(dump(f), hidden);
    }
}

// Ctrl+C and Ctrl+V through the real clipboard.

#include "tests/widget/window_fixture.h"

#include <QClipboard>

#include <cstring>
#include <sstream>
#include <tuple>
#include <utility>

namespace {

using ClipboardTest = WindowTest;

// A pasted number lies on the rods, is announced, and is an operand like any
// other; text that is no number the board can hold
// (a word, megabytes, no text at all) changes nothing and beeps once.
TEST_F(ClipboardTest, PastedNumbersLieOnTheRodsAndAreOperands) {
    Heard heard;
    click("point", 2);
    paste(" 3.57\n", QKeySequence(Qt::SHIFT | Qt::Key_Insert));
    EXPECT_EQ(board(), "3.57");
    EXPECT_EQ(heard.said, QStringList({"Pasted 3.57"}));
    type("*");
    paste("3");
    type("\r");
    EXPECT_EQ(board(), "10.71"); // 3.57 * 3.00

    const std::string before = board();
    const int was = beeps();
    for (const QString& text : {QString("12a"), QString("1,000"), QString(4 << 20, u'7')})
        paste(text);
    QGuiApplication::clipboard()->clear();
    QTest::keySequence(window.windowHandle(), QKeySequence::Paste);
    EXPECT_EQ(board(), before);
    EXPECT_EQ(beeps(), was + 4);
    EXPECT_EQ(heard.said.count(assertive("Not a number the board can hold. Nothing changed.")), 4);

    type("x"); // the fifth bead of an F takes clicks
    paste("fF7c");
    EXPECT_EQ(board(), "FF7C");
    EXPECT_TRUE(at(lower(3), 5)->isEnabled());
}

// Ctrl+C, the rods set back to 0, Ctrl+V: the number shown is laid again, in
// the base the result line names, or the paste is refused with one beep and
// the rods stay at 0. Never another number.
TEST_F(ClipboardTest, WhatIsCopiedPastesAsTheSameNumberOrNotAtAll) {
    // The keys (numbers typed from their highest rod, keys between), the point
    // chosen before the first number, the board read after the paste, and the
    // beeps (1: refused, the rods left at 0).
    const std::tuple<const char*, int, const char*, int> cases[] = {
        {"12345", 0, "12345", 0},
        {"12345", 2, "123.45", 0},
        {"1234567891", 9, "1.234567891", 0},
        {"x 7fffffff", 0, "7FFFFFFF", 0},
        {"x 1a", 2, "1A", 0},
        {"x c", 9, "C", 0},
        {"12 * 3 =", 0, "36", 0},
        {"127 * 300 =", 2, "3.81", 0},
        {"500000000 * 500000000 =", 9, "0.250000000", 0},
        {"x ff * 2 =", 0, "1FE", 0}, // "H = 1FE", while the rods show 510
        {"x ff h", 0, "FF", 0},      // "D = 255"
        {"x ffffffff h", 2, "FFFFFFFF", 0},
        {"12345 h", 0, "12345", 0}, // "H = 3039"
        {"12345 h", 2, "12345.00", 0},
        {"12345 h", 9, "0.000000000", 1}, // 12345 has no room left of rod 9's point
        {"127 * 300 = h", 2, "4.00", 0},  // "H = 4"
    };
    for (const auto& [keys, point, number, refused] : cases) {
        SCOPED_TRACE(std::string(keys) + ", point " + std::to_string(point));
        type("!");
        bool pointChosen = false;
        std::istringstream words(keys);
        for (std::string word; words >> word;) {
            if (word.size() == 1 && std::strchr("*=hx", word[0])) {
                type(word);
                continue;
            }
            if (!std::exchange(pointChosen, true))
                click("point", point);
            type(std::string(word.size() - 1, '<'));
            for (const char digit : word)
                type(std::string{digit, '>'});
        }
        QTest::keySequence(window.windowHandle(), QKeySequence::Copy);
        window.calculator().board.reset();
        window.sync();
        const int was = beeps();
        QTest::keySequence(window.windowHandle(), QKeySequence::Paste);
        EXPECT_EQ(beeps(), was + refused);
        EXPECT_EQ(board(), number);
    }
}

} // namespace

// What a screen reader is told as a blind user works the calculator from the
// keyboard, read through Qt's accessibility API.

#include "tests/widget/window_fixture.h"

namespace {

class ScreenReaderTest : public WindowTest {
protected:
    QAccessibleInterface* rod(int k) { return reader(window.board())->child(k); }

    Heard heard;
};

// The top level is a window, and the board a group of ten rods named with
// their digits.
TEST_F(ScreenReaderTest, TheWindowAndTheBoardAreWhatTheyShow) {
    EXPECT_EQ(reader(&window)->role(), QAccessible::Window);
    EXPECT_EQ(reader(&window)->text(QAccessible::Name), "Rodwise H-D");
    QAccessibleInterface* board = reader(window.board());
    EXPECT_EQ(board->text(QAccessible::Name), "Abacus board");
    ASSERT_EQ(board->childCount(), 10);
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(rod(k)->text(QAccessible::Name), QStringLiteral("Rod %1, 0").arg(k));
        EXPECT_EQ(rod(k)->role(), QAccessible::SpinBox);
        // Each rod stands over its own column of cells.
        EXPECT_TRUE(rod(k)->rect().contains(at(lower(k), 2)->mapToGlobal(QPoint(16, 9)))) << k;
    }
    type("<");
    click(lower(0), 4);
    // A cell is described by what it shows now.
    EXPECT_EQ(reader(at(lower(0), 4))->text(QAccessible::Description), "Bare rod");
    EXPECT_EQ(reader(at(lower(0), 0))->text(QAccessible::Description), "Bead");
    EXPECT_EQ(board->focusChild(), rod(1));
    // No value for a screen reader to speak as a number: 12 where C is shown.
    EXPECT_EQ(rod(1)->valueInterface(), nullptr);
}

// Keys typed in a window just opened, after the keys of the row's start,
// and what they leave: the number the board reads, what is said, the rods
// told to have a new digit, the rod that the screen reader's focus went to
// last, and the marked rod. A typed digit is said once, not as the bead
// presses that set it, whatever was said before; a key's work is announced as
// a whole, not rod by rod; only a refusal interrupts. After a clear, "Hex" or
// a refusal the mark goes back to rod 0.
TEST_F(ScreenReaderTest, EachKeyIsHeardAndTheMarkFollows) {
    const QString hex = "Cleared. Hexadecimal mode: rods 0 to 7 take 0 to F.";
    const QString decimal = "Cleared. Decimal mode.";
    const QString refused = assertive("Refused. The calculator is cleared.");
    const struct {
        const char *start, *keys, *reads;
        QStringList said, rods; // rods {"*"}: not checked
        const char* focus;
        int mark, beeps;
    } rows[] = {
        // clang-format off
        {"", "<<", "0", {}, {}, "Rod 2, 0", 2, 0},
        {"<<", "7", "700", {"7"}, {"Rod 2, 7"}, "", 2, 0},
        {"<<7", "7", "700", {}, {}, "", 2, 0},            // nothing changed, nothing to hear
        {"<<7", "\t\b", "700", {}, {}, "Rod 2, 7", 2, 0}, // back to the board on its marked rod
        {"<<7", "!", "0", {decimal}, {"Rod 2, 0"}, "Rod 0, 0", 0, 0},
        {"", "<1>2*", "0", {"1", "2"}, {"Rod 1, 1", "Rod 0, 2", "Rod 0, 0", "Rod 1, 0"},
         "Rod 0, 0", 0, 0},
        {"<1>2*", "3\r", "36", {"3", "Result 36"}, {"Rod 0, 3", "Rod 0, 6", "Rod 1, 3"}, "", 0, 0},
        {"<1>2*3\r", "!5/\r", "0", {decimal, "5", refused}, {"*"}, "", 0, 2}, // two beeps, one message
        {"5/\r", "x", "0", {hex}, {}, "", 0, 0},
        {"x", "<f>f", "FF", {"F", "F"}, {"Rod 1, F", "Rod 0, F"}, "Rod 0, 0", 0, 0},
        {"x<f>f", "h", "FF", {"D = 255"}, {}, "", 0, 0},
        {"x<f>fh", "x<f>f*a=", "2550", {hex, "F", "F", "A", "H = 9F6"}, {"*"}, "Rod 0, 0", 0, 0},
        {"x<f>f*a=", "c", "255C", {"C"}, {"Rod 0, C"}, "", 0, 0}, // the digit 12, not the clear
        {"x<f>f*a=c", "!", "0", {decimal}, {"*"}, "", 0, 0},
        // A decimal result is read as the board shows it, with its point.
        {"", "\b<<\t<<1>2>7*<<3\r", "3.81", {"1", "2", "7", "3", "Result 3.81"}, {"*"},
         "Rod 2, 0", 2, 0},
        {"\b<<\t<<1>2>7*<<3\r", "h", "3.81", {"H = 4"}, {}, "", 2, 0},
        {"\b<<\t", "!<<<1", "1000", {decimal, "1"}, {"*"}, "Rod 3, 0", 3, 0},
        {"<<<1", "*", "0", {}, {"Rod 3, 0"}, "", 3, 0},
        {"<<<1*", "/", "0", {}, {}, "", 3, 0},
        {"<<<", "<<<c", "0", {decimal}, {}, "Rod 0, 0", 0, 0},
        {"<<<", "<<<x", "0", {hex}, {}, "Rod 0, 0", 0, 0},
        {"x", "<<</\r", "0", {refused}, {}, "Rod 0, 0", 0, 1},
        // Typed after the clear, FF lands on rods 1 and 0 as at start-up.
        {"x<<</\r", "x<f>f", "FF", {hex, "F", "F"}, {"*"}, "Rod 0, 0", 0, 0},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string("start \"") + row.start + "\", keys \"" + row.keys + '"');
        Window fresh;
        int bells = 0;
        fresh.ringBell = [&bells] { ++bells; };
        fresh.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&fresh));
        typeInto(fresh, row.start);
        QCoreApplication::processEvents(); // the board's focus at start-up
        heard.clear();
        bells = 0;
        typeInto(fresh, row.keys);
        QCoreApplication::processEvents();
        EXPECT_EQ(reader(fresh.board())->text(QAccessible::Description),
                  QStringLiteral("The board reads ") + row.reads);
        EXPECT_EQ(heard.said, row.said);
        // Read after the row's last key, each notification (Qt 6.4) still has
        // its own text.
        for (int i = 0; i < heard.notifications.size(); ++i)
            EXPECT_EQ(heard.notifications[i]->text(QAccessible::Name), row.said.value(i));
        if (row.rods != QStringList{"*"}) {
            EXPECT_EQ(heard.rods, row.rods);
        }
        EXPECT_EQ(heard.focus.isEmpty() ? "" : heard.focus.last(), row.focus);
        EXPECT_EQ(fresh.board()->rod(), row.mark);
        EXPECT_EQ(bells, row.beeps);
    }
}

// A click is heard as a typed digit is: said on the marked rod, only told on
// another; the same digit typed again on another rod is said again.
TEST_F(ScreenReaderTest, ClicksAreHeardAsTypedDigitsAre) {
    type("x<f");
    click(lower(5), 3);
    click(lower(1), 2); // the marked rod: 10 and 2 make C
    type(">f");
    click("beam"); // the beam sets every rod to 0
    EXPECT_EQ(heard.said, QStringList({"Cleared. Hexadecimal mode: rods 0 to 7 take 0 to F.", "F",
                                       "C", "F", "0"}));
    EXPECT_EQ(heard.rods, QStringList({"Rod 1, F", "Rod 5, 3", "Rod 1, C", "Rod 0, F", "Rod 0, 0",
                                       "Rod 1, 0", "Rod 5, 0"}));
    // With each rod the board's number, which a rod's description reads: the
    // rods in hexadecimal, rod 9 first, without leading zeros.
    EXPECT_EQ(heard.boardReads,
              QStringList({"The board reads F0", "The board reads 3000F0", "The board reads 3000C0",
                           "The board reads 3000CF", "The board reads 0", "The board reads 0",
                           "The board reads 0"}));
    EXPECT_EQ(window.board()->rod(), 0);
}

} // namespace

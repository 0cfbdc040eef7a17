// What a screen reader is told as a blind user works the calculator from the
// keyboard, read through Qt's accessibility API.

#include "tests/widget/heard.h"
#include "tests/widget/window_fixture.h"

#include <QAccessible>

namespace {

class ScreenReaderTest : public WindowTest {
protected:
    QAccessibleInterface* reader(QObject* object) {
        return QAccessible::queryAccessibleInterface(object);
    }
    QAccessibleInterface* rod(int k) { return reader(window.board())->child(k); }

    Heard heard;
};

TEST_F(ScreenReaderTest, TheBoardIsTenRodsWithTheirDigits) {
    QAccessibleInterface* board = reader(window.board());
    EXPECT_EQ(board->text(QAccessible::Name), "Abacus board");
    ASSERT_EQ(board->childCount(), 10);
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(rod(k)->text(QAccessible::Name), QStringLiteral("Rod %1, 0").arg(k));
        EXPECT_EQ(rod(k)->role(), QAccessible::SpinBox);
        // Each rod stands over its own column of cells.
        EXPECT_TRUE(rod(k)->rect().contains(at(lower(k), 2)->mapToGlobal(QPoint(16, 9)))) << k;
    }
    type("<7<<2"); // 2 0 7 on rods 3 to 1
    click(lower(0), 4);
    EXPECT_EQ(rod(1)->text(QAccessible::Name), "Rod 1, 7");
    EXPECT_EQ(rod(0)->text(QAccessible::Name), "Rod 0, 4");
    // Each cell is described by what it shows.
    EXPECT_EQ(reader(at(lower(0), 4))->text(QAccessible::Description), "Bare rod");
    EXPECT_EQ(reader(at(lower(0), 0))->text(QAccessible::Description), "Bead");
    EXPECT_EQ(reader(at(upper(0), 1))->text(QAccessible::Description), "Bead for values above 9");
    EXPECT_EQ(board->text(QAccessible::Description), "The board reads 2074");
    EXPECT_EQ(board->focusChild(), rod(3));
    click("Option1", 2);
    EXPECT_EQ(board->text(QAccessible::Description), "The board reads 20.74");

    // In hexadecimal mode a rod reads as its hexadecimal digit, never as a
    // number a screen reader would say in decimal.
    type("x<c");
    EXPECT_EQ(rod(1)->text(QAccessible::Name), "Rod 1, C");
    EXPECT_EQ(window.form().rodstrAt(1), "12");
    EXPECT_EQ(rod(1)->valueInterface(), nullptr);
}

// The mark takes the screen reader's focus to its rod, and a digit is said
// once, not the steps of the bead presses that set it.
TEST_F(ScreenReaderTest, TheMarkAndEveryDigitAreHeard) {
    QCoreApplication::processEvents(); // the board's focus at start-up
    heard.clear();
    type("<<");
    EXPECT_EQ(heard.focus, QStringList({"Rod 1, 0", "Rod 2, 0"}));
    type("7");
    click(lower(2), 3); // the marked rod's change by mouse is said too
    click(lower(5), 3); // another rod's is only told
    EXPECT_EQ(heard.said, QStringList({"7", "8"}));
    EXPECT_EQ(heard.rods, QStringList({"Rod 2, 7", "Rod 2, 8", "Rod 5, 3"}));
    heard.clear();
    type("8"); // the same value again: nothing changed, nothing to hear
    EXPECT_TRUE(heard.said.isEmpty() && heard.rods.isEmpty());

    // Back to the board with Tab, the screen reader lands on the marked rod.
    type("\t");
    ASSERT_NE(QApplication::focusWidget(), window.board());
    heard.clear();
    type("\b");
    QCoreApplication::processEvents();
    ASSERT_FALSE(heard.focus.isEmpty());
    EXPECT_EQ(heard.focus.last(), "Rod 2, 8");

    // A digit is said even when the one said last was the same, on any rod,
    // with mouse clicks in between.
    type("x<f");
    click(lower(5), 3);
    heard.clear();
    type(">f");
    EXPECT_EQ(heard.said, QStringList({"F"}));
}

// Results, refusals and the clear are announced, once each.
TEST_F(ScreenReaderTest, ResultsRefusalsAndClearsAreAnnounced) {
    const auto after = [this](std::string_view keys) {
        heard.clear();
        type(keys);
        return heard.said;
    };
    // A key's work is announced as a whole, not rod by rod: "*" clears the
    // board unheard.
    EXPECT_EQ(after("<1>2*"), QStringList({"1", "2"}));
    EXPECT_EQ(after("3\r"), QStringList({"3", "Result 36"}));
    EXPECT_EQ(after("!"), QStringList({"Cleared. Decimal mode."}));
    // Two beeps, one message.
    const int beeps = window.form().controls().beepCount();
    EXPECT_EQ(after("5/\r"), QStringList({"5", "Refused. The calculator is cleared."}));
    EXPECT_EQ(window.form().controls().beepCount(), beeps + 2);
    EXPECT_EQ(after("x"), QStringList({"Cleared. Hexadecimal mode: rods 0 to 7 take 0 to F."}));
    EXPECT_EQ(after("<f>f"), QStringList({"F", "F"}));
    EXPECT_EQ(after("h"), QStringList({"D = 255"}));
    EXPECT_EQ(after("x<f>f*a="), QStringList({"Cleared. Hexadecimal mode: rods 0 to 7 take 0 to F.",
                                              "F", "F", "A", "H = 9F6"}));
    EXPECT_EQ(after("c"), QStringList({"C"})); // the digit 12 on the board here
    EXPECT_EQ(after("!"), QStringList({"Cleared. Decimal mode."}));

    // A decimal result is read as the board shows it, with its point.
    type("!\b<<\t<<1>2>7*<<3\r"); // 1.27 * 3.00
    EXPECT_EQ(heard.said.last(), "Result 3.81");
    type("h");
    EXPECT_EQ(heard.said.last(), "H = 4");
}

// After a clear, "Hex" or a refusal the mark goes back to rod 0 and the screen
// reader is told; after "*", "/" or a click on the beam it stays.
TEST_F(ScreenReaderTest, TheMarkGoesBackToRodZeroAfterAClear) {
    type("<<<1");
    ASSERT_EQ(window.board()->rod(), 3);
    for (const char* stays : {"*", "/"}) {
        type(stays);
        EXPECT_EQ(window.board()->rod(), 3) << stays;
    }
    click("Frame1");
    EXPECT_EQ(window.board()->rod(), 3);
    for (const char* clears : {"!", "<<<c", "<<<x", "<<</\r"}) {
        heard.clear();
        type(clears);
        EXPECT_EQ(window.board()->rod(), 0) << clears;
        EXPECT_EQ(heard.focus.value(heard.focus.size() - 1), "Rod 0, 0") << clears;
    }
    // Typed after the clear, FF lands on rods 1 and 0 as at start-up.
    type("x<f>f");
    EXPECT_EQ(window.form().rodstrAt(1) + "," + window.form().rodstrAt(0), "15,15");
}

// Everything the window shows can be read: the top level is a window, and the
// title, the result line and the shown rod labels are text.
TEST_F(ScreenReaderTest, EverythingShownCanBeRead) {
    QAccessibleInterface* top = reader(&window);
    EXPECT_EQ(top->role(), QAccessible::Window);
    EXPECT_EQ(top->text(QAccessible::Name), "Rodwise H-D");
    type("<1>2*3\r");
    click("Picture22", 1);
    QStringList texts;
    for (int i = 0; i < top->childCount(); ++i) {
        QAccessibleInterface* child = top->child(i);
        if (child->role() == QAccessible::StaticText && !child->state().invisible)
            texts << child->text(QAccessible::Name);
    }
    EXPECT_TRUE(texts.contains("Tallwood"));
    EXPECT_EQ(texts.count("0"), 8);
    EXPECT_TRUE(texts.contains("3") && texts.contains("6"));
    type("xh");
    EXPECT_TRUE(reader(at("Label2"))->text(QAccessible::Name) == "D = 0");
    // The point buttons are a group named for what they choose.
    EXPECT_EQ(reader(at("Frame1"))->role(), QAccessible::Grouping);
    EXPECT_EQ(reader(at("Frame1"))->text(QAccessible::Name), "Decimal point");
}

} // namespace

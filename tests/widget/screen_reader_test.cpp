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

TEST_F(ScreenReaderTest, TheBoardIsTenRodsWithTheirValues) {
    QAccessibleInterface* board = reader(window.board());
    EXPECT_EQ(board->text(QAccessible::Name), "Abacus board");
    ASSERT_EQ(board->childCount(), 10);
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(rod(k)->text(QAccessible::Name), QStringLiteral("Rod %1").arg(k));
        EXPECT_EQ(rod(k)->role(), QAccessible::SpinBox);
        // Each rod stands over its own column of cells.
        EXPECT_TRUE(rod(k)->rect().contains(at(lower(k), 2)->mapToGlobal(QPoint(16, 9)))) << k;
    }
    type("<7<<2"); // 2 0 7 on rods 3 to 1
    click(lower(0), 4);
    EXPECT_EQ(rod(1)->valueInterface()->currentValue().toInt(), 7);
    EXPECT_EQ(rod(0)->text(QAccessible::Value), "4");
    // Each cell is described by what it shows.
    EXPECT_EQ(reader(at(lower(0), 4))->text(QAccessible::Description), "Bare rod");
    EXPECT_EQ(reader(at(lower(0), 0))->text(QAccessible::Description), "Bead");
    EXPECT_EQ(reader(at(upper(0), 1))->text(QAccessible::Description), "Bead for values above 9");
    EXPECT_EQ(board->text(QAccessible::Description), "The board reads 2074");
    EXPECT_EQ(board->focusChild(), rod(3));
    click("Option1", 2);
    EXPECT_EQ(board->text(QAccessible::Description), "The board reads 20.74");

    // In hexadecimal mode a rod reads as its hexadecimal digit, and a screen
    // reader may set a rod as it sets any spin button.
    type("x<");
    rod(1)->valueInterface()->setCurrentValue(12);
    EXPECT_EQ(rod(1)->text(QAccessible::Value), "C");
    EXPECT_EQ(window.form().rodstrAt(1), "12");
    EXPECT_EQ(rod(1)->valueInterface()->maximumValue().toInt(), 15);
    EXPECT_EQ(rod(8)->valueInterface()->maximumValue().toInt(), 9);
}

// The mark takes the screen reader's focus to its rod, and a digit tells the
// rod's new value once, not the steps of the bead presses that set it.
TEST_F(ScreenReaderTest, TheMarkAndEveryDigitAreHeard) {
    QCoreApplication::processEvents(); // the board's focus at start-up
    heard.clear();
    type("<<");
    EXPECT_EQ(heard.focus, QStringList({"Rod 1", "Rod 2"}));
    type("7");
    EXPECT_EQ(heard.values, QStringList({"Rod 2 = 7"}));
    click(lower(5), 3); // a mouse click is heard too
    EXPECT_EQ(heard.values, QStringList({"Rod 2 = 7", "Rod 5 = 3"}));
    heard.clear();
    type("7"); // the same value again: nothing changed, nothing to hear
    EXPECT_TRUE(heard.values.isEmpty());

    // Back to the board with Tab, the screen reader lands on the marked rod.
    type("\t");
    ASSERT_NE(QApplication::focusWidget(), window.board());
    heard.clear();
    type("\b");
    QCoreApplication::processEvents();
    ASSERT_FALSE(heard.focus.isEmpty());
    EXPECT_EQ(heard.focus.last(), "Rod 2");
}

// Results, refusals and the clear are announced, once each.
TEST_F(ScreenReaderTest, ResultsRefusalsAndClearsAreAnnounced) {
    const auto after = [this](std::string_view keys) {
        heard.clear();
        type(keys);
        return heard.said;
    };
    EXPECT_EQ(after("<1>2*"), QStringList());
    EXPECT_EQ(after("3\r"), QStringList({"Result 36"}));
    EXPECT_EQ(after("!"), QStringList({"Cleared. Decimal mode."}));
    // Two beeps, one message.
    const int beeps = window.form().controls().beepCount();
    EXPECT_EQ(after("5/\r"), QStringList({"Refused. The calculator is cleared."}));
    EXPECT_EQ(window.form().controls().beepCount(), beeps + 2);
    EXPECT_EQ(after("x"), QStringList({"Cleared. Hexadecimal mode: rods 0 to 7 take 0 to F."}));
    // The second F is said as well: a screen reader may keep quiet about a
    // value equal to the one it spoke last.
    EXPECT_EQ(after("<f>f"), QStringList({"15"}));
    EXPECT_EQ(after("h"), QStringList({"D = 255"}));
    EXPECT_EQ(after("x<f>f*a="), QStringList({"Cleared. Hexadecimal mode: rods 0 to 7 take 0 to F.",
                                              "15", "H = 9F6"}));
    EXPECT_EQ(after("c"), QStringList()); // "C" is the digit 12 on the board here
    EXPECT_EQ(after("!"), QStringList({"Cleared. Decimal mode."}));

    // A decimal result is read as the board shows it, with its point.
    type("!\b<<\t<<1>2>7*<<3\r"); // 1.27 * 3.00
    EXPECT_EQ(heard.said.last(), "Result 3.81");
    type("h");
    EXPECT_EQ(heard.said.last(), "H = 4");
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
// A refusal interrupts what the screen reader is saying; a result or a clear
// waits its turn.
TEST_F(ScreenReaderTest, OnlyARefusalInterrupts) {
    using P = QAccessible::AnnouncementPoliteness;
    const std::pair<std::string_view, P> cases[] = {
        {"<1>2*3\r", P::Polite}, {"5/\r", P::Assertive}, {"!", P::Polite}};
    for (const auto& [keys, politeness] : cases) {
        heard.clear();
        type(keys);
        EXPECT_EQ(heard.politeness, QList<P>({politeness})) << keys;
    }
}
#endif

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
        EXPECT_EQ(heard.focus.value(heard.focus.size() - 1), "Rod 0") << clears;
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

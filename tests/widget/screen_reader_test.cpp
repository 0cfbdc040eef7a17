// What a screen reader is told as a blind user works the calculator from the
// keyboard, read through Qt's accessibility API.

#include "tests/widget/heard.h"
#include "tests/widget/window_fixture.h"

#include <set>

namespace {

class ScreenReaderTest : public WindowTest {
protected:
    QAccessibleInterface* reader(QObject* object) {
        return QAccessible::queryAccessibleInterface(object);
    }
    QAccessibleInterface* rod(int k) { return reader(window.board())->child(k); }

    Heard heard;
};

// Every control a screen reader meets at start-up, written out by hand: its
// name and index ("%1": the same for each rod, the rod as index where it is
// -2), its role, and what the screen reader calls and describes it as
// (nullptr: not checked here; the keys' descriptions are their tooltips).
struct Named {
    const char* name;
    int index;
    QAccessible::Role role;
    const char* called;
    const char* described;
};
constexpr auto button = QAccessible::Button, text = QAccessible::StaticText;
const Named named[] = {
    {"title", -1, text, "Tallwood", ""},
    {"key", 0, button, "Multiply", nullptr},
    {"key", 1, button, "Divide", nullptr},
    {"key", 2, button, "Equals", nullptr},
    {"key", 3, button, "Clear", nullptr},
    {"key", 4, button, "Convert between hexadecimal and decimal", nullptr},
    {"key", 5, button, "Hexadecimal mode", nullptr},
    {"key", 6, button, "H.+, not in use", nullptr},
    {"key", 7, button, "H.-, not in use", nullptr},
    {"bar", 0, button, "Bottom bar", "Shows the rod labels"},
    {"bar", 1, button, "Top bar", "Shows the rod labels"},
    {"beam", -1, QAccessible::Grouping, "Decimal point", "Beam; pressing it sets every rod to 0"},
    {"upperDeck%1", 0, button, "Rod %1, upper deck, cell 0", "Bare rod"},
    {"upperDeck%1", 1, button, "Rod %1, upper deck, cell 5", "Bead"},
    {"upperDeck%1", 2, button, "Rod %1, upper deck, cell 1", "Bead for values above 9"},
    {"lowerDeck%1", 0, button, "Rod %1, lower deck, cell 0", "Bare rod"},
    {"lowerDeck%1", 1, button, "Rod %1, lower deck, cell 1", "Bead"},
    {"lowerDeck%1", 2, button, "Rod %1, lower deck, cell 2", "Bead"},
    {"lowerDeck%1", 3, button, "Rod %1, lower deck, cell 3", "Bead"},
    {"lowerDeck%1", 4, button, "Rod %1, lower deck, cell 4", "Bead"},
    {"lowerDeck%1", 5, button, "Rod %1, lower deck, cell 5", "Bead for values above 9"},
    {"point", -2, QAccessible::RadioButton, "Decimal point after rod %1", ""},
    {"rodLabel", -2, text, "", "Result digit of rod %1"}, // hidden: read as no text
    {"resultLine", -1, text, "", "Result"},
};

TEST_F(ScreenReaderTest, EveryControlIsCalledWhatItIs) {
    std::set<QWidget*> checked;
    for (const Named& n : named) {
        const bool perRod = QByteArray(n.name).contains("%1") || n.index == -2;
        for (int rod = 0; rod < (perRod ? 10 : 1); ++rod) {
            const auto withRod = [rod](const char* s) {
                return QString(s).replace("%1", QString::number(rod));
            };
            QWidget* widget = at(withRod(n.name), n.index == -2 ? rod : n.index);
            SCOPED_TRACE(widget->objectName().toStdString() + " " + std::to_string(n.index));
            checked.insert(widget);
            QAccessibleInterface* read = reader(widget);
            EXPECT_EQ(read->role(), n.role);
            EXPECT_EQ(read->text(QAccessible::Name), withRod(n.called));
            if (n.described) {
                EXPECT_EQ(read->text(QAccessible::Description), withRod(n.described));
            }
        }
    }
    // No control a user meets is left out.
    for (QWidget* widget : window.findChildren<QWidget*>())
        if (widget->isVisible() && widget != window.board()) {
            EXPECT_EQ(checked.count(widget), 1u) << widget->objectName().toStdString();
        }
}

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

// Keys typed one row after another, and what each row leaves: the number the
// board reads, what is said, the rods told to have a new digit, the rod that
// the screen reader's focus went to last, and the marked rod. A typed digit is
// said once, not as the bead presses that set it, whatever was said before; a
// key's work is announced as a whole, not rod by rod; only a refusal
// interrupts. After a clear, "Hex" or a refusal the mark goes back to rod 0.
TEST_F(ScreenReaderTest, EachKeyIsHeardAndTheMarkFollows) {
    const QString hex = "Cleared. Hexadecimal mode: rods 0 to 7 take 0 to F.";
    const QString decimal = "Cleared. Decimal mode.";
    const QString refused = assertive("Refused. The calculator is cleared.");
    const struct {
        const char* keys;
        const char* reads;
        QStringList said;
        QStringList rods; // {"*"}: not checked
        const char* focus;
        int mark;
        int beeps;
    } rows[] = {
        {"<<", "0", {}, {}, "Rod 2, 0", 2, 0},
        {"7", "700", {"7"}, {"Rod 2, 7"}, "", 2, 0},
        {"7", "700", {}, {}, "", 2, 0},            // nothing changed, nothing to hear
        {"\t\b", "700", {}, {}, "Rod 2, 7", 2, 0}, // back to the board on its marked rod
        {"!", "0", {decimal}, {"Rod 2, 0"}, "Rod 0, 0", 0, 0},
        {"<1>2*",
         "0",
         {"1", "2"},
         {"Rod 1, 1", "Rod 0, 2", "Rod 0, 0", "Rod 1, 0"},
         "Rod 0, 0",
         0,
         0},
        {"3\r", "36", {"3", "Result 36"}, {"Rod 0, 3", "Rod 0, 6", "Rod 1, 3"}, "", 0, 0},
        {"!5/\r", "0", {decimal, "5", refused}, {"*"}, "", 0, 2}, // two beeps, one message
        {"x", "0", {hex}, {}, "", 0, 0},
        {"<f>f", "FF", {"F", "F"}, {"Rod 1, F", "Rod 0, F"}, "Rod 0, 0", 0, 0},
        {"h", "FF", {"D = 255"}, {}, "", 0, 0},
        {"x<f>f*a=", "2550", {hex, "F", "F", "A", "H = 9F6"}, {"*"}, "Rod 0, 0", 0, 0},
        {"c", "255C", {"C"}, {"Rod 0, C"}, "", 0, 0}, // the digit 12 here, not the clear
        {"!", "0", {decimal}, {"*"}, "", 0, 0},
        // A decimal result is read as the board shows it, with its point.
        {"\b<<\t<<1>2>7*<<3\r",
         "3.81",
         {"1", "2", "7", "3", "Result 3.81"},
         {"*"},
         "Rod 2, 0",
         2,
         0},
        {"h", "3.81", {"H = 4"}, {}, "", 2, 0},
        {"!<<<1", "1000", {decimal, "1"}, {"*"}, "Rod 3, 0", 3, 0},
        {"*", "0", {}, {"Rod 3, 0"}, "", 3, 0},
        {"/", "0", {}, {}, "", 3, 0},
        {"<<<c", "0", {decimal}, {}, "Rod 0, 0", 0, 0},
        {"<<<x", "0", {hex}, {}, "Rod 0, 0", 0, 0},
        {"<<</\r", "0", {refused}, {}, "Rod 0, 0", 0, 1},
        // Typed after the clear, FF lands on rods 1 and 0 as at start-up.
        {"x<f>f", "FF", {hex, "F", "F"}, {"*"}, "Rod 0, 0", 0, 0},
    };
    QCoreApplication::processEvents(); // the board's focus at start-up
    for (const auto& row : rows) {
        SCOPED_TRACE(row.keys);
        heard.clear();
        const int beeps = window.calculator().panel.beepCount();
        type(row.keys);
        QCoreApplication::processEvents();
        EXPECT_EQ(reader(window.board())->text(QAccessible::Description),
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
        EXPECT_EQ(window.board()->rod(), row.mark);
        EXPECT_EQ(window.calculator().panel.beepCount() - beeps, row.beeps);
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
    EXPECT_EQ(window.board()->rod(), 0);
}

} // namespace

// The tape (Ctrl+H) and the keys' help (F1), in windows of their own.

#include "tests/widget/window_fixture.h"
#include "ui/widgets/key_row.h"
#include "ui/window/help_window.h"
#include "ui/window/tape_window.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstring>

namespace {

class TapeTest : public WindowTest {
protected:
    // Numbers pasted, keys typed: "12 * 3 =" is 12, "*", 3 and Return.
    void calculate(std::initializer_list<const char*> steps) {
        for (const char* step : steps)
            if (std::strchr("*/=hx!", step[0]))
                type(step[0] == '=' ? "\r" : step);
            else
                paste(step);
    }
    QStringList lines(TapeWindow* tape) {
        QStringList read;
        for (int i = 0; i < reader(tape->list())->childCount(); ++i)
            read << reader(tape->list())->child(i)->text(QAccessible::Name);
        return read;
    }
};

// Every finished calculation is a line, kept until the tape is first opened,
// the newest selected, and the calculator keeps its size. Enter lays a line's
// result by the paste's rules, Ctrl+C copies it as the calculator copies a
// number, the lines save as UTF-8, Clear empties the tape, Ctrl+H closes it.
TEST_F(TapeTest, LinesTellLayCopyAndSaveEachCalculation) {
    const Heard listening; // Qt follows the list's changes for a screen reader
    const QSize size = window.size();
    calculate(
        {"12", "*", "3", "=", "/", "4", "=", "x", "1F", "h", "!", "12", "*", "999999999", "="});
    EXPECT_EQ(window.tapeWindow(), nullptr);
    QTest::keyClick(window.windowHandle(), Qt::Key_H, Qt::ControlModifier);
    TapeWindow* tape = window.tapeWindow();
    ASSERT_TRUE(tape && tape->isVisible());
    EXPECT_TRUE(tape->windowTitle().contains("Tape"));
    calculate({"x", "1F", "*", "2", "="});
    const QStringList expected{"12 × 3 = 36", "36 ÷ 4 = 9", "1F (hex) = 31",
                               "12 × 999999999 = refused", "1F × 2 (hex) = 3E (hex)"};
    EXPECT_EQ(lines(tape), expected);
    EXPECT_TRUE(reader(tape->list())->child(4)->state().selected);
    EXPECT_EQ(window.size(), size);

    QTest::keyClick(tape->list(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "H = 3E");
    window.key(Key::Clear)->click();
    tape->list()->setCurrentRow(0);
    QTest::keyClick(tape->list(), Qt::Key_Return);
    EXPECT_EQ(board(), "36");

    const QTemporaryDir folder;
    ASSERT_TRUE(saveTape(folder.filePath("tape.txt"), expected));
    QFile file(folder.filePath("tape.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()), expected.join(u'\n') + u'\n');
    EXPECT_FALSE(saveTape(folder.filePath("missing/tape.txt"), {}));

    tape->findChild<QPushButton*>()->click();
    calculate({"!", "2", "*", "3", "="});
    EXPECT_EQ(lines(tape), QStringList({"2 × 3 = 6"}));
    QTest::keyClick(tape->list(), Qt::Key_H, Qt::ControlModifier);
    EXPECT_FALSE(tape->isVisible());
}

// F1 lists every key of the key row by its keys and spoken name, with the
// window's own keys; Escape closes the list.
TEST_F(TapeTest, HelpListsEveryKey) {
    QTest::keyClick(window.windowHandle(), Qt::Key_F1);
    HelpWindow* help = window.helpWindow();
    ASSERT_TRUE(help && help->isVisible());
    const QString text = reader(help->keys())->text(QAccessible::Name);
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < keyCount; ++i) {
        const char* name = key_row::entryOf(Key(i)).spokenName;
        if (!name)
            continue;
        const QStringList line = lines.filter(QStringLiteral(": ") + name);
        ASSERT_EQ(line.size(), 1) << name;
        for (const QKeySequence& keys : key_row::sequencesOf(Key(i)))
            EXPECT_TRUE(line[0].contains(keys.toString(QKeySequence::NativeText))) << name;
    }
    for (const char* keys : {"Ctrl+H", "F1", "Ctrl+Z", "Ctrl+Y", "Ctrl+V", "Ctrl+C", "Ctrl+0"})
        EXPECT_TRUE(text.contains(keys)) << keys;
    QTest::keyClick(help->keys(), Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
}

} // namespace

// Ctrl+C and Ctrl+V through the real clipboard.

#include "tests/widget/heard.h"
#include "tests/widget/window_fixture.h"

#include <QClipboard>

namespace {

class ClipboardTest : public WindowTest {
protected:
    void paste(const QString& text, QKeySequence keys = QKeySequence::Paste) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keySequence(window.windowHandle(), keys);
    }
    // The rods from rod 9 down to rod 0, as their texts.
    std::string board() {
        std::string out;
        for (int rod = 9; rod >= 0; --rod)
            out += window.form().rodstrAt(rod) + (rod ? " " : "");
        return out;
    }
    int beeps() { return window.form().controls().beepCount(); }
};

TEST_F(ClipboardTest, PastedNumbersLieOnTheRodsAsClicksWouldLayThem) {
    paste(" 4096\n");
    EXPECT_EQ(board(), "0 0 0 0 0 0 4 0 9 6");
    click("Option1", 2);
    paste("D = 3.5", QKeySequence(Qt::SHIFT | Qt::Key_Insert));
    EXPECT_EQ(board(), "0 0 0 0 0 0 0 3 5 0");

    // The same rods set with the mouse look the same.
    const QImage pasted = rods();
    window.form().Frame1_Click();
    window.sync();
    click(lower(2), 3);
    click(upper(1), 5);
    EXPECT_EQ(rods(), pasted);

    type("x");
    paste("fF7c");
    EXPECT_EQ(board(), "0 0 0 0 0 0 15 15 7 12");
    EXPECT_TRUE(at(lower(3), 5)->isEnabled()); // the fifth bead of an F takes clicks
    QTest::keySequence(window.windowHandle(), QKeySequence::Copy);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "FF7C");
}

TEST_F(ClipboardTest, RefusedTextChangesNothingAndBeepsOnce) {
    Heard heard;
    type("<4");
    const std::string before = board();
    for (const char* text : {"", "12a", "1,000", "0.5"}) {
        const int was = beeps();
        heard.clear();
        paste(text);
        EXPECT_EQ(board(), before) << text;
        EXPECT_EQ(beeps(), was + 1) << text;
        EXPECT_EQ(heard.said, QStringList({"Not a number the board can hold. Nothing changed."}))
            << text;
    }
    // Megabytes are refused as quickly as a word.
    const int was = beeps();
    paste(QString(4 << 20, u'7'));
    EXPECT_EQ(board(), before);
    EXPECT_EQ(beeps(), was + 1);
    // So is a clipboard that holds no text.
    QGuiApplication::clipboard()->clear();
    QTest::keySequence(window.windowHandle(), QKeySequence::Paste);
    EXPECT_EQ(beeps(), was + 2);
}

TEST_F(ClipboardTest, APastedNumberIsAnOperandLikeAnyOther) {
    Heard heard;
    paste("12");
    EXPECT_EQ(heard.said, QStringList({"Pasted 12"}));
    type("*");
    paste("3");
    type("\r");
    EXPECT_EQ(board(), "0 0 0 0 0 0 0 0 3 6");
}

} // namespace

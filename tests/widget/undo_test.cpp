// Undo and redo from the keyboard: Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y.

#include "tests/widget/window_fixture.h"

namespace {

using UndoTest = WindowTest;

// 65536 * 32768 reaches 2^31, and "=" is refused: a beep, the calculator
// cleared. Ctrl+Z brings the window back as it was before "=", the first
// operand too; a typed digit and a paste are one step each; the redo keys
// make them again, the refusal too. None rings the bell, and the keyboard's
// mark stays: its rod's new digit is told, not said, as the message says the
// board. With nothing to undo or redo nothing changes, and that is said.
TEST_F(UndoTest, UndoAndRedoTakeBackAndMakeAgainOneEventEachSilently) {
    Heard heard;
    QTest::keySequence(window.windowHandle(), QKeySequence("Ctrl+Z"));
    EXPECT_EQ(heard.said, QStringList({"Nothing to undo"}));
    paste("65536");
    type("*");
    paste("32760");
    type("8");
    const QImage before = shown(&window);
    type("\r");
    heard.clear();
    QTest::keySequence(window.windowHandle(), QKeySequence("Ctrl+Z"));
    EXPECT_EQ(window.calculator().calculation.firstOperand(), 65536);
    EXPECT_TRUE(shown(&window) == before);
    EXPECT_EQ(heard.rods,
              QStringList({"Rod 0, 8", "Rod 1, 6", "Rod 2, 7", "Rod 3, 2", "Rod 4, 3"}));
    type("<");
    for (const char* keys : {"Ctrl+Z", "Ctrl+Z", "Ctrl+Y", "Ctrl+Shift+Z", "Ctrl+Y", "Ctrl+Y"})
        QTest::keySequence(window.windowHandle(), QKeySequence(keys));
    EXPECT_EQ(heard.said,
              QStringList({"Undone. The board reads 32768", "Undone. The board reads 32760",
                           "Undone. The board reads 0", "Redone. The board reads 32760",
                           "Redone. The board reads 32768", "Redone. The board reads 0",
                           "Nothing to redo"}));
    EXPECT_EQ(window.board()->rod(), 1);
    EXPECT_EQ(beeps(), 1);
}

} // namespace

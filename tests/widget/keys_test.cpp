// The keyboard as a user meets it: which key presses which key of the key
// row, and the mark on the board.

#include "tests/widget/window_fixture.h"

#include <QAbstractButton>
#include <QBackingStore>
#include <qpa/qplatformbackingstore.h>

#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace {

using KeysTest = WindowTest;

// Each key press clicks exactly its key, with Shift and on the keypad too;
// with Ctrl, Alt or Meta it clicks none.
TEST_F(KeysTest, EachKeyPressesItsKeyAndNoOther) {
    // The key of the key row that each press clicks, if any.
    const std::pair<std::optional<Key>, std::vector<QKeyCombination>> presses[] = {
        {Key::Multiply, {Qt::Key_Asterisk, Qt::KeypadModifier | Qt::Key_Asterisk}},
        {Key::Divide, {Qt::Key_Slash}},
        {Key::Equals, {Qt::Key_Equal, Qt::Key_Return, Qt::KeypadModifier | Qt::Key_Enter}},
        {Key::Clear, {Qt::Key_C, Qt::Key_Escape}},
        {Key::Convert, {Qt::Key_H}},
        {Key::Hexadecimal, {Qt::Key_X, Qt::ShiftModifier | Qt::Key_X}},
        {{},
         {Qt::ControlModifier | Qt::Key_X, Qt::AltModifier | Qt::Key_C,
          Qt::MetaModifier | Qt::Key_H, Qt::Key_Plus, Qt::Key_D}},
    };
    std::array<int, keyCount> clicks{};
    for (int k = 0; k < keyCount; ++k)
        QObject::connect(static_cast<QAbstractButton*>(at("key", k)), &QAbstractButton::clicked,
                         [&clicks, k] { ++clicks[std::size_t(k)]; });
    for (const auto& [pressed, combinations] : presses)
        for (const QKeyCombination press : combinations) {
            // From the start state, where every key that can be enabled is.
            window.calculator().calculation.clear();
            window.sync();
            clicks = {};
            QTest::keyClick(window.windowHandle(), press.key(), press.keyboardModifiers());
            for (int k = 0; k < keyCount; ++k)
                EXPECT_EQ(clicks[std::size_t(k)], pressed == Key(k) ? 1 : 0)
                    << QKeySequence(press).toString().toStdString() << " on key " << k;
        }
}

// A key press works exactly like a click: on a disabled key it does nothing.
// After "H-D", "=" is disabled: its keys leave the rods, the line, the bell
// and the screen reader as they were.
TEST_F(KeysTest, ADisabledKeyTakesNoKeyPress) {
    type("x<f>fh");
    ASSERT_FALSE(at(Key::Equals)->isEnabled());
    Heard heard;
    const int was = beeps();
    type("=\r\n");
    EXPECT_EQ(board(), "FF");
    EXPECT_EQ(window.calculator().panel.resultLine().caption, "D = 255");
    EXPECT_EQ(beeps(), was);
    EXPECT_TRUE(heard.said.isEmpty());
}

// The mark shows from the first typed digit on, moves with Left and Right,
// and a click takes it away: read where the window keeps what it shows, so
// that only a repaint the board asked for counts. The top bar is dark grey
// (0x373737) in its middle row, the mark orange.
TEST_F(KeysTest, TheMarkShowsWhereTheKeyboardWorks) {
    // The mark stands on both bars over its rod: their colour there when
    // they agree (the rows seen have the same grey on both), else 0.
    const auto onBar = [this](int rod) {
        repaint();
        const QImage shown = window.backingStore()->handle()->toImage();
        const QRgb top = shown.pixel(329 - 33 * rod, 44) & 0xFFFFFF;
        return top == (shown.pixel(329 - 33 * rod, 232) & 0xFFFFFF) ? top : 0u;
    };
    EXPECT_EQ(onBar(0), 0x373737u);
    type("5");
    EXPECT_EQ(onBar(0), 0xFF8000u);
    type("<");
    EXPECT_EQ(onBar(1), 0xFF8000u);
    EXPECT_EQ(onBar(0), 0x373737u);
    click(lower(4), 2);
    EXPECT_EQ(onBar(1), 0x373737u);
    type("6");
    EXPECT_EQ(onBar(1), 0xFF8000u);
    type(">");
    EXPECT_EQ(onBar(0), 0xFF8000u);
    Spy paints({QEvent::Paint});
    type(">"); // already on rod 0: nothing moves, nothing is drawn
    repaint();
    EXPECT_EQ(paints.got.count(window.board()), 0u);
}

} // namespace

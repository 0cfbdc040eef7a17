// The keyboard as a user meets it: which key presses which key of the key
// row, and the mark on the board.

#include "tests/widget/window_fixture.h"

#include <QAbstractButton>
#include <QBackingStore>
#include <QSignalSpy>
#include <qpa/qplatformbackingstore.h>

#include <memory>
#include <optional>

namespace {

using KeysTest = WindowTest;

// Each key press clicks exactly its key, with Shift and on the keypad too;
// with Ctrl, Alt or Meta it clicks none.
TEST_F(KeysTest, EachKeyPressesItsKeyAndNoOther) {
    struct Press {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::optional<Key> pressed;
    };
    const Qt::KeyboardModifiers none, shift = Qt::ShiftModifier, pad = Qt::KeypadModifier;
    const Press presses[] = {
        {Qt::Key_Asterisk, none, Key::Multiply},
        {Qt::Key_Asterisk, pad, Key::Multiply},
        {Qt::Key_Slash, none, Key::Divide},
        {Qt::Key_Equal, none, Key::Equals},
        {Qt::Key_Return, none, Key::Equals},
        {Qt::Key_Enter, pad, Key::Equals},
        {Qt::Key_C, none, Key::Clear},
        {Qt::Key_Escape, none, Key::Clear},
        {Qt::Key_H, none, Key::Convert},
        {Qt::Key_X, none, Key::Hexadecimal},
        {Qt::Key_X, shift, Key::Hexadecimal},
        {Qt::Key_X, Qt::ControlModifier, {}},
        {Qt::Key_C, Qt::AltModifier, {}},
        {Qt::Key_H, Qt::MetaModifier, {}},
        {Qt::Key_Plus, none, {}},
        {Qt::Key_D, none, {}},
    };
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (int k = 0; k < keyCount; ++k)
        spies.push_back(std::make_unique<QSignalSpy>(static_cast<QAbstractButton*>(at("key", k)),
                                                     &QAbstractButton::clicked));
    for (const Press& p : presses) {
        // From the start state, where every key that can be enabled is.
        window.calculator().calculation.clear();
        window.sync();
        for (auto& spy : spies)
            spy->clear();
        QTest::keyClick(window.windowHandle(), p.key, p.modifiers);
        for (int k = 0; k < keyCount; ++k)
            EXPECT_EQ(spies[std::size_t(k)]->count(), p.pressed == Key(k) ? 1 : 0)
                << QKeySequence(p.key | p.modifiers).toString().toStdString() << " on key " << k;
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
    const auto onBar = [this](int rod) {
        repaint();
        const QPoint overRod(329 - 33 * rod, 44);
        return window.backingStore()->handle()->toImage().pixel(overRod) & 0xFFFFFF;
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

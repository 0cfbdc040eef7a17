// The keyboard as a user meets it: which key presses which key of the key
// row, and the mark on the board.

#include "tests/widget/window_fixture.h"

#include <QAbstractButton>
#include <QSignalSpy>

namespace {

using KeysTest = WindowTest;

// Each key press clicks exactly its key, with Shift and on the keypad too;
// with Ctrl, Alt or Meta it clicks none.
TEST_F(KeysTest, EachKeyPressesItsKeyAndNoOther) {
    struct Press {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* name; // nullptr: no key
        int index;
    };
    const Qt::KeyboardModifiers none, shift = Qt::ShiftModifier, pad = Qt::KeypadModifier;
    const Press presses[] = {
        {Qt::Key_Asterisk, none, "Command1", 0},  {Qt::Key_Asterisk, shift, "Command1", 0},
        {Qt::Key_Asterisk, pad, "Command1", 0},   {Qt::Key_Slash, none, "Command1", 1},
        {Qt::Key_Slash, pad, "Command1", 1},      {Qt::Key_Equal, none, "Command3", -1},
        {Qt::Key_Return, none, "Command3", -1},   {Qt::Key_Enter, pad, "Command3", -1},
        {Qt::Key_C, none, "Command4", -1},        {Qt::Key_C, shift, "Command4", -1},
        {Qt::Key_Escape, none, "Command4", -1},   {Qt::Key_H, none, "Command5", -1},
        {Qt::Key_H, shift, "Command5", -1},       {Qt::Key_X, none, "Command6", -1},
        {Qt::Key_X, shift, "Command6", -1},       {Qt::Key_X, Qt::ControlModifier, nullptr, 0},
        {Qt::Key_C, Qt::AltModifier, nullptr, 0}, {Qt::Key_H, Qt::MetaModifier, nullptr, 0},
        {Qt::Key_Plus, none, nullptr, 0},         {Qt::Key_D, none, nullptr, 0},
    };
    std::vector<std::pair<QAbstractButton*, QSignalSpy*>> spies;
    for (QAbstractButton* key : window.findChildren<QAbstractButton*>())
        if (!key->objectName().startsWith(u"Option"))
            spies.emplace_back(key, new QSignalSpy(key, &QAbstractButton::clicked));
    for (const Press& p : presses) {
        // From the start state, where every key that can be enabled is.
        window.form().Command4_Click();
        window.sync();
        for (auto& [key, spy] : spies)
            spy->clear();
        QTest::keyClick(window.windowHandle(), p.key, p.modifiers);
        for (auto& [key, spy] : spies) {
            const bool meant = p.name && key == at(p.name, p.index);
            EXPECT_EQ(spy->count(), meant ? 1 : 0)
                << QKeySequence(p.key | p.modifiers).toString().toStdString() << " on "
                << key->objectName().toStdString();
        }
    }
    // A disabled key takes no key press: "H-D" has disabled "=".
    type("h");
    for (auto& [key, spy] : spies) {
        spy->clear();
        type("=\r\n");
        EXPECT_EQ(spy->count(), 0) << key->objectName().toStdString();
        delete spy;
    }
}

TEST_F(KeysTest, TheMarkIsRepaintedAsItMoves) {
    QWidget* board = window.board();
    type("<");
    repaint();
    Spy paints({QEvent::Paint});
    for (const char* move : {"<", ">", ">"}) {
        paints.got.clear();
        type(move);
        repaint();
        EXPECT_EQ(paints.got.count(board), 1u) << move;
    }
    EXPECT_EQ(window.board()->rod(), 0);
    paints.got.clear();
    type(">"); // already on rod 0: nothing moves, nothing is drawn
    repaint();
    EXPECT_EQ(paints.got.count(board), 0u);
}

} // namespace

#pragma once

#include "calc/calculator.h"

#include <QWidget>

#include <functional>

class QKeyEvent;

// The board's place in the keyboard focus chain. It lies over the board from
// the top bar to the bottom bar and lets every mouse event through to the
// controls below. Left and Right move a mark from rod to rod; a digit (0-9,
// and A-F as 10 to 15 in hexadecimal mode) sets the marked rod with the bead
// presses a user would make, and does nothing when the rod cannot hold it.
// The mark, drawn on the two bars over and under the rod and never on a cell,
// shows while the board has the focus and the keyboard is in use: from a key
// press until the next press of a mouse button.
//
// A screen reader meets the board as ten rods named with their digits, the
// marked one focused (see ui/assistive/accessibility.h). The board tells of
// the mark, and hands a typed digit on, through the listeners it is given.
class BoardKeys : public QWidget {
public:
    // The widget of a control by name and index, -1 for none.
    using ControlLookup = std::function<QWidget*(QStringView name, int index)>;
    struct Listeners {
        std::function<void(int rod)> rodFocused;
        // A digit (0 to 15) typed on the marked rod.
        std::function<void(int rod, int value)> digitTyped;
    };

    // window holds the bars of calculator's board, found through control.
    BoardKeys(QWidget* window, const Calculator& calculator, ControlLookup control,
              Listeners listeners);

    const Calculator& calculator() const { return calculator_; }

    int rod() const { return rod_; }
    bool markShown() const { return keyboardInUse_ && hasFocus(); }

    // What each rod holds and, in this widget's coordinates, where it stands.
    int valueOf(int rod) const { return calculator_.board.value(rod); }
    QRect columnOf(int rod) const;
    // Takes the bars' places again after the window's controls moved, and
    // draws the mark at the zoom.
    void relayout(int zoomPercent);
    // The mark back on rod 0, as the board starts afresh after a clear.
    void markRodZero() { moveTo(0); }
    // The mark hides until the next key press. The window calls it on a real
    // press of a mouse button, not on the press that a screen reader's action
    // sends to a cell on behalf of a user at the keyboard.
    void mouseUsed() { useKeyboard(false); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The digit a key types, -1 for none.
    int digitOf(const QKeyEvent& event) const;
    void moveTo(int rod);
    void useKeyboard(bool on);
    QRect barIn(int bar) const;

    const Calculator& calculator_;
    ControlLookup control_;
    Listeners listeners_;
    int rod_ = 0;
    int zoom_ = 100;
    bool keyboardInUse_ = false;
};

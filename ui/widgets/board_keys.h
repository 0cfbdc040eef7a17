#pragma once

#include "calc/calculator.h"

#include <QWidget>

#include <array>
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
// marked one focused (see ui/assistive/accessibility.h); the board tells of
// the mark and of changed digits through the listeners it is given.
class BoardKeys : public QWidget {
public:
    // The widget of a control by name and index, -1 for none.
    using ControlLookup = std::function<QWidget*(QStringView name, int index)>;
    struct Listeners {
        std::function<void(int rod)> rodFocused;
        // sayDigit: the change is no part of one that its caller announces.
        std::function<void(int rod, bool sayDigit)> rodChanged;
        // A typed digit changed the rods: the window shows them anew, which
        // ends in tell().
        std::function<void()> rodsSet;
    };

    // window holds the bars of calculator's board, found through control.
    BoardKeys(QWidget* window, Calculator& calculator, ControlLookup control, Listeners listeners);

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

    // Tells assistive technology which rods changed their digit since it was
    // last told. With sayMarkedDigit it also says the marked rod's new digit:
    // the window tells so after a click or a typed digit, and without it
    // after a key or a paste, which it announces as a whole.
    void tell(bool sayMarkedDigit = true);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The digit a key types, -1 for none.
    int digitOf(const QKeyEvent& event) const;
    void moveTo(int rod);
    void useKeyboard(bool on);
    QRect barIn(int bar) const;

    Calculator& calculator_;
    ControlLookup control_;
    Listeners listeners_;
    int rod_ = 0;
    int zoom_ = 100;
    bool keyboardInUse_ = false;
    std::array<int, rodCount> told_{};
};

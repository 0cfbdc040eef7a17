#pragma once

#include "board/rod_entry.h"

#include <QWidget>

#include <array>
#include <functional>

class Form2;
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
// the mark and of changed digits through the two listeners it is given.
class BoardKeys : public QWidget {
public:
    // The widget of a control by name and element index, -1 for none.
    using ControlLookup = std::function<QWidget*(QStringView name, int index)>;
    struct Listeners {
        std::function<void(int rod)> rodFocused;
        // sayDigit: the change is no part of one that its caller announces.
        std::function<void(int rod, bool sayDigit)> rodChanged;
    };

    // window holds the cells of form's board, found through control.
    BoardKeys(QWidget* window, Form2& form, ControlLookup control, Listeners listeners);

    const Form2& form() const { return form_; }

    int rod() const { return rod_; }
    bool markShown() const { return keyboardInUse_ && hasFocus(); }

    // What each rod holds and, in this widget's coordinates, where it stands.
    int valueOf(int rod) const;
    QRect columnOf(int rod) const;
    // Sets a rod with the bead presses a user would make; false when the rod
    // cannot hold the value now.
    bool setRod(int rod, int value);
    // One bead press on a rod, as the mouse makes it.
    void pressBead(int rod, board::BeadPress press);
    // Runs a change of the rods (bead presses, a key's handler) as one, told
    // once when it is done. A change its caller announces as a whole (a
    // result, a paste) is told without saying the marked rod's new digit.
    template <typename Change> void asOneChange(Change change, bool announcedByCaller = false) {
        ++quiet_;
        change();
        --quiet_;
        tell(!announcedByCaller);
    }
    // The mark back on rod 0, as the board starts afresh after a clear.
    void markRodZero() { moveTo(0); }

    // Tells assistive technology which rods changed their digit since it was
    // last told, and says the marked rod's new digit; the window calls it
    // after every handler.
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

    Form2& form_;
    ControlLookup control_;
    Listeners listeners_;
    int rod_ = 0;
    bool keyboardInUse_ = false;
    int quiet_ = 0;
    std::array<int, 10> told_{};
};

#pragma once

#include <QWidget>

class Window;

// The board's place in the keyboard focus chain. It lies over the board from
// the top bar to the bottom bar and lets every mouse event through to the
// controls below. Left and Right move a mark from rod to rod; a digit (0-9,
// and A-F as 10 to 15 in hexadecimal mode) sets the marked rod with the bead
// presses a user would make, and does nothing when the rod cannot hold it.
// The mark, drawn on the two bars over and under the rod and never on a cell,
// shows while the board has the focus and the keyboard is in use: from a key
// press until the next press of a mouse button.
class BoardKeys : public QWidget {
public:
    explicit BoardKeys(Window* window);

    int rod() const { return rod_; }
    bool markShown() const { return keyboardInUse_ && hasFocus(); }

    // Tells assistive technology the marked rod's value; the window calls it
    // after every change of the board.
    void describe();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The digit a key types, -1 for none.
    int digitOf(const QKeyEvent& event) const;
    void setDigit(int value);
    void moveTo(int rod);
    void useKeyboard(bool on);
    QRect columnOf(int rod) const;

    Window* window_;
    int rod_ = 0;
    bool keyboardInUse_ = false;
};

// Shortcuts and tooltips of the key row, and Ctrl+C to copy the number the
// calculator shows. A shortcut clicks its key, so it does nothing while the
// key is disabled.
void addKeyShortcuts(Window& window);

#pragma once

#include "calc/calculator.h"

#include <QPoint>
#include <QWidget>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

class BoardKeys;
class QAbstractButton;
class QButtonGroup;

namespace layout {
struct Control;
}

// The calculator window. It owns the calculator, builds every control from
// the layout table, forwards each user event to the part of the calculator it
// belongs to, and then redraws whatever that changed.
//
// Every widget carries its control's name as objectName ("key", "bar",
// "lowerDeck3", ...); the controls of a row share the name and carry their
// index in the dynamic property "index" (see ui/widgets/layout.h).
class Window : public QWidget {
public:
    explicit Window(QWidget* parent = nullptr);

    Calculator& calculator() { return calculator_; }
    const Calculator& calculator() const { return calculator_; }
    // The board's place in the keyboard focus chain.
    BoardKeys* board() const { return board_; }

    // Brings every widget in line with the calculator, changing only what
    // differs, so that the changes of one event reach the screen together;
    // then tells a screen reader of the changed rods (see BoardKeys::tell).
    void sync(bool sayMarkedDigit = true);

    // The widget of control `name`, the one at `index` of a row of controls,
    // or with index -1 a control that is no row; nullptr when there is none.
    QWidget* control(QStringView name, int index = -1) const;
    // The key of the key row that stands for key.
    QAbstractButton* key(Key key) const;

    // The colours: high contrast when chosen is true, the everyday ones when
    // false (the command line's or the kept choice); with no choice, whatever
    // the desktop asks for, followed while the window is open.
    void useContrast(std::optional<bool> chosen);
    // The zoom in percent, one of layout::zoomSteps: every control at its
    // place in the layout table times the zoom, its pictures and texts drawn
    // afresh at that size, the window's fixed size its 100 % size times it.
    // Maximized, the window shows the largest step that fits instead, and
    // the zoom again on its restore.
    int zoom() const { return zoom_; }
    // Changes everything at once, in one frame; the board, the result line and
    // the keyboard's mark stay as they are.
    void setZoom(int zoomPercent);
    // The largest zoom step the screen's available area holds.
    int largestZoom() const;
    // Called after a zoom key or Ctrl with the wheel changed the zoom, with the
    // new one: what a user chose, to be kept.
    std::function<void(int zoomPercent)> onZoomChosen;

protected:
    // The keys of the key row, the zoom keys, Ctrl+C, and Ctrl+V (Shift+Insert).
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Ctrl with the wheel over any control of the window.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A zoom key or wheel step: 1 larger, -1 smaller, 0 back to 100 %.
    void stepZoom(int direction);
    // Every control at zoomPercent, the window's own ones moved by origin.
    void layOut(int zoomPercent, QPoint origin);
    void addControl(const layout::Control& c);
    QWidget* addLabel(const layout::Control& c, QWidget* parent);
    QWidget* addKey(const layout::Control& c, QWidget* parent);
    QWidget* addCell(const layout::Control& c, QWidget* parent);
    QWidget* addPicture(const layout::Control& c, QWidget* parent);
    QWidget* addRadio(QWidget* parent, int index);
    void addBoard();
    void syncOption();
    // Draws every control in the everyday or the high-contrast colours.
    void showContrast(bool high);
    // A picture's size at 100 % in device pixels at the zoom.
    QSize devicePixels(QSize size) const;
    // Tells a screen reader what a key of the key row did, and puts the
    // keyboard's mark back on rod 0 after a clear.
    void afterKey(Key key, bool refused);
    // Runs the answer to a user's event, then brings the widgets in line with
    // what it changed; Args are the event's.
    template <typename... Args, typename Handler> auto answer(Handler handler);
    void pressKey(Key key);
    void paste();

    Calculator calculator_;
    // Each control of the layout table with its widget, for a new zoom.
    std::vector<std::pair<const layout::Control*, QWidget*>> placed_;
    int zoom_ = 100;
    // What is shown: the zoom, or maximized the largest that fits, centred.
    int shownZoom_ = 100;
    QPoint origin_;
    int wheelTurn_ = 0; // the wheel's turn not yet a whole step, in eighths of a degree
    QButtonGroup* options_;
    BoardKeys* board_ = nullptr;
    std::vector<std::function<void()>> syncs_;
    // Each brings one control's colours in line with the palette.
    std::vector<std::function<void()>> restyles_;
};

#pragma once

#include <QCoreApplication>
#include <QPoint>
#include <QRect>

#include <functional>

class QWheelEvent;
class QWidget;

// The window's zoom: one of layout::zoomSteps, in percent. Every control
// stands at its place in the layout table times the zoom, its pictures and
// texts drawn afresh at that size, and the window's fixed size is its 100 %
// size times it. Maximized or full screen, the window shows the largest step
// that fits instead, centred, and the zoom again on its restore.
class Zoom {
    Q_DECLARE_TR_FUNCTIONS(Zoom)

public:
    // layOut shows every control at a zoom, the window's own ones moved by
    // an origin, in one frame.
    using LayOut = std::function<void(int zoomPercent, QPoint origin)>;

    Zoom(QWidget& window, LayOut layOut);

    // The zoom chosen, which the window shows unless it is maximized.
    int chosen() const { return zoom_; }
    void choose(int zoomPercent);
    // The largest zoom step the screen's available area holds.
    int largest() const;

    // A zoom key or a wheel step: 1 larger, -1 smaller, 0 back to 100 %.
    // A screen reader hears the new zoom, or why there is none.
    void step(int direction);
    // Ctrl with the wheel, over any control of the window: taken, in whole
    // steps; false for any other wheel event.
    bool takeWheel(QWheelEvent& wheel);
    // The window's size changed: maximized, full screen or restored.
    void resized();
    // Room under the abacus, in twips: the window grows by it at every zoom,
    // and the largest zoom is the largest that holds it too.
    void makeRoomBelow(int twips);
    // Where the room below begins and how large it is, at the zoom shown.
    QRect roomBelow() const;

    // Called after a zoom key or Ctrl with the wheel changed the zoom, with
    // the new one: what a user chose, to be kept.
    std::function<void(int zoomPercent)> onChosen;

private:
    QWidget& window_;
    LayOut layOut_;
    int zoom_ = 100;
    // What is shown: the zoom, or maximized the largest that fits, centred.
    int shownZoom_ = 100;
    QPoint origin_;
    int below_ = 0;
    int wheelTurn_ = 0; // the wheel's turn not yet a whole step, in eighths of a degree
};

// A window of the calculator's own beside it (the tape, the keys' help): its
// text in the desktop's font at the zoom, in percent.
void zoomText(QWidget& window, int zoomPercent);

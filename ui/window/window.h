#pragma once

#include "calc/calculator.h"
#include "calc/tape.h"
#include "ui/assistive/accessibility.h"
#include "ui/platform/screen_reader_keys.h"
#include "ui/window/controls.h"
#include "ui/window/zoom.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class BoardKeys;
class HelpWindow;
class LessonStrip;
class TapeWindow;
class QAbstractButton;

// The calculator window. It owns the calculator and its controls, and answers
// every user event in one place: each control hands its event to the
// calculator, and respond() follows the calculator's answer (the bell, the
// controls brought in line, what a screen reader hears, the keyboard's mark).
class Window : public QWidget {
public:
    explicit Window(QWidget* parent = nullptr);
    ~Window() override;

    Calculator& calculator() { return calculator_; }
    const Calculator& calculator() const { return calculator_; }
    // The board's place in the keyboard focus chain.
    BoardKeys* board() const { return board_; }

    // Brings every widget in line with the calculator after a change made to
    // it from outside, as after an event, without a word to a screen reader
    // beyond the rods' own news.
    void sync();

    // The widget of a control by name and index (see Controls::control).
    QWidget* control(QStringView name, int index = -1) const;
    // The key of the key row that stands for key.
    QAbstractButton* key(Key key) const;

    // The colours: high contrast when chosen is true, the everyday ones when
    // false (the command line's or the kept choice); with no choice, whatever
    // the desktop asks for, followed while the window is open.
    void useContrast(std::optional<bool> chosen);

    // The zoom in percent, one of layout::zoomSteps (see ui/window/zoom.h).
    int zoom() const { return zoom_.chosen(); }
    // Changes everything at once, in one frame; the board, the result line and
    // the keyboard's mark stay as they are.
    void setZoom(int zoomPercent) { zoom_.choose(zoomPercent); }
    int largestZoom() const { return zoom_.largest(); }
    // chosen is called after a zoom key or Ctrl with the wheel changed the
    // zoom, with the new one: what a user chose, to be kept.
    void whenZoomChosen(std::function<void(int zoomPercent)> chosen) {
        zoom_.onChosen = std::move(chosen);
    }

    // Ctrl+H: shows the tape beside the calculator, made the first time, or
    // hides it.
    void toggleTape();
    // F1: shows the keys' help, made the first time.
    void showHelp();
    // Ctrl+L: opens the lesson strip under the board, the exercise line
    // focused; the window grows by it until the lesson ends.
    void openLesson();
    // Null until first opened.
    LessonStrip* lessonStrip() const { return lessonStrip_; }

    // Null until first shown.
    TapeWindow* tapeWindow() const { return tapeWindow_; }
    HelpWindow* helpWindow() const { return helpWindow_; }

    // Rings the desktop's bell once; a test counts the rings here instead.
    std::function<void()> ringBell;

protected:
    // The window's own keys (ui/window/shortcuts.h).
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // The one filter on the whole application: Ctrl with the wheel over any
    // control, a real mouse press that hides the keyboard's mark, and the keys
    // a screen reader claims.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What follows every user event, from the calculator's answer.
    void respond(const Answer& answer);
    // Shows and tells a lesson's news.
    void followLesson(const lesson::Progress& progress);
    // The strip hidden, the window back to the abacus alone, the keyboard on
    // the rods.
    void closeLessonStrip();
    void layOut(int zoomPercent, QPoint origin);
    void addBoard();
    // Draws every control in the everyday or the high-contrast colours.
    void showContrast(bool high);
    // The tape and the keys' help, those made so far.
    QList<QWidget*> ownWindows() const;

    Calculator calculator_;
    Zoom zoom_;
    std::unique_ptr<Controls> controls_;
    BoardKeys* board_ = nullptr;
    std::unique_ptr<accessibility::RodNews> rodNews_;
    ScreenReaderKeys screenReaderKeys_;
    // Every calculation finished in this run, shown by the tape once made.
    std::vector<TapeEntry> tape_;
    TapeWindow* tapeWindow_ = nullptr;
    HelpWindow* helpWindow_ = nullptr;
    LessonStrip* lessonStrip_ = nullptr;
};

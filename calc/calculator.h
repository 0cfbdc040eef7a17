#pragma once

#include "board/board.h"
#include "calc/answer.h"
#include "calc/calculation.h"
#include "calc/history.h"
#include "calc/lesson/course.h"
#include "calc/panel.h"

#include <string_view>

// The whole calculator, started: the board, what the other controls show, and
// the calculation that works on both. Every user event comes in through one
// of its functions, which hands it to the part it belongs to and answers with
// what it did; the parts themselves are open for reading. Each event that
// changes the state is one step that undo takes back.
struct Calculator {
    Calculator() { calculation.clear(); }
    Calculator(const Calculator&) = delete;
    Calculator& operator=(const Calculator&) = delete;

    // A click on a key of the key row; a key that takes no click does nothing.
    Answer press(Key key);
    // A mouse press on a bead cell; a cell that takes no press does nothing.
    Answer pressBead(int rod, BeadPress cell, MouseButton button = MouseButton::Left);
    // A digit typed on a rod: the presses a user would make, or none when the
    // rod cannot hold it.
    Answer typeDigit(int rod, int value);
    // A text from the clipboard, laid onto the rods when it is a number they
    // can hold.
    Answer paste(std::string_view text);
    // A radio button of the beam: the point after that rod.
    Answer choosePoint(int rod);
    // A click on the beam: every rod back to 0.
    Answer resetBoard();
    // A click on a bar shows the rod labels, one on a rod label hides them.
    Answer showRodLabels(bool on);

    // Enter in the lesson strip: the exercise typed (or, for an empty text,
    // the graded series' next) begun from the board as it stands, in the
    // mode's base. Escape ends it and leaves the board as it is.
    Answer beginLesson(std::string_view typed);
    Answer endLesson();
    // The lesson under way, or the last one finished; null when none is.
    const lesson::Lesson* lesson() const { return course_.lesson(); }

    // Brings back the state before the last change, or makes again the last
    // change undone, and answers with the number the board then reads.
    Answer undo();
    Answer redo();

    // Everything the calculator holds and shows, as one value.
    CalculatorState state() const { return {board, panel, calculation.memory()}; }

    Board board;
    Panel panel;
    Calculation calculation{board, panel};

private:
    // Runs one user event, keeps the state before it when it changed it, and
    // has a lesson under way check a changed board.
    template <typename Event> Answer recorded(Event event);
    // The lesson's check of the board, and the tape's line at its end.
    void followLesson(Answer& answer);
    // Takes back a kept state: done, or nothing there and nothing changes.
    Answer restore(std::optional<CalculatorState> kept, Answer::Outcome done,
                   Answer::Outcome nothing);

    History history_;
    lesson::Course course_;
};

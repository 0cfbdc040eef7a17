#pragma once

#include "calc/lesson/lesson.h"

#include <QCoreApplication>
#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;

// The lesson strip under the board: a line for the exercise ("27+45", or
// empty for the graded series' next) and what the lesson says, its step and
// its last word on the learner's work, as texts a screen reader reads.
class LessonStrip : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(LessonStrip)

public:
    // Its height at 100 %, in twips: the room the window makes for it.
    static constexpr int heightTwips = 1500;

    // begin is called with the line's text on Enter.
    LessonStrip(QWidget* window, std::function<void(const QString& typed)> begin);

    // Shows the strip, the exercise line focused.
    void open();
    // The lesson's news, as said: the step under way and the last word on
    // the learner's work.
    void show(const lesson::Progress& progress, const lesson::Lesson* lesson, const QString& said);
    void setZoom(int zoomPercent);

    QLineEdit* exerciseLine() const { return exercise_; }
    QLabel* stepLabel() const { return step_; }
    QLabel* newsLabel() const { return news_; }

protected:
    // Enter in the exercise line, which QLineEdit passes on after its
    // returnPressed, goes no further: the window would take it for "=".
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLineEdit* exercise_;
    QLabel* step_;
    QLabel* news_;
};

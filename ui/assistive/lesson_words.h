#pragma once

#include "calc/lesson/lesson.h"

#include <QCoreApplication>
#include <QString>

// What a lesson says, in the user's language: each step's words, a miss, a
// hint, the end. In Chinese a decimal step's rule is said as its rhyme
// (四下五去一); hexadecimal work has no rhymes and says the moves.
namespace lesson_words {

// The exercise as written: "27 + 45", "100 − 58".
QString exercise(const lesson::Exercise& exercise);

// A step's words: "Tens: add 4. Put down the upper bead, take off one lower
// bead."
QString step(const lesson::Step& step, const lesson::Exercise& exercise);

// What the strip shows and a screen reader hears after the lesson's news:
// the step begun, a miss, the end, a refusal; empty when there is nothing to
// say (a press on the way).
QString news(const lesson::Progress& progress, const lesson::Lesson* lesson);

// The moves a hint asks for on one rod, for the rod's description; empty
// when the lesson gives no hint there.
QString hint(const lesson::Lesson& lesson, int rod);

} // namespace lesson_words

#pragma once

#include "board/board.h"
#include "calc/lesson/exercise.h"
#include "calc/lesson/method.h"

#include <cstdint>
#include <vector>

// A lesson in progress: the steps of one exercise, and the learner followed
// through them. After every change to the board the lesson checks it against
// the step: reached, on the way there, or a miss. It decides; the window shows
// and tells.
namespace lesson {

// What a lesson made of an event: its beginning, its end, or the board after
// a change, checked against the step under way.
struct Progress {
    enum class Kind : std::uint8_t {
        OnTheWay,    // every change so far moves toward the step's target
        NextStep,    // the step's target is reached; the next step begins
        Missed,      // a rod left the way: expected, it shows
        SteppedBack, // the board went back onto an earlier step's way: that step again
        Finished,    // the last step's target is reached: the answer stands
        Begun,       // an exercise was taken: its first step (or the one reached)
        Refused,     // the exercise typed is none: nothing changed
        Ended,       // the learner left the lesson; the board stays as it is
    };
    Kind kind = Kind::OnTheWay;
    // Refused: why.
    Refusal refusal = Refusal::NotAnExercise;
    // A miss: the leftmost rod off the way, the digit the step leads it to,
    // and the digit it shows.
    int rod = -1;
    int expected = 0;
    int shows = 0;

    friend bool operator==(const Progress&, const Progress&) = default;
};

// A lesson begins with the step that sets the first number, from the board
// as it stands, and checks it at once: a board that already shows the first
// number goes on to the next step.
class Lesson {
public:
    Lesson(const Exercise& exercise, const Board& board);

    // The board after a change: a step reached, a miss, or nothing to say.
    Progress follow(const Board& board);

    const Exercise& exercise() const { return exercise_; }
    const std::vector<Step>& steps() const { return steps_; }
    // The step under way; after the last, the last.
    const Step& step() const { return steps_.at(current_); }
    std::size_t stepNumber() const { return current_; }
    bool finished() const { return finished_; }
    // After two misses in one step its beads are marked until it is reached.
    bool hinted() const { return missesInStep_ >= 2; }
    int hints() const { return hints_; }
    int misses() const { return misses_; }

    // Whether the hint marks a cell: one of the cells between a deck's place
    // at the step's start and at its target, on a rod the step moves.
    bool marks(int rod, Deck deck, int cell) const;

private:
    // Whether each deck of every rod lies between its place at the step's
    // start and at its target; else the leftmost rod that does not.
    static Progress checked(const Board& board, const Step& step);

    Exercise exercise_;
    std::vector<Step> steps_;
    std::size_t current_ = 0;
    int missesInStep_ = 0;
    int misses_ = 0;
    int hints_ = 0;
    bool finished_ = false;
};

} // namespace lesson

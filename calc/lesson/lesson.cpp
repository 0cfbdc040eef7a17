#include "calc/lesson/lesson.h"

#include <algorithm>

namespace lesson {
namespace {

bool between(int value, int from, int to) {
    return std::min(from, to) <= value && value <= std::max(from, to);
}

// A cell's place in its deck, as the board counts it: the upper deck's cells
// 0, 1 and 2 for 0, 5 and 10, the lower deck's for its beads.
int cellOf(Deck deck, int value) {
    return deck == Deck::Upper ? upperCellFor(upperDeckOf(value)) : lowerDeckOf(value);
}

} // namespace

Lesson::Lesson(const Exercise& exercise, const Board& board)
    : exercise_(exercise), steps_(stepsOf(exercise, [&] {
          Rods rods{};
          for (int rod = 0; rod < rodCount; ++rod)
              rods.at(std::size_t(rod)) = board.value(rod);
          return rods;
      }())) {
    follow(board);
}

Progress Lesson::checked(const Board& board, const Step& step) {
    for (int rod = rodCount - 1; rod >= 0; --rod) {
        const int from = step.start.at(std::size_t(rod));
        const int to = step.target.at(std::size_t(rod));
        if (between(board.upperValue(rod), upperDeckOf(from), upperDeckOf(to)) &&
            between(board.lowerValue(rod), lowerDeckOf(from), lowerDeckOf(to)))
            continue;
        return {Progress::Kind::Missed, {}, rod, to, board.value(rod)};
    }
    return {};
}

Progress Lesson::follow(const Board& board) {
    if (finished_)
        return {};
    bool reached = true;
    for (int rod = 0; rod < rodCount; ++rod)
        reached = reached && board.value(rod) == step().target.at(std::size_t(rod));
    if (!reached) {
        const Progress progress = checked(board, step());
        if (progress.kind != Progress::Kind::Missed)
            return progress;
        // Taken back onto an earlier step's way (an undo across a step, say):
        // that step again, no miss.
        for (std::size_t earlier = current_; earlier-- > 0;) {
            if (checked(board, steps_.at(earlier)).kind != Progress::Kind::Missed) {
                current_ = earlier;
                missesInStep_ = 0;
                return {Progress::Kind::SteppedBack};
            }
        }
        ++misses_;
        if (++missesInStep_ == 2)
            ++hints_;
        return progress;
    }
    missesInStep_ = 0;
    // A step may be reached already: a board that showed the first number,
    // or the next number, before the lesson got there.
    while (current_ + 1 < steps_.size()) {
        ++current_;
        if (step().start != step().target)
            return {Progress::Kind::NextStep};
    }
    finished_ = true;
    return {Progress::Kind::Finished};
}

bool Lesson::marks(int rod, Deck deck, int cell) const {
    if (!hinted() || finished_)
        return false;
    const Step& step = this->step();
    const int from = cellOf(deck, step.start.at(std::size_t(rod)));
    const int to = cellOf(deck, step.target.at(std::size_t(rod)));
    return from != to && between(cell, from, to);
}

} // namespace lesson

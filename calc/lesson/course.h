#pragma once

#include "calc/lesson/lesson.h"

#include <optional>
#include <string_view>

namespace lesson {

// The lessons of one run: the one under way, if any, and how far the graded
// series has come.
class Course {
public:
    // An exercise typed, or the series' next one for an empty text, begun
    // from the board as it stands.
    Progress begin(std::string_view typed, int base, const Board& board);
    // The board after a change; nothing while no lesson is under way or the
    // last one finished.
    std::optional<Progress> follow(const Board& board);
    Progress end();

    const Lesson* lesson() const { return lesson_ ? &*lesson_ : nullptr; }

private:
    std::optional<Lesson> lesson_;
    std::size_t nextInSeries_ = 0;
};

} // namespace lesson

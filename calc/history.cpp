#include "calc/history.h"

#include <utility>

namespace {

// Moves the newest state of `from` onto `to` in place of `now`, and answers it.
std::optional<CalculatorState> step(std::deque<CalculatorState>& from,
                                    std::deque<CalculatorState>& to, CalculatorState now) {
    if (from.empty())
        return std::nullopt;
    CalculatorState state = std::move(from.back());
    from.pop_back();
    to.push_back(std::move(now));
    return state;
}

} // namespace

void History::record(CalculatorState before) {
    earlier_.push_back(std::move(before));
    if (earlier_.size() > limit)
        earlier_.pop_front();
    later_.clear();
}

std::optional<CalculatorState> History::undo(CalculatorState now) {
    return step(earlier_, later_, std::move(now));
}

std::optional<CalculatorState> History::redo(CalculatorState now) {
    return step(later_, earlier_, std::move(now));
}

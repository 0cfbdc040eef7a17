#include "calc/lesson/method.h"

namespace lesson {

RodMove moveOnRod(int rod, int value, int digit, Sign sign, int base) {
    int reached = sign == Sign::Plus ? value + digit : value - digit;
    const bool reachesLeft = reached >= base || reached < 0;
    reached = (reached + base) % base;
    RodMove move{rod, digit};
    move.upperChange = upperDeckOf(reached) - upperDeckOf(value);
    move.lowerChange = lowerDeckOf(reached) - lowerDeckOf(value);
    // Adding without a carry, the upper deck only goes down to the beam, so
    // a lower deck taking beads off means the upper bead was put down for
    // them; with a carry the opposite. Subtracting mirrors both.
    const int toward = sign == Sign::Plus ? 1 : -1;
    const bool lowerAgainst = move.lowerChange * toward < 0;
    const bool lowerWith = move.lowerChange * toward > 0;
    if (!reachesLeft)
        move.rule = lowerAgainst ? Rule::WithFive : Rule::Direct;
    else
        move.rule = lowerWith ? Rule::WithBaseAndFive : Rule::WithBase;
    return move;
}

std::vector<Step> stepsOf(const Exercise& exercise, const Rods& board) {
    std::vector<Step> steps{{-1, 0, board, rodsOf(exercise.first, exercise.base)}};
    const Rods second = rodsOf(exercise.second, exercise.base);
    for (int place = rodCount - 1; place >= 0; --place) {
        const int digit = second.at(std::size_t(place));
        if (digit == 0)
            continue;
        Step step{place, digit, steps.back().target, steps.back().target};
        int rod = place;
        int amount = digit;
        for (;;) {
            int& value = step.target.at(std::size_t(rod));
            const RodMove move = moveOnRod(rod, value, amount, exercise.sign, exercise.base);
            value += move.upperChange + move.lowerChange;
            step.moves.push_back(move);
            if (!move.reachesLeft())
                break;
            ++rod;
            amount = 1;
        }
        steps.push_back(step);
    }
    return steps;
}

} // namespace lesson

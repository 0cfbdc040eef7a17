#pragma once

#include "calc/lesson/exercise.h"

#include <cstdint>
#include <vector>

// The method of adding and subtracting on the abacus: set the first number,
// then one step for each digit of the second number that is not zero, from
// its highest place down. A step works on its place's rod with one of four
// rules, and a carry or a borrow reaches the rods to its left.
namespace lesson {

// How a rod takes a digit, named after adding; subtracting mirrors each.
enum class Rule : std::uint8_t {
    Direct,         // the beads are free: put the digit on (take it off)
    WithFive,       // through the upper bead: put down 5, take off 5 - d
    WithBase,       // take off base - d and carry 1 (borrow 1, give back base - d)
    WithBaseAndFive // the same, where taking off (giving back) needs the upper bead
};

// One rule on one rod: the place's digit, or the 1 of a carry or a borrow.
struct RodMove {
    int rod = 0;
    int digit = 0;
    Rule rule = Rule::Direct;
    // The beads it moves, as the change of each deck's value: the upper deck
    // by 5 or 10, the lower deck by its beads.
    int upperChange = 0;
    int lowerChange = 0;
    // It carries 1 to the rod on its left (adding) or borrows 1 from it.
    bool reachesLeft() const { return rule == Rule::WithBase || rule == Rule::WithBaseAndFive; }

    friend bool operator==(const RodMove&, const RodMove&) = default;
};

struct Step {
    // The rod of the place whose digit the step adds or subtracts; -1 for the
    // first step, which sets the first number.
    int rod = -1;
    int digit = 0;
    Rods start{};
    Rods target{};
    // Adding or subtracting steps: the place's rod first, then each rod a
    // carry or a borrow reaches, leftwards. The first step has none.
    std::vector<RodMove> moves{};

    // Whether the step moves beads on rod.
    bool changes(int rod) const {
        return start.at(std::size_t(rod)) != target.at(std::size_t(rod));
    }
};

// The steps of an exercise, the first from the rods as they stand.
std::vector<Step> stepsOf(const Exercise& exercise, const Rods& board);

// The rule that takes `digit` onto (Plus) or off (Minus) a rod showing `value`.
RodMove moveOnRod(int rod, int value, int digit, Sign sign, int base);

// A rod's value split into its decks, as the board holds it.
inline int upperDeckOf(int value) {
    return upperShareOf(value);
}
inline int lowerDeckOf(int value) {
    return value - upperShareOf(value);
}

} // namespace lesson

#pragma once

#include "app/controls.h"

#include <array>

// Setting a rod to a value with the beads, press by press, as a user does it
// with the mouse; the keyboard's digits are made of these presses.
namespace board {

struct BeadPress {
    Deck deck;
    int index; // the cell's index in its deck
};

// The two presses, with the left button, that take a rod from any state to
// value (0 to 15): the upper deck's cell for the fives (0, 5 or 10), then the
// lower deck's cell for the rest. The upper press comes first because the
// fifth lower bead takes presses only while the upper deck holds 10.
std::array<BeadPress, 2> beadPresses(int value);

// Whether those presses can reach value on the rod now: 0 to 9 always, 10 to
// 15 only while the rod's second upper bead takes presses (hexadecimal mode,
// rods 0 to 7).
bool rodTakes(const Controls& controls, int rod, int value);

} // namespace board

#include "board/rod_entry.h"

namespace board {

std::array<BeadPress, 2> beadPresses(int value) {
    const int fives = value >= 10 ? 10 : value >= 5 ? 5 : 0;
    // The upper deck's cells carry the index 0, 5 and 1 for the values 0, 5 and 10.
    return {{{Deck::Upper, fives == 10 ? 1 : fives}, {Deck::Lower, value - fives}}};
}

bool rodTakes(const Controls& controls, int rod, int value) {
    if (value < 0 || value > 15)
        return false;
    return value <= 9 || controls.cellEnabled(Deck::Upper, rod, 1);
}

} // namespace board

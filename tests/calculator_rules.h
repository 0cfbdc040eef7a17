#pragma once

// The rules that every user event must keep, checked after each event of the
// core tests' scripts, each a word of tests/calculator_driver.h. The rules tie
// what the calculator shows to what it holds; what a calculation or a paste
// gives is the tables' job.

#include "calculator_driver.h"

#include <array>
#include <string>

namespace rules {

// The pictures of a rod's nine cells, upper deck from the beam outwards and
// then lower deck from the beam outwards (0 gap, 1 bead, 2 extra bead), as
// the deck values draw them: each deck shows its value by its one gap.
inline std::string pictures(int upper, int lower) {
    std::string drawn = upper == 0 ? "012" : upper == 5 ? "102" : upper == 10 ? "110" : "bad";
    return drawn + (lower >= 0 && lower <= 5
                        ? std::string("111112").replace(std::size_t(lower), 1, "0")
                        : "bad");
}

// Whether the extra beads that take presses are those the mode allows: the
// upper one on rods 0-7 in hexadecimal mode; the lower one while the upper
// deck holds 10, or left from before while `stale` (a board reset or an event
// elsewhere leaves it).
inline bool pressesTaken(const Calculator& c, int rod, bool stale) {
    const Board& b = c.board;
    const bool upperExtra = b.takesPress(Deck::Upper, rod, 2),
               lowerExtra = b.takesPress(Deck::Lower, rod, 5);
    return upperExtra == (c.calculation.hexadecimal() && rod <= 7) && (!lowerExtra || upperExtra) &&
           (b.upperValue(rod) == 10 ? lowerExtra : !lowerExtra || stale);
}

// Delivers one event, as a toolkit would, and returns the first rule it
// broke, named before a colon; "" when all hold.
inline std::string step(Calculator& c, const std::string& event) {
    const int was = c.panel.beepCount();
    std::array<bool, rodCount> lowerExtra{};
    for (int rod = 0; rod < rodCount; ++rod)
        lowerExtra[std::size_t(rod)] = c.board.takesPress(Deck::Lower, rod, 5);
    driver::enter(c, event);
    const int beeps = c.panel.beepCount() - was;
    const bool pressed = event[0] == 'v' || event[0] == '^';
    for (int rod = 0; rod < rodCount; ++rod) {
        std::string seen;
        for (int cell = 0; cell < 3; ++cell)
            seen += char('0' + int(c.board.image(Deck::Upper, rod, cell)));
        for (int cell = 0; cell < 6; ++cell)
            seen += char('0' + int(c.board.image(Deck::Lower, rod, cell)));
        if (seen != pictures(c.board.upperValue(rod), c.board.lowerValue(rod)))
            return "picture: rod " + std::to_string(rod) + " shows " + seen;
        const bool stale =
            !(pressed && std::stoi(event.substr(1)) == rod) && lowerExtra[std::size_t(rod)];
        if (!pressesTaken(c, rod, stale))
            return "enabled: rod " + std::to_string(rod);
    }
    const Panel& d = c.panel;
    if (d.keyEnabled(Key::HexPlus) || d.keyEnabled(Key::HexMinus) || !d.keyEnabled(Key::Multiply) ||
        !d.keyEnabled(Key::Divide) || !d.keyEnabled(Key::Clear) || !d.keyEnabled(Key::Hexadecimal))
        return "keys: a key enabled or disabled out of turn";
    // Every refusal ends in the clear: the state of start-up, but for the
    // pending operation and whether the rod labels and the result line show.
    if (beeps == 0)
        return {};
    Calculator started;
    started.panel.showResultLine(d.resultLine().visible);
    started.panel.showRodLabels(d.rodLabel(0).visible);
    const bool cleared = driver::dump(c, true, false) == driver::dump(started, true, false);
    return beeps > 2 || !cleared ? "refusal: not the clear" : "";
}

} // namespace rules

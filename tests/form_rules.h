#pragma once

// The rules that every user event must keep, checked after each event of the
// core tests' scripts, each a word of tests/form_driver.h. The rules tie what
// the calculator shows to what it holds; what a calculation or a paste gives
// is the tables' job.

#include "form_driver.h"

#include <array>
#include <cstdlib>
#include <string>

namespace rodwise_check {

// Delivers one event, as a toolkit would, and returns the first rule it
// broke, named before a colon; "" when all hold.
inline std::string step(Form2& f, const std::string& e) {
    const Controls& c = f.controls();
    const int was = c.beepCount();
    const bool pressed = e[0] == 'v' || e[0] == '^';
    std::array<bool, rodCount> fives{}; // the fifth lower beads that took presses before
    for (int k = 0; k < rodCount; ++k)
        fives[std::size_t(k)] = c.cellEnabled(Deck::Lower, k, 5);
    driver::enter(f, e);
    const int beeps = c.beepCount() - was;
    for (int k = 0; k < rodCount; ++k) {
        const int up = f.upvalAt(k), low = f.lowvalAt(k);
        // Upper cells 0, 5, 1 and lower cells 0 to 5 (0 gap, 1 bead, 2 extra
        // bead): each deck shows its value by its one gap. Only the extra
        // beads' cells, upper 1 and lower 5, are ever disabled: another
        // disabled cell reads "!".
        std::string seen, want = up == 0 ? "012" : up == 5 ? "102" : up == 10 ? "110" : "bad";
        want +=
            low >= 0 && low <= 5 ? std::string("111112").replace(std::size_t(low), 1, "0") : "bad";
        for (std::size_t i = 0; i < 9; ++i) {
            const Cell& cell = i < 3 ? c.cell(Deck::Upper, k, upperCellIndices[i])
                                     : c.cell(Deck::Lower, k, int(i) - 3);
            seen += cell.enabled || i == 2 || i == 8 ? char('0' + int(cell.image)) : '!';
        }
        if (seen != want)
            return "picture: rod " + std::to_string(k) + " shows " + seen;
        // A hexadecimal result leaves rods 8 and 9 reading 0 whatever they show.
        const std::string& text = f.rodstrAt(k);
        if (text != std::to_string(up + low) && (k < 8 || text != "0"))
            return "rodstr: rod " + std::to_string(k) + " reads " + text;
        // Upper cell 1 takes presses on rods 0-7 in hexadecimal mode. Lower
        // cell 5 does while upper cell 1 shows the gap; only a board reset or
        // an event elsewhere leaves it enabled after that.
        const bool upperOne = c.cellEnabled(Deck::Upper, k, 1),
                   lowerFive = c.cellEnabled(Deck::Lower, k, 5);
        const bool stale = !(pressed && std::atoi(e.c_str() + 1) == k) && fives[std::size_t(k)];
        if (upperOne != (f.hexMode() && k <= 7) || (lowerFive && !upperOne) ||
            (up == 10 ? !lowerFive : lowerFive && !stale))
            return "enabled: rod " + std::to_string(k);
    }
    if (c.keyEnabled(Key::HexPlus) || c.keyEnabled(Key::HexMinus) || !c.keyEnabled(Key::Multiply) ||
        !c.keyEnabled(Key::Divide) || !c.keyEnabled(Key::Clear) || !c.keyEnabled(Key::Hex))
        return "keys: a key enabled or disabled out of turn";
    // Every refusal ends in the clear:
    // the state of start-up, but for the pending operation and whether the rod
    // labels and the result line show.
    if (beeps == 0)
        return {};
    driver::Started g;
    g.num2 = f.num2;
    g.controls().resultLine().visible = c.resultLine().visible;
    if (c.rodLabel(0).visible)
        g.Picture22_Click(0);
    return beeps > 2 || driver::dump(f) != driver::dump(g) ? "refusal: not the clear" : "";
}

} // namespace rodwise_check

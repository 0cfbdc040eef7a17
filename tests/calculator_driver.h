#pragma once

// Drives the calculator the way a user does, through its entry points. Below,
// the rules every event must keep.

#include "calc/calculator.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <sstream>
#include <string>

namespace driver {

// Runs a blank-separated script of user events, each through the
// calculator's own entry point, and returns how many times the bell rang: the
// keys by their faces ("*", "/", "=", "C", "H-D", "Hex"); "Beam" (the board's
// reset), "Bar" (shows the rod labels), "Label" (hides them); "@4", the radio
// button over rod 4; a bead press ("v6.3"); a digit typed on a rod
// ("Type3:7", the digit 7 on rod 3); a paste ("Paste:12.5", a text without
// blanks); "Undo" and "Redo"; and numbers, whose digits (0-9, A-F) go onto the rods, the last on
// rod 0, and whose point picks the radio button over the units rod.
inline int enter(Calculator& c, const std::string& script) {
    int bells = 0;
    std::istringstream in{script};
    for (std::string word; in >> word;) {
        const auto face = std::find(keyCaptions.begin(), keyCaptions.end(), word);
        if (face != keyCaptions.end()) {
            bells += c.press(Key(face - keyCaptions.begin())).bells;
        } else if (word == "Beam") {
            c.resetBoard();
        } else if (word == "Bar" || word == "Label") {
            c.showRodLabels(word == "Bar");
        } else if (word.starts_with("Type")) {
            c.typeDigit(std::stoi(word.substr(4)), std::stoi(word.substr(word.find(':') + 1)));
        } else if (word.starts_with("Paste:")) {
            bells += c.paste(word.substr(6)).bells;
        } else if (word == "Undo" || word == "Redo") {
            bells += (word == "Undo" ? c.undo() : c.redo()).bells;
        } else if (word[0] == '@') {
            c.choosePoint(std::stoi(word.substr(1)));
        } else if (word[0] == '^' || word[0] == 'v') {
            // A press on a bead: "v6.3" is rod 6's lower cell 3 with the left
            // button, "^2.1r" rod 2's upper cell 1 (cells counted from the beam)
            // with the right one, "m" the middle one.
            int rod = 0, cell = 0;
            char button = 'l';
            std::sscanf(word.c_str() + 1, "%d.%d%c", &rod, &cell, &button);
            const MouseButton mouse = button == 'r'   ? MouseButton::Right
                                      : button == 'm' ? MouseButton::Other
                                                      : MouseButton::Left;
            c.pressBead(rod, {word[0] == '^' ? Deck::Upper : Deck::Lower, cell}, mouse);
        } else {
            if (const auto point = word.find('.'); point != std::string::npos) {
                c.choosePoint(int(word.size() - point - 1));
                word.erase(point, 1);
            }
            // A click on each deck; a value the mode does not allow stops short.
            for (std::size_t i = 0; i < word.size(); ++i) {
                const int value = std::stoi(word.substr(word.size() - 1 - i, 1), nullptr, 16);
                const int fives = value >= 10 ? 10 : value >= 5 ? 5 : 0;
                c.pressBead(int(i), {Deck::Upper, fives / 5});
                c.pressBead(int(i), {Deck::Lower, value - fives});
            }
        }
    }
    return bells;
}

// The rods' values as hexadecimal digits, rod 9 first, without leading
// zeros. (The rules check after every event that the pictures agree.)
inline std::string beads(const Calculator& c) {
    std::string digits;
    for (int rod = rodCount - 1; rod >= 0; --rod)
        digits += "0123456789ABCDEF"[c.board.value(rod)];
    return digits.substr(std::min(digits.find_first_not_of('0'), digits.size() - 1));
}

// Everything that a user or a caller can observe but the bells, as one
// comparable text; without the rods (their cells and values) when `rods` is
// false, and without the pending operation when `pending` is false.
inline std::string dump(const Calculator& c, bool rods = true, bool pending = true) {
    std::ostringstream out;
    for (int rod = 0; rod < rodCount; ++rod) {
        for (int cell = 0; rods && cell < upperCellCount + lowerCellCount; ++cell) {
            const Deck deck = cell < upperCellCount ? Deck::Upper : Deck::Lower;
            const int i = cell < upperCellCount ? cell : cell - upperCellCount;
            out << int(c.board.image(deck, rod, i)) << c.board.takesPress(deck, rod, i);
        }
        if (rods)
            out << ' ' << c.board.upperValue(rod) << '+' << c.board.lowerValue(rod);
        const Label& label = c.panel.rodLabel(rod);
        out << " [" << label.caption << label.visible << "]\n";
    }
    for (int k = 0; k < keyCount; ++k)
        out << c.panel.keyEnabled(Key(k));
    const Calculation& calc = c.calculation;
    out << " point " << c.panel.checkedPoint() << ' ' << calc.point() << " ["
        << c.panel.resultLine().caption << c.panel.resultLine().visible << "] "
        << calc.firstOperand() << ' ' << calc.secondOperand() << ' ' << calc.firstOperandTaken()
        << ' ' << int(calc.mode()) << ' ' << calc.lastResultText();
    if (pending)
        out << ' ' << int(calc.pendingOperation());
    return out.str();
}

// The rules that every user event must keep, checked after each event of the
// core tests' scripts. The rules tie what the calculator shows to what it
// holds; what a calculation or a paste gives is the tables' job.

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
// broke, named before a colon; "" when all hold. Adds the bells it rang to
// `bells`.
inline std::string step(Calculator& c, const std::string& event, int& bells) {
    std::array<bool, rodCount> lowerExtra{};
    for (int rod = 0; rod < rodCount; ++rod)
        lowerExtra[std::size_t(rod)] = c.board.takesPress(Deck::Lower, rod, 5);
    const int beeps = enter(c, event);
    bells += beeps;
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
    const bool cleared = dump(c, true, false) == dump(started, true, false);
    return beeps > 2 || !cleared ? "refusal: not the clear" : "";
}

} // namespace driver

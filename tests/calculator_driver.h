#pragma once

// Drives the calculator the way a user does: a press on a cell that takes
// none and a click on a disabled key are never delivered, as with a real
// toolkit.

#include "calc/calculator.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>

namespace driver {

// A press on a bead: "v6.3" is rod 6's lower cell 3 with the left button,
// "^2.1r" rod 2's upper cell 1 (cells counted from the beam) with the right
// one, "m" the middle one. False when the word is no press.
inline bool pressBead(Calculator& c, const std::string& word) {
    int rod = 0, cell = 0;
    char button = 'l';
    if ((word[0] != '^' && word[0] != 'v') ||
        std::sscanf(word.c_str() + 1, "%d.%d%c", &rod, &cell, &button) < 2)
        return false;
    const MouseButton mouse = button == 'r'   ? MouseButton::Right
                              : button == 'm' ? MouseButton::Other
                                              : MouseButton::Left;
    c.board.press(rod, {word[0] == '^' ? Deck::Upper : Deck::Lower, cell}, mouse);
    return true;
}

// Runs a blank-separated script of user events: the keys by their faces ("*",
// "/", "=", "C", "H-D", "Hex"); "Beam" (the board's reset), "Bar" (shows the
// rod labels), "Label" (hides them); "@4", the radio button over rod 4; a
// bead press (pressBead); and numbers, whose digits (0-9, A-F) go onto the
// rods, the last on rod 0, and whose point picks the radio button over the
// units rod.
inline void enter(Calculator& c, const std::string& script) {
    std::istringstream in{script};
    for (std::string word; in >> word;) {
        const auto face = std::find(keyCaptions.begin(), keyCaptions.end(), word);
        if (face != keyCaptions.end()) {
            const auto key = Key(face - keyCaptions.begin());
            if (c.panel.keyEnabled(key))
                c.calculation.press(key);
        } else if (word == "Beam") {
            c.board.reset();
        } else if (word == "Bar" || word == "Label") {
            c.panel.showRodLabels(word == "Bar");
        } else if (word[0] == '@') {
            c.calculation.choosePoint(std::stoi(word.substr(1)));
        } else if (!pressBead(c, word)) {
            if (const auto point = word.find('.'); point != std::string::npos) {
                c.calculation.choosePoint(int(word.size() - point - 1));
                word.erase(point, 1);
            }
            // A click on each deck; a value the mode does not allow stops short.
            for (std::size_t i = 0; i < word.size(); ++i) {
                const int value = std::stoi(word.substr(word.size() - 1 - i, 1), nullptr, 16);
                const int fives = value >= 10 ? 10 : value >= 5 ? 5 : 0;
                c.board.press(int(i), {Deck::Upper, fives / 5});
                c.board.press(int(i), {Deck::Lower, value - fives});
            }
        }
    }
}

// The rods' values as hexadecimal digits, rod 9 first, without leading
// zeros. (The rules check after every event that the pictures agree.)
inline std::string beads(const Calculator& c) {
    std::string digits;
    for (int rod = rodCount - 1; rod >= 0; --rod)
        digits += "0123456789ABCDEF"[c.board.value(rod)];
    return digits.substr(std::min(digits.find_first_not_of('0'), digits.size() - 1));
}

// Everything that a user or a caller can observe but the beeps, as one
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

} // namespace driver

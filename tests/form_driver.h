#pragma once

// Drives the calculator's form the way a user does: presses on disabled cells
// and clicks on disabled keys are never delivered, as with a real toolkit.

#include "app/form2.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>

namespace driver {

inline void press(Form2& f, Deck deck, int rod, int cell, int button = 1) {
    if (f.controls().cellEnabled(deck, rod, cell))
        deck == Deck::Upper ? f.UpperDeck_MouseDown(rod, cell, button)
                            : f.LowerDeck_MouseDown(rod, cell, button);
}

// Sets a rod to 0..15 with a click on each deck; values the mode does not
// allow stop short, as they would for a user.
inline void setRod(Form2& f, int rod, int value) {
    const int up = value >= 10 ? 10 : value >= 5 ? 5 : 0;
    press(f, Deck::Upper, rod, up == 10 ? 1 : up);
    press(f, Deck::Lower, rod, value - up);
}

// Runs a blank-separated script of user events: the keys "*", "/", "=", "C",
// "H-D" and "Hex"; "Beam" (the board's reset), "Bar" (shows the rod labels),
// "Label" (hides them); "@4", the radio button over rod 4; "v6.3.2", a press
// on rod 6's lower cell 3 with button 2 ("^" for the upper deck, the left
// button when none is given); and numbers, whose digits (0-9, A-F) go onto the
// rods, the last on rod 0, and whose point picks the radio button over the
// units rod.
inline void enter(Form2& f, const std::string& script) {
    const std::string keys[] = {"*", "/", "H.+", "H.-", "=", "C", "H-D", "Hex"};
    void (Form2::*const handlers[])() = {&Form2::Command3_Click, &Form2::Command4_Click,
                                         &Form2::Command5_Click, &Form2::Command6_Click};
    std::istringstream in{script};
    for (std::string word; in >> word;) {
        const auto k = int(std::find(std::begin(keys), std::end(keys), word) - std::begin(keys));
        int rod = 0, cell = 0, button = 1;
        if (k < keyCount && f.controls().keyEnabled(Key(k)))
            k < 4 ? f.Command1_Click(k) : (f.*handlers[k - 4])();
        else if (word == "Beam")
            f.Frame1_Click();
        else if (word == "Bar" || word == "Label")
            word == "Bar" ? f.Picture22_Click(0) : f.Lab1_Click(9);
        else if (word[0] == '@')
            f.userClicksOption(std::stoi(word.substr(1)));
        else if (std::sscanf(word.c_str(), "^%d.%d.%d", &rod, &cell, &button) >= 2 ||
                 std::sscanf(word.c_str(), "v%d.%d.%d", &rod, &cell, &button) >= 2)
            press(f, word[0] == '^' ? Deck::Upper : Deck::Lower, rod, cell, button);
        else if (k == keyCount) {
            if (const auto point = word.find('.'); point != std::string::npos) {
                f.userClicksOption(int(word.size() - point - 1));
                word.erase(point, 1);
            }
            for (std::size_t i = 0; i < word.size(); ++i)
                setRod(f, int(i), std::stoi(word.substr(word.size() - 1 - i, 1), nullptr, 16));
        }
    }
}

// A started calculator.
struct Started : Form2 {
    Started() { Form_Load(); }
};

// The rods' bead values as hexadecimal digits, rod 9 first, without leading
// zeros. (The property test checks after every event that the pictures agree.)
inline std::string beads(const Form2& f) {
    std::string digits;
    for (int rod = rodCount - 1; rod >= 0; --rod)
        digits += "0123456789ABCDEF"[f.upvalAt(rod) + f.lowvalAt(rod)];
    return digits.substr(std::min(digits.find_first_not_of('0'), digits.size() - 1));
}

// Everything that a user or a caller can observe but the beeps, as one
// comparable text; without the rods (their cells' pictures and enabled states,
// bead values and texts) when `rods` is false.
inline std::string dump(const Form2& f, bool rods = true) {
    const Controls& c = f.controls();
    std::ostringstream out;
    for (int rod = 0; rod < rodCount; ++rod) {
        for (std::size_t i = 0; rods && i < 9; ++i) {
            const Cell& cell = i < 3 ? c.cell(Deck::Upper, rod, upperCellIndices[i])
                                     : c.cell(Deck::Lower, rod, int(i) - 3);
            out << int(cell.image) << cell.enabled;
        }
        if (rods)
            out << ' ' << f.upvalAt(rod) << '+' << f.lowvalAt(rod) << ' ' << f.rodstrAt(rod);
        out << ' ' << f.digstrAt(rod) << " [" << c.rodLabel(rod).caption << c.rodLabel(rod).visible
            << "]\n";
    }
    for (int k = 0; k < keyCount; ++k)
        out << c.keyEnabled(Key(k));
    out << " option " << c.selectedOption() << " [" << c.resultLine().caption
        << c.resultLine().visible << "] " << f.digit << ' ' << f.digit1 << ' ' << f.num2 << ' '
        << f.dot << ' ' << f.firstnum;
    for (int i = 0; i <= 10; ++i)
        out << ' ' << f.numstrAt(i);
    return out.str();
}

} // namespace driver

#pragma once

// Drives the calculator's form the way a user does: presses on disabled cells
// and clicks on disabled keys are never delivered, as with a real toolkit.

#include "app/form2.h"

#include <algorithm>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>

namespace driver {

inline void press(Form2& f, Deck deck, int rod, int cell, int button = 1) {
    if (!f.controls().cellEnabled(deck, rod, cell))
        return;
    if (deck == Deck::Upper)
        return f.UpperDeck_MouseDown(rod, cell, button);
    f.LowerDeck_MouseDown(rod, cell, button);
}

// Sets a rod to 0..15 with a click on each deck; values the mode does not
// allow stop short, as they would for a user.
inline void setRod(Form2& f, int rod, int value) {
    const int up = value >= 10 ? 10 : value >= 5 ? 5 : 0;
    press(f, Deck::Upper, rod, up == 10 ? 1 : up);
    press(f, Deck::Lower, rod, value - up);
}

// Runs a blank-separated script of keys and numbers: "12 * 3 =", "Hex FF H-D".
// A number's digits (0-9, A-F) go onto the rods, the last on rod 0; a point
// also picks the radio button over the units rod. Other rods stay as they are.
inline void enter(Form2& f, std::string_view script) {
    const std::string_view keys[] = {"*", "/", "H.+", "H.-", "=", "C", "H-D", "Hex"};
    void (Form2::*const handlers[])() = {&Form2::Command3_Click, &Form2::Command4_Click,
                                         &Form2::Command5_Click, &Form2::Command6_Click};
    std::istringstream in{std::string(script)};
    for (std::string word; in >> word;) {
        const auto k = int(std::find(std::begin(keys), std::end(keys), word) - std::begin(keys));
        if (k < keyCount) { // "*", "/", "H.+" and "H.-" share one handler
            if (f.controls().keyEnabled(static_cast<Key>(k)))
                k < 4 ? f.Command1_Click(k) : (f.*handlers[k - 4])();
            continue;
        }
        if (const auto point = word.find('.'); point != std::string::npos) {
            f.userClicksOption(int(word.size() - point - 1));
            word.erase(point, 1);
        }
        for (std::size_t i = 0; i < word.size(); ++i) {
            const char c = word[word.size() - 1 - i];
            setRod(f, int(i), c >= 'A' ? c - 'A' + 10 : c - '0');
        }
    }
}

// A started calculator.
struct Started : Form2 {
    Started() { Form_Load(); }
};

// The rods' bead values as hexadecimal digits, rod 9 first, without leading
// zeros. (The property test checks after every event that the pictures agree.)
inline std::string board(const Form2& f) {
    std::string digits;
    for (int rod = rodCount - 1; rod >= 0; --rod)
        digits +=
            std::string_view("0123456789ABCDEF").at(std::size_t(f.upvalAt(rod) + f.lowvalAt(rod)));
    return digits.substr(std::min(digits.find_first_not_of('0'), digits.size() - 1));
}

// The rods as one comparable text: every cell's picture and enabled state,
// the bead values and the rod texts.
inline std::string rodState(const Form2& f) {
    const Controls& c = f.controls();
    std::ostringstream out;
    for (int rod = 0; rod < rodCount; ++rod) {
        for (Deck deck : {Deck::Upper, Deck::Lower})
            for (int i = 0; i < lowerCellCount; ++i)
                if (Controls::isCellIndex(deck, i))
                    out << int(c.cell(deck, rod, i).image) << c.cell(deck, rod, i).enabled;
        out << ' ' << f.upvalAt(rod) << '+' << f.lowvalAt(rod) << ' ' << f.rodstrAt(rod) << '\n';
    }
    return out.str();
}

// All the rest but the beep count: the digits behind the rods and the rod
// labels, the keys, the point, the result line, the operands and the texts of
// the last calculation.
inline std::string stateBesideRods(const Form2& f) {
    const Controls& c = f.controls();
    std::ostringstream out;
    for (int rod = 0; rod < rodCount; ++rod)
        out << f.digstrAt(rod) << " [" << c.rodLabel(rod).caption << c.rodLabel(rod).visible
            << "]\n";
    for (int k = 0; k < keyCount; ++k)
        out << c.keyEnabled(static_cast<Key>(k));
    out << " option " << c.selectedOption() << " [" << c.resultLine().caption
        << c.resultLine().visible << "] " << f.digit << ' ' << f.digit1 << ' ' << f.num2 << ' '
        << f.dot << ' ' << f.firstnum;
    for (int i = 0; i <= 10; ++i)
        out << ' ' << f.numstrAt(i);
    return out.str();
}

// Every state that a user or a caller can observe, as one comparable text.
inline std::string dump(const Form2& f) {
    return rodState(f) + stateBesideRods(f) + " beeps " + std::to_string(f.controls().beepCount());
}

} // namespace driver

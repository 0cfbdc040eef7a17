#pragma once

// Drives the calculator's form the way a user does: presses on disabled cells
// and clicks on disabled keys are never delivered, as with a real toolkit.

#include "app/form2.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

namespace driver {

inline void pressUpper(Form2& f, int rod, int cell, int button = 1) {
    if (f.controls().cellEnabled(Deck::Upper, rod, cell))
        f.UpperDeck_MouseDown(rod, cell, button);
}

inline void pressLower(Form2& f, int rod, int cell, int button = 1) {
    if (f.controls().cellEnabled(Deck::Lower, rod, cell))
        f.LowerDeck_MouseDown(rod, cell, button);
}

// Keys in the order of their enum: "*", "/", "H.+", "H.-" share one handler.
inline void click(Form2& f, Key key) {
    if (!f.controls().keyEnabled(key))
        return;
    if (key <= Key::HexMinus)
        return f.Command1_Click(static_cast<int>(key));
    void (Form2::*const handlers[])() = {&Form2::Command3_Click, &Form2::Command4_Click,
                                         &Form2::Command5_Click, &Form2::Command6_Click};
    (f.*handlers[static_cast<int>(key) - static_cast<int>(Key::Equals)])();
}

// Sets a rod to 0..15 with a click on each deck; values the mode does not
// allow stop short, as they would for a user.
inline void setRod(Form2& f, int rod, int value) {
    const int up = value >= 10 ? 10 : value >= 5 ? 5 : 0;
    pressUpper(f, rod, up == 10 ? 1 : up);
    pressLower(f, rod, value - up);
}

inline int digitValue(char c) {
    return c >= 'A' ? c - 'A' + 10 : c - '0';
}

// Lays digits (0-9, A-F) onto the rods, the last character on rod 0. A point
// also picks the radio button over the units rod. Other rods stay as they are.
inline void setNumber(Form2& f, std::string_view text) {
    if (const auto point = text.find('.'); point != std::string_view::npos) {
        f.userClicksOption(static_cast<int>(text.size() - point - 1));
        std::string digits(text);
        digits.erase(point, 1);
        return setNumber(f, digits);
    }
    for (std::size_t i = 0; i < text.size(); ++i)
        setRod(f, static_cast<int>(i), digitValue(text[text.size() - 1 - i]));
}

// Runs a blank-separated script of keys and numbers: "12 * 3 =", "Hex FF H-D".
inline void enter(Form2& f, std::string_view script) {
    const std::pair<std::string_view, Key> keys[] = {{"*", Key::Multiply}, {"/", Key::Divide},
                                                     {"=", Key::Equals},   {"C", Key::Clear},
                                                     {"Hex", Key::Hex},    {"H-D", Key::HexDec}};
    std::istringstream in{std::string(script)};
    for (std::string word; in >> word;) {
        const auto key = std::find_if(std::begin(keys), std::end(keys),
                                      [&](const auto& k) { return k.first == word; });
        if (key != std::end(keys))
            click(f, key->second);
        else
            setNumber(f, word);
    }
}

// A started calculator.
struct Started : Form2 {
    Started() { Form_Load(); }
};

// Checks the nine cells of a rod against the deck tables for upper value `up`
// (0, 5, 10) and lower value `low` (0..5).
inline ::testing::AssertionResult decksShow(const Form2& f, int rod, int up, int low) {
    auto expect = [&](Deck deck, int cell, Image want) {
        return f.controls().cell(deck, rod, cell).image == want;
    };
    bool ok = expect(Deck::Upper, 1, up == 10 ? Image::Gap : Image::ExtraBead) &&
              expect(Deck::Upper, 5, up == 5 ? Image::Gap : Image::Bead) &&
              expect(Deck::Upper, 0, up == 0 ? Image::Gap : Image::Bead) &&
              expect(Deck::Lower, 5, low == 5 ? Image::Gap : Image::ExtraBead);
    for (int cell = 0; cell <= 4; ++cell)
        ok = ok && expect(Deck::Lower, cell, cell == low ? Image::Gap : Image::Bead);
    if (ok)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "rod " << rod << " does not show " << up << "+" << low;
}

inline ::testing::AssertionResult rodShows(const Form2& f, int rod, int value) {
    const int up = value >= 10 ? 10 : value >= 5 ? 5 : 0;
    return decksShow(f, rod, up, value - up);
}

// The whole board, rod 9 first; a shorter text has zeros in front.
inline ::testing::AssertionResult boardShows(const Form2& f, std::string_view digits) {
    const std::string all = std::string(rodCount - digits.size(), '0') + std::string(digits);
    for (int rod = 0; rod < rodCount; ++rod)
        if (auto shown = rodShows(f, rod, digitValue(all[all.size() - 1 - rod])); !shown)
            return shown << " (board should read " << all << ")";
    return ::testing::AssertionSuccess();
}

// Every state that a user or a caller can observe, as one comparable text.
inline std::string dump(const Form2& f) {
    const Controls& c = f.controls();
    std::ostringstream out;
    for (int rod = 0; rod < rodCount; ++rod) {
        for (int i : upperCellIndices)
            out << static_cast<int>(c.cell(Deck::Upper, rod, i).image)
                << c.cell(Deck::Upper, rod, i).enabled;
        for (int i = 0; i < lowerCellCount; ++i)
            out << static_cast<int>(c.cell(Deck::Lower, rod, i).image)
                << c.cell(Deck::Lower, rod, i).enabled;
        out << ' ' << f.upvalAt(rod) << '+' << f.lowvalAt(rod) << ' ' << f.rodstrAt(rod) << ' '
            << f.digstrAt(rod) << " [" << c.rodLabel(rod).caption << c.rodLabel(rod).visible
            << "]\n";
    }
    for (int k = 0; k < keyCount; ++k)
        out << c.keyEnabled(static_cast<Key>(k));
    out << " option " << c.selectedOption() << " [" << c.resultLine().caption
        << c.resultLine().visible << "] " << f.digit << ' ' << f.digit1 << ' ' << f.num2 << ' '
        << f.dot << ' ' << f.firstnum << " beeps " << c.beepCount();
    for (int i = 0; i <= 10; ++i)
        out << ' ' << f.numstrAt(i);
    return out.str();
}

} // namespace driver

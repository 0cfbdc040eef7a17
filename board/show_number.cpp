#include "app/form2.h"
#include "convert/convert.h"

#include <string>

// A digit 5 or above has the upper bead worth 5 against the beam and d - 5
// lower beads; below 5, no upper bead and d lower beads. The second upper bead
// and the fifth lower bead keep their pictures. The rod's bead values follow
// the picture, so that a later click on one deck adds to what the other shows.
void Form2::showDigit(int rod, int value) {
    const int fives = value >= 5 ? 5 : 0;
    const int ones = value - fives;
    for (int cell = 0; cell <= 4; ++cell)
        controls_.setImage(Deck::Lower, rod, cell, Image::Bead);
    controls_.setImage(Deck::Upper, rod, 0, fives != 0 ? Image::Bead : Image::Gap);
    controls_.setImage(Deck::Upper, rod, 5, fives != 0 ? Image::Gap : Image::Bead);
    controls_.setImage(Deck::Lower, rod, ones, Image::Gap);
    upval.at(idx(rod)) = static_cast<Integer>(fives);
    lowval.at(idx(rod)) = static_cast<Integer>(ones);
}

// Lays the number text in numstr(3) onto the ten rods, its units digit on rod
// `dot`, and leaves the digit of each rod in digstr.
void Form2::ShowNumber() {
    const std::string& text = numstr[3];
    std::string& digits = numstr[7];
    const auto point = text.find('.');
    if (dot != 0 && point != std::string::npos) {
        numstr[5] = text.substr(0, point);
        const auto places = static_cast<std::size_t>(dot);
        numstr[6] = text.size() > places ? text.substr(text.size() - places) : text;
        digits = numstr[5] + numstr[6];
    } else {
        // A whole number, or one without a point to place (a hexadecimal
        // result while another point is chosen): its units digit goes on rod 0.
        digits = text;
    }

    // Exactly ten characters, one per rod. A longer text cannot come from the
    // callers' limits; should one come, its last ten characters are shown.
    if (digits.size() < rodCount) {
        const auto zeros = rodCount - digits.size();
        digits.insert(0, zeros, '0');
    } else {
        digits.erase(0, digits.size() - rodCount);
    }

    for (int rod = 0; rod < rodCount; ++rod) {
        const char c = digits[digits.size() - 1 - idx(rod)];
        // Anything but a digit ("-", ".", a letter) reads as 0.
        const int num = c >= '0' && c <= '9' ? c - '0' : 0;
        digstr.at(idx(rod)) = std::string(1, static_cast<char>('0' + num));
        showDigit(rod, num);
    }
}

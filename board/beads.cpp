#include "app/form2.h"
#include "convert/convert.h"

// A deck shows its value by where its one gap lies: the beads between the gap
// and the beam count. The extra-bead image marks the second upper bead and the
// fifth lower bead, which only values above 9 use, while they rest.

void Form2::showUpperDeck(int rod, int value) {
    controls_.setImage(Deck::Upper, rod, 1, value == 10 ? Image::Gap : Image::ExtraBead);
    controls_.setImage(Deck::Upper, rod, 5, value == 5 ? Image::Gap : Image::Bead);
    controls_.setImage(Deck::Upper, rod, 0, value == 0 ? Image::Gap : Image::Bead);
}

void Form2::showLowerDeck(int rod, int value) {
    for (int cell = 0; cell <= 4; ++cell)
        controls_.setImage(Deck::Lower, rod, cell, Image::Bead);
    controls_.setImage(Deck::Lower, rod, 5, Image::ExtraBead);
    controls_.setImage(Deck::Lower, rod, value, Image::Gap);
}

void Form2::setRodText(int rod) {
    rodstr.at(idx(rod)) = convert::integerText(upval.at(idx(rod)) + lowval.at(idx(rod)));
}

// Pic05_MouseDown ... pic95_MouseDown. The button plays no part on this deck.
void Form2::UpperDeck_MouseDown(int rod, int Index, int /*Button*/) {
    if (!Controls::isCellIndex(Deck::Upper, Index))
        return;
    const int value = Index == 0 ? 0 : Index == 5 ? 5 : 10;
    showUpperDeck(rod, value);
    // The fifth lower bead is only reachable while the rod holds its second 5.
    controls_.setCellEnabled(Deck::Lower, rod, 5, value == 10);
    upval.at(idx(rod)) = static_cast<Integer>(value);
    setRodText(rod);
}

// Pic0_MouseDown ... pic9_MouseDown. The right button sets the upper deck to 5
// in the same press, so one click gives 5 to 9; every other button acts as
// the left one.
void Form2::LowerDeck_MouseDown(int rod, int Index, int Button) {
    if (!Controls::isCellIndex(Deck::Lower, Index))
        return;
    controls_.setCellEnabled(Deck::Lower, rod, 5, false);
    showLowerDeck(rod, Index);
    lowval.at(idx(rod)) = static_cast<Integer>(Index);
    setRodText(rod);
    // Read off the picture: the upper deck holds 10 while its top cell is the gap.
    if (controls_.shows(Deck::Upper, rod, 1, Image::Gap))
        controls_.setCellEnabled(Deck::Lower, rod, 5, true);
    if (Button == 2) {
        showUpperDeck(rod, 5);
        controls_.setCellEnabled(Deck::Lower, rod, 5, false);
        upval.at(idx(rod)) = 5;
        setRodText(rod);
    }
}

#include "app/controls.h"

#include <stdexcept>

namespace {

std::size_t upperSlot(int index) {
    switch (index) {
    case 0:
        return 0;
    case 5:
        return 1;
    case 1:
        return 2;
    default:
        throw std::out_of_range("no upper-deck cell with this index");
    }
}

} // namespace

Controls::Controls() {
    // The layout's picture: every control enabled, every rod at 0, the rod
    // labels hidden and the result line shown and empty.
    for (int rod = 0; rod < rodCount; ++rod) {
        setImage(Deck::Upper, rod, 1, Image::ExtraBead);
        setImage(Deck::Upper, rod, 5, Image::Bead);
        setImage(Deck::Upper, rod, 0, Image::Gap);
        setImage(Deck::Lower, rod, 0, Image::Gap);
        for (int i = 1; i <= 4; ++i)
            setImage(Deck::Lower, rod, i, Image::Bead);
        setImage(Deck::Lower, rod, 5, Image::ExtraBead);
        rodLabel(rod).visible = false;
    }
    keys_.fill(true);
}

bool Controls::isCellIndex(Deck deck, int index) {
    if (deck == Deck::Lower)
        return index >= 0 && index < lowerCellCount;
    return index == 0 || index == 1 || index == 5;
}

Cell& Controls::cell(Deck deck, int rod, int index) {
    auto r = static_cast<std::size_t>(rod);
    if (deck == Deck::Upper)
        return upper_.at(r)[upperSlot(index)];
    return lower_.at(r).at(static_cast<std::size_t>(index));
}

const Cell& Controls::cell(Deck deck, int rod, int index) const {
    return const_cast<Controls*>(this)->cell(deck, rod, index);
}

bool Controls::shows(Deck deck, int rod, int index, Image image) const {
    return cell(deck, rod, index).image == image;
}

void Controls::selectOption(int index) {
    if (selectedOption_ == index)
        return;
    selectedOption_ = index;
    if (optionClick_)
        optionClick_(index);
}

void Controls::beep() {
    ++beepCount_;
    if (beepSound_)
        beepSound_();
}

#include "board/board.h"

#include <string>

namespace {

constexpr int upperExtraCell = upperCellCount - 1;
constexpr int lowerExtraCell = lowerCellCount - 1;

bool isCell(Deck deck, int cell) {
    return cell >= 0 && cell < (deck == Deck::Upper ? upperCellCount : lowerCellCount);
}

} // namespace

Image Board::image(Deck deck, int rod, int cell) const {
    const bool upper = deck == Deck::Upper;
    const int gap = upper ? upperCellFor(upperValue(rod)) : lowerValue(rod);
    if (cell == gap)
        return Image::Gap;
    return cell == (upper ? upperExtraCell : lowerExtraCell) ? Image::ExtraBead : Image::Bead;
}

bool Board::takesPress(Deck deck, int rod, int cell) const {
    if (!isCell(deck, cell))
        return false;
    if (deck == Deck::Upper)
        return cell != upperExtraCell || upperExtraTakes_.at(slot(rod));
    return cell != lowerExtraCell || lowerExtraTakes_.at(slot(rod));
}

bool Board::press(int rod, BeadPress cell, MouseButton button) {
    if (!takesPress(cell.deck, rod, cell.cell))
        return false;
    if (cell.deck == Deck::Upper) {
        upper_.at(slot(rod)) = upperCellValue(cell.cell);
        lowerExtraTakes_.at(slot(rod)) = upperValue(rod) == upperCellValue(upperExtraCell);
        return true;
    }
    setLower(rod, cell.cell);
    if (button == MouseButton::Right) {
        upper_.at(slot(rod)) = upperCellValue(1);
        lowerExtraTakes_.at(slot(rod)) = false;
    }
    return true;
}

void Board::setLower(int rod, int cell) {
    lower_.at(slot(rod)) = cell;
    lowerExtraTakes_.at(slot(rod)) = upperValue(rod) == upperCellValue(upperExtraCell);
}

bool Board::canHold(int rod, int value) const {
    if (value < 0 || value > 15)
        return false;
    return value <= 9 || takesPress(Deck::Upper, rod, upperExtraCell);
}

bool Board::setRod(int rod, int value) {
    if (!canHold(rod, value))
        return false;
    const int fives = upperShareOf(value);
    press(rod, {Deck::Upper, upperCellFor(fives)});
    press(rod, {Deck::Lower, value - fives});
    return true;
}

void Board::reset() {
    upper_.fill(0);
    lower_.fill(0);
}

std::array<int, rodCount> Board::layNumber(std::string_view text, int point) {
    std::string digits(text);
    if (const auto dot = text.find('.'); point > 0 && dot != std::string_view::npos) {
        const auto places = static_cast<std::size_t>(point);
        const std::string_view decimals =
            text.size() > places ? text.substr(text.size() - places) : text;
        digits = std::string(text.substr(0, dot)).append(decimals);
    }
    // One character per rod: a longer text cannot come from the calculation's
    // limits; should one come, its last ten characters are laid.
    if (digits.size() < rodCount)
        digits.insert(0, rodCount - digits.size(), '0');
    std::array<int, rodCount> laid{};
    for (int rod = 0; rod < rodCount; ++rod) {
        const char c = digits[digits.size() - 1 - static_cast<std::size_t>(rod)];
        const int digit = c >= '0' && c <= '9' ? c - '0' : 0;
        laid.at(slot(rod)) = digit;
        upper_.at(slot(rod)) = upperShareOf(digit);
        lower_.at(slot(rod)) = digit - upperValue(rod);
    }
    return laid;
}

void Board::useHexadecimalDigits(bool on) {
    for (int rod = 0; rod < rodCount; ++rod) {
        upperExtraTakes_.at(slot(rod)) = on && rod < hexadecimalRodCount;
        if (!on)
            lowerExtraTakes_.at(slot(rod)) = false;
    }
}

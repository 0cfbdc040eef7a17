#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The abacus board: ten rods side by side, rod 0 the rightmost and the least
// significant. Each rod has an upper deck of two beads worth 5 and a lower
// deck of five beads worth 1, and holds 0 to 15.
//
// A deck is drawn as a column of cells, counted from the beam outwards; its
// one gap lies in the cell its value names, and the beads between the gap and
// the beam count. The upper deck's cells 0, 1 and 2 stand for 0, 5 and 10; the
// lower deck's cells 0 to 5 for 0 to 5. The outermost cell of each deck holds
// the extra bead that only values above 9 use.

inline constexpr int rodCount = 10;
inline constexpr int upperCellCount = 3;
inline constexpr int lowerCellCount = 6;
// Hexadecimal work uses rods 0 to 7: only they hold digits above 9.
inline constexpr int hexadecimalRodCount = 8;

enum class Deck : std::uint8_t { Upper, Lower };
enum class Image : std::uint8_t { Gap, Bead, ExtraBead };
enum class MouseButton : std::uint8_t { Left, Right, Other };

// What an upper cell stands for, and the cell that stands for a value.
constexpr int upperCellValue(int cell) {
    return 5 * cell;
}
constexpr int upperCellFor(int fives) {
    return fives / upperCellValue(1);
}
// The upper deck's share of a rod's value (0, 5 or 10): the lower deck holds
// the rest, 0 to 5.
constexpr int upperShareOf(int value) {
    const int cell = upperCellFor(value);
    return upperCellValue(cell < upperCellCount ? cell : upperCellCount - 1);
}

// The largest whole number the rods hold: ten decimal digits, or eight
// hexadecimal ones on rods 0 to 7.
constexpr std::uint64_t largestOnRods(bool hexadecimal) {
    std::uint64_t limit = 1;
    for (int rod = 0; rod < (hexadecimal ? hexadecimalRodCount : rodCount); ++rod)
        limit *= hexadecimal ? 16 : 10;
    return limit - 1;
}

// A value for each rod, rod 0 first.
using Rods = std::array<int, rodCount>;

// A press on one cell of one deck.
struct BeadPress {
    Deck deck;
    int cell;
};

class Board {
public:
    int upperValue(int rod) const { return upper_.at(slot(rod)); }
    int lowerValue(int rod) const { return lower_.at(slot(rod)); }
    int value(int rod) const { return upperValue(rod) + lowerValue(rod); }

    Image image(Deck deck, int rod, int cell) const;
    // Every cell takes presses but the extra beads: the upper one on rods 0 to
    // 7 in hexadecimal work, the lower one while its rod's upper deck holds 10
    // (and after the board is zeroed, until the next press on that rod).
    bool takesPress(Deck deck, int rod, int cell) const;

    // A mouse press on a cell, as a user makes it; false when the cell takes
    // no press. On the lower deck the right button also sets the upper deck to
    // 5, so one click gives 5 to 9; any other button acts as the left one. On
    // the upper deck the button plays no part.
    bool press(int rod, BeadPress cell, MouseButton button = MouseButton::Left);

    // Whether the presses of setRod can take the rod to value now.
    bool canHold(int rod, int value) const;
    // Sets a rod to value with the presses a user would make: the upper deck
    // first, since the lower extra bead takes presses only while the upper
    // deck holds 10. False, and nothing pressed, when the rod cannot hold it.
    bool setRod(int rod, int value);

    // Every rod back to 0; which cells take presses stays as it is.
    void reset();

    // Lays a number text onto the rods, its units digit on rod `point`, and
    // returns the digit laid on each rod. The digits after the text's "." are
    // the last `point` characters of the text; a text without one, or point 0,
    // is laid as a whole number. A character that is no digit lays 0.
    std::array<int, rodCount> layNumber(std::string_view text, int point);

    // In hexadecimal work the upper extra beads of rods 0 to 7 take presses;
    // in decimal work no extra bead does.
    void useHexadecimalDigits(bool on);

    // The same rods and the same cells taking presses.
    friend bool operator==(const Board&, const Board&) = default;

private:
    static std::size_t slot(int rod) { return static_cast<std::size_t>(rod); }
    void setLower(int rod, int cell);

    std::array<int, rodCount> upper_{};
    std::array<int, rodCount> lower_{};
    std::array<bool, rodCount> upperExtraTakes_{};
    std::array<bool, rodCount> lowerExtraTakes_{};
};

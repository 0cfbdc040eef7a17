#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The key row over the board, left to right. "H.+" and "H.-" stand on the
// window but never take a click.
enum class Key : std::uint8_t {
    Multiply,
    Divide,
    Equals,
    Clear,
    Convert,     // "H-D": converts between hexadecimal and decimal
    Hexadecimal, // "Hex": hexadecimal work
    HexPlus,
    HexMinus,
};

inline constexpr int keyCount = 8;

// What each key's face says, in the order of the row.
inline constexpr std::array<std::string_view, keyCount> keyCaptions{"*",   "/",   "=",   "C",
                                                                    "H-D", "Hex", "H.+", "H.-"};

constexpr std::string_view captionOf(Key key) {
    return keyCaptions[static_cast<std::size_t>(key)];
}

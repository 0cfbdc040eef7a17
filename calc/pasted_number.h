#pragma once

#include "app/form2.h"
#include "board/rod_entry.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>

namespace calc {

// A number with its point, a result line's "D = " and a few blanks around it
// fits well within this many bytes; a longer text is refused without being
// read. A caller holding a huge clipboard may cut it to one byte more than
// this before handing it over.
inline constexpr std::size_t pasteTextLimit = 64;

// The value (0 to 15) that each rod 0 to 9 takes when `text` (UTF-8) is pasted
// onto the board in its present mode and point, or nothing when the text is
// not a number the board can hold. Blanks and line ends around the number are
// ignored. A leading "D = " marks a decimal number and "H = " a hexadecimal
// one, as the result line writes them; without either the number is in the
// mode's base. In decimal mode the number is laid in decimal digits, its whole
// digits from rod `dot` leftwards and its decimals from rod dot - 1
// rightwards; a decimal number may have one "." among its digits, a
// hexadecimal one must be whole. In hexadecimal mode it is laid as one to
// eight hexadecimal digits on rods 0 to 7; a decimal number must be whole.
// Every rod the number does not reach takes 0.
std::optional<std::array<int, rodCount>> pastedRods(const Form2& form, std::string_view text);

// One bead press of a paste: the rod and the cell pressed with the left button.
using PressBead = std::function<void(int rod, board::BeadPress press)>;

// Pastes `text`: when it is a number the board can hold, makes through `press`
// (by default the form's own bead handlers) the presses that set each rod, rod
// 9 first, as a typed digit would, and returns true. Otherwise sounds the beep
// once, changes nothing else and returns false.
bool paste(Form2& form, std::string_view text, const PressBead& press = {});

} // namespace calc

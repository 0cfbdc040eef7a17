#pragma once

#include "board/board.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

// An exercise of a lesson: two whole numbers added or subtracted by hand on
// the rods, in decimal on all ten rods or in hexadecimal on rods 0 to 7.
namespace lesson {

using ::Rods;

enum class Sign : std::uint8_t { Plus, Minus };

struct Exercise {
    std::uint64_t first = 0;
    Sign sign = Sign::Plus;
    std::uint64_t second = 0;
    int base = 10;

    std::uint64_t answer() const { return sign == Sign::Plus ? first + second : first - second; }
    friend bool operator==(const Exercise&, const Exercise&) = default;
};

// Why a typed exercise is no exercise.
enum class Refusal : std::uint8_t {
    NotAnExercise, // not two whole numbers with "+" or "-" between them
    DoesNotFit,    // a number or the answer needs more rods than the base has
    Negative,      // the answer would be below zero
};

// Reads "27+45", "100 - 58" or, in base 16, "F+1" (blanks allowed; "−" as a
// minus too).
std::variant<Exercise, Refusal> readExercise(std::string_view text, int base);

// The graded series, in order: direct moves, with 5, with the base, with
// both, carries across several rods, then the same for subtraction. After
// the last it starts again.
Exercise seriesExercise(std::size_t index, int base);

// The rods showing a number, its units on rod 0.
Rods rodsOf(std::uint64_t number, int base);
// A number as written in its base, upper-case.
std::string written(std::uint64_t number, int base);

} // namespace lesson

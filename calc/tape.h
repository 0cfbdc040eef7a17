#pragma once

#include <cstdint>
#include <optional>
#include <string>

// One line of the tape: a finished calculation, as the calculation read and
// laid its numbers. The window words it in the user's language.
struct TapeEntry {
    enum class Operation : std::uint8_t {
        Multiply,      // first × second
        Divide,        // first ÷ second
        ToDecimal,     // "H-D" in hexadecimal mode: the hexadecimal first, in decimal
        ToHexadecimal, // "H-D" in decimal mode: the decimal first, in hexadecimal
        Add,           // first + second, done by hand in a lesson
        Subtract,      // first - second, done by hand in a lesson
    };

    Operation operation = Operation::Multiply;
    // Multiply, Divide, Add and Subtract: the operands and the result are
    // hexadecimal.
    bool hexadecimal = false;
    std::string first{};
    // Empty for a conversion.
    std::string second{};
    // Nothing when the calculation was refused.
    std::optional<std::string> result{};

    // Whether the result is written in hexadecimal.
    bool hexadecimalResult() const {
        return operation == Operation::ToHexadecimal ||
               (hexadecimal && operation != Operation::ToDecimal);
    }

    friend bool operator==(const TapeEntry&, const TapeEntry&) = default;
};

namespace calc {

// The entry's result as Ctrl+C copies a number: with the "D = " or "H = "
// of the result line where the calculation wrote its result there (hexadecimal
// work and "H-D"), bare where it lies on the rods; empty when refused.
std::string copiedResult(const TapeEntry& entry);

} // namespace calc

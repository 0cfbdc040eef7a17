#pragma once

#include <QString>

class Form2;

// What a screen reader hears after a key of the key row has done its work.
namespace narration {

enum class After {
    Operator, // "*", "/": the board is cleared for the next number; nothing to say
    Equals,
    Convert, // "H-D"
    Clear,
    Hex,
};

// The message for the state the form is in after the key; refused tells that
// the key was refused (it beeped). Empty when there is nothing to say.
QString message(const Form2& form, After after, bool refused);

// Whether the keyboard's mark goes back to rod 0 after the key: after a
// clear of any kind, as the board starts afresh.
bool marksRodZero(After after, bool refused);

} // namespace narration

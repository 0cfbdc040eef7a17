#pragma once

#include "calc/keys.h"

#include <QString>

struct Calculator;

// What a screen reader hears after a key of the key row has done its work.
namespace narration {

// The message for the state the calculator is in after the key; refused tells that
// the key was refused (it beeped). Empty when there is nothing to say: after
// "*" and "/" the board is only cleared for the next number.
QString message(const Calculator& calculator, Key key, bool refused);

// Whether the keyboard's mark goes back to rod 0 after the key: after a
// clear of any kind, as the board starts afresh.
bool marksRodZero(Key key, bool refused);

} // namespace narration

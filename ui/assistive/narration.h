#pragma once

#include "calc/answer.h"
#include "ui/assistive/speech.h"

#include <QString>

// What a screen reader hears after a user's event, from what the event did.
namespace narration {

// The message for an event's answer; empty when there is nothing to say:
// after "*" and "/" the board is only cleared for the next number, and a
// changed rod is told as its digit, by the rods themselves. Undo and redo say
// what they did and what the board then reads.
QString message(const Answer& answer);

// A refusal interrupts what the screen reader is saying; anything else waits.
speech::Politeness politeness(const Answer& answer);

// Whether the marked rod says its new digit: after a bead press, a typed
// digit or the beam, not after a key, a paste, an undo or a redo, which are
// told as a whole.
bool saysMarkedDigit(const Answer& answer);

// Whether the keyboard's mark goes back to rod 0: after a clear of any kind,
// as the board starts afresh.
bool marksRodZero(const Answer& answer);

} // namespace narration

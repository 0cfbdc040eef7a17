#pragma once

#include <QString>

struct Calculator;

// Ctrl+C and Ctrl+V: the number the window shows, as text on the clipboard.
namespace clipboard {

// Puts the number the window shows on the clipboard.
void copy(const Calculator& calculator);

// Lays the clipboard's number onto the rods with the bead presses a user
// would make; a text that is no number the board can hold changes nothing but
// the beep. Tells whether it was laid, and what to tell the user; the caller
// shows the rods and tells of them.
struct Pasted {
    bool laid;
    QString message;
};
Pasted paste(Calculator& calculator);

} // namespace clipboard

#pragma once

#include <QString>

class BoardKeys;
class Form2;

// Ctrl+C and Ctrl+V: the number the window shows, as text on the clipboard.
namespace clipboard {

// Puts the number the window shows on the clipboard.
void copy(const Form2& form);

// Lays the clipboard's number onto the rods with the bead presses a user
// would make, as one change of the board; a text that is no number the board
// can hold changes nothing. Tells whether it was laid, and what to tell the
// user.
struct Pasted {
    bool laid;
    QString message;
};
Pasted paste(Form2& form, BoardKeys& board);

} // namespace clipboard

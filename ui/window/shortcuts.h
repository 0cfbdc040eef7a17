#pragma once

#include "calc/keys.h"

#include <optional>

class QKeyEvent;

// The window's own keys: what a key press that reaches the window asks of it.
// The board takes its digits and arrows first (ui/widgets/board_keys.h).
namespace shortcuts {

struct Command {
    enum class Kind { Zoom, Copy, Paste, Undo, Redo, Tape, Help, Lesson, EndLesson, PressKey };
    Kind kind;
    // Zoom: 1 larger, -1 smaller, 0 back to 100 %.
    int zoomDirection = 0;
    // PressKey: the key of the key row it clicks.
    Key key = {};
};

// The zoom keys: Ctrl+Plus (also Ctrl+= and the keypad's Ctrl++), Ctrl+Minus
// and Ctrl+0, Shift allowed, as "+" is a shifted key on most layouts; Ctrl+C;
// Ctrl+V and Shift+Insert; Ctrl+Z (undo), Ctrl+Shift+Z and Ctrl+Y (redo);
// Ctrl+H (the tape); F1 (the keys' help); Ctrl+L (a lesson) and, while its
// strip is open, Escape (its end); and the keys of the key row
// (ui/widgets/key_row.h).
// Nothing for any other key.
std::optional<Command> commandFor(const QKeyEvent& event, bool lessonOpen = false);

} // namespace shortcuts

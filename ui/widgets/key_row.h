#pragma once

#include "app/controls.h"

#include <QKeySequence>
#include <QList>
#include <QString>

#include <array>
#include <optional>
#include <string_view>

class Form2;
class QKeyEvent;

// The key row over the board, each key described once: where it stands, what
// its face shows, what a screen reader calls it, the keyboard keys that press
// it and the form's handler it runs. The layout, the window, the tooltips and
// the accessibility code all read this one table.
namespace key_row {

struct Entry {
    Key key;
    std::string_view name; // its control, "Command1" ...
    int index;             // its element of a control array, -1 for a single control
    int left;              // in twips; the keys share the row's top, width and height
    std::string_view caption;
    bool picture;           // its face is a drawn symbol rather than its caption
    const char* spokenName; // untranslated, in the Accessibility context; null: never in use
    // The keyboard keys that press it, in the order its tooltip names them;
    // Qt::Key_unknown fills the rest.
    std::array<Qt::Key, 3> keyboard;
    void (*click)(Form2& form);
};

// Left to right.
const std::array<Entry, keyCount>& entries();
const Entry& entryOf(Key key);

// The key of the key row that a key press stands for, if any: the keys in the
// table typed alone, with Shift (a capital letter, or "*" on most layouts) or
// on the keypad; never with Ctrl, Alt or Meta.
std::optional<Key> keyFor(const QKeyEvent& event);

// The keys that press a key of the key row, for its tooltip.
QList<QKeySequence> sequencesOf(Key key);

// A key's tooltip: its spoken name and the keyboard keys that press it.
QString tooltip(Key key, const QString& spokenName);

} // namespace key_row

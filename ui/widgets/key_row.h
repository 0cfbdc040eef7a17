#pragma once

#include "calc/keys.h"

#include <QKeySequence>
#include <QList>
#include <QString>

#include <array>
#include <optional>

class QKeyEvent;

// What the window adds to each key of the key row, whose order, meaning and
// face are the core's (calc/keys.h): where it stands, whether its face is a
// drawn symbol, what a screen reader calls it and the keyboard keys that press
// it. The layout, the window, the tooltips and the accessibility code all read
// this one table.
namespace key_row {

struct Entry {
    Key key;
    int left;               // in twips; the keys share the row's top, width and height
    bool picture;           // its face is a drawn symbol rather than its caption
    const char* spokenName; // untranslated, in the Accessibility context; null: never in use
    // The keyboard keys that press it, in the order its tooltip names them;
    // Qt::Key_unknown fills the rest.
    std::array<Qt::Key, 3> keyboard;
};

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

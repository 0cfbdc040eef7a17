#pragma once

#include "ui/controls.h"

#include <QKeySequence>
#include <QList>

#include <optional>

class QKeyEvent;

// The keyboard's keys for the key row, in one table. The window handles them
// as key presses, not as application-wide shortcuts, so that a screen reader
// sees every key before the calculator does and can keep its own.
namespace key_table {

// The key of the key row that a key press stands for, if any: the keys in the
// table typed alone, with Shift (a capital letter, or "*" on most layouts) or
// on the keypad; never with Ctrl, Alt or Meta.
std::optional<Key> keyFor(const QKeyEvent& event);

// The keys that press a key of the key row, for its tooltip.
QList<QKeySequence> sequencesOf(Key key);

} // namespace key_table

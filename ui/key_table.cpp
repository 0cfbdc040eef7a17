#include "ui/key_table.h"

#include <QKeyEvent>

#include <array>

namespace key_table {
namespace {

struct Binding {
    Qt::Key qtKey;
    Key key;
};

// In the order the tooltips name them.
constexpr std::array<Binding, 9> bindings{{
    {Qt::Key_Asterisk, Key::Multiply},
    {Qt::Key_Slash, Key::Divide},
    {Qt::Key_Equal, Key::Equals},
    {Qt::Key_Return, Key::Equals},
    {Qt::Key_Enter, Key::Equals},
    {Qt::Key_C, Key::Clear},
    {Qt::Key_Escape, Key::Clear},
    {Qt::Key_H, Key::HexDec},
    {Qt::Key_X, Key::Hex},
}};

} // namespace

std::optional<Key> keyFor(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    for (const Binding& b : bindings)
        if (event.key() == b.qtKey)
            return b.key;
    return std::nullopt;
}

QList<QKeySequence> sequencesOf(Key key) {
    QList<QKeySequence> keys;
    for (const Binding& b : bindings)
        if (b.key == key)
            keys.append(QKeySequence(b.qtKey));
    return keys;
}

} // namespace key_table

#include "ui/widgets/key_row.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace key_row {
namespace {

// The context of this file's texts in the translations.
struct Keyboard {
    Q_DECLARE_TR_FUNCTIONS(Keyboard)
};

constexpr Qt::Key none = Qt::Key_unknown;

// Indexed by Key, left to right.
constexpr std::array<Entry, keyCount> table{{
    {Key::Multiply,
     1725,
     true,
     QT_TRANSLATE_NOOP("Accessibility", "Multiply"),
     {Qt::Key_Asterisk, none, none}},
    {Key::Divide,
     2164,
     true,
     QT_TRANSLATE_NOOP("Accessibility", "Divide"),
     {Qt::Key_Slash, none, none}},
    {Key::Equals,
     2603,
     true,
     QT_TRANSLATE_NOOP("Accessibility", "Equals"),
     {Qt::Key_Equal, Qt::Key_Return, Qt::Key_Enter}},
    {Key::Clear,
     3042,
     true,
     QT_TRANSLATE_NOOP("Accessibility", "Clear"),
     {Qt::Key_C, Qt::Key_Escape, none}},
    {Key::Convert,
     3481,
     false,
     QT_TRANSLATE_NOOP("Accessibility", "Convert between hexadecimal and decimal"),
     {Qt::Key_H, none, none}},
    {Key::Hexadecimal,
     3920,
     false,
     QT_TRANSLATE_NOOP("Accessibility", "Hexadecimal mode"),
     {Qt::Key_X, none, none}},
    // "H.+" and "H.-" stand on the window but are never enabled.
    {Key::HexPlus, 4359, false, nullptr, {none, none, none}},
    {Key::HexMinus, 4800, false, nullptr, {none, none, none}},
}};

constexpr bool inKeyOrder() {
    for (std::size_t i = 0; i < table.size(); ++i)
        if (static_cast<std::size_t>(table[i].key) != i)
            return false;
    return true;
}
static_assert(inKeyOrder(), "each row of the key row's table stands at its key's place");

} // namespace

const Entry& entryOf(Key key) {
    return table[static_cast<std::size_t>(key)];
}

std::optional<Key> keyFor(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    for (const Entry& e : table)
        for (const Qt::Key k : e.keyboard)
            if (k != none && event.key() == k)
                return e.key;
    return std::nullopt;
}

QList<QKeySequence> sequencesOf(Key key) {
    QList<QKeySequence> keys;
    for (const Qt::Key k : entryOf(key).keyboard)
        if (k != none)
            keys.append(QKeySequence(k));
    return keys;
}

QString tooltip(Key key, const QString& spokenName) {
    QStringList names;
    for (const QKeySequence& sequence : sequencesOf(key))
        names << sequence.toString(QKeySequence::NativeText);
    // A language may name two keys alike: Return and Enter are both 回车.
    names.removeDuplicates();
    return names.isEmpty()
               ? spokenName
               : Keyboard::tr("%1 (%2)").arg(spokenName, names.join(Keyboard::tr(", ")));
}

} // namespace key_row

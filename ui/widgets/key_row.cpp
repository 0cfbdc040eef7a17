#include "ui/widgets/key_row.h"

#include "app/form2.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace key_row {
namespace {

// The context of this file's texts in the translations.
struct Keyboard {
    Q_DECLARE_TR_FUNCTIONS(Keyboard)
};

constexpr Qt::Key none = Qt::Key_unknown;

constexpr std::array<Entry, keyCount> table{{
    {Key::Multiply,
     "Command1",
     0,
     1725,
     "*",
     true,
     QT_TRANSLATE_NOOP("Accessibility", "Multiply"),
     {Qt::Key_Asterisk, none, none},
     [](Form2& f) { f.Command1_Click(0); }},
    {Key::Divide,
     "Command1",
     1,
     2164,
     "/",
     true,
     QT_TRANSLATE_NOOP("Accessibility", "Divide"),
     {Qt::Key_Slash, none, none},
     [](Form2& f) { f.Command1_Click(1); }},
    {Key::Equals,
     "Command3",
     -1,
     2603,
     "=",
     true,
     QT_TRANSLATE_NOOP("Accessibility", "Equals"),
     {Qt::Key_Equal, Qt::Key_Return, Qt::Key_Enter},
     [](Form2& f) { f.Command3_Click(); }},
    {Key::Clear,
     "Command4",
     -1,
     3042,
     "C",
     true,
     QT_TRANSLATE_NOOP("Accessibility", "Clear"),
     {Qt::Key_C, Qt::Key_Escape, none},
     [](Form2& f) { f.Command4_Click(); }},
    {Key::HexDec,
     "Command5",
     -1,
     3481,
     "H-D",
     false,
     QT_TRANSLATE_NOOP("Accessibility", "Convert between hexadecimal and decimal"),
     {Qt::Key_H, none, none},
     [](Form2& f) { f.Command5_Click(); }},
    {Key::Hex,
     "Command6",
     -1,
     3920,
     "Hex",
     false,
     QT_TRANSLATE_NOOP("Accessibility", "Hexadecimal mode"),
     {Qt::Key_X, none, none},
     [](Form2& f) { f.Command6_Click(); }},
    // "H.+" and "H.-" stand on the window but are never enabled.
    {Key::HexPlus,
     "Command1",
     2,
     4359,
     "H.+",
     false,
     nullptr,
     {none, none, none},
     [](Form2& f) { f.Command1_Click(2); }},
    {Key::HexMinus,
     "Command1",
     3,
     4800,
     "H.-",
     false,
     nullptr,
     {none, none, none},
     [](Form2& f) { f.Command1_Click(3); }},
}};

} // namespace

const std::array<Entry, keyCount>& entries() {
    return table;
}

const Entry& entryOf(Key key) {
    for (const Entry& e : table)
        if (e.key == key)
            return e;
    return table.front(); // unreachable: every key has its entry
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

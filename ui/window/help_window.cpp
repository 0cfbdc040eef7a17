#include "ui/window/help_window.h"

#include "ui/widgets/key_row.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// The context of the help's texts in the translations.
struct Help {
    Q_DECLARE_TR_FUNCTIONS(Help)
};

QString named(const QList<QKeySequence>& sequences) {
    QStringList names;
    for (const QKeySequence& sequence : sequences)
        names << sequence.toString(QKeySequence::NativeText);
    // A language may name two keys alike: Return and Enter are both 回车.
    names.removeDuplicates();
    return names.join(Help::tr(", "));
}

QString line(const QString& keys, const QString& what) {
    return Help::tr("%1: %2").arg(keys, what);
}

QStringList keyRowLines() {
    QStringList lines;
    for (int i = 0; i < keyCount; ++i) {
        const Key key = static_cast<Key>(i);
        const key_row::Entry& entry = key_row::entryOf(key);
        const QList<QKeySequence> sequences = key_row::sequencesOf(key);
        if (!entry.spokenName || sequences.isEmpty())
            continue;
        lines << line(named(sequences),
                      QCoreApplication::translate("Accessibility", entry.spokenName));
    }
    return lines;
}

QStringList allLines() {
    const int ctrl = Qt::ControlModifier;
    QStringList lines{
        line(Help::tr("0 to 9, and A to F in hexadecimal work"),
             Help::tr("the digit on the marked rod")),
        line(named({Qt::Key_Left, Qt::Key_Right}), Help::tr("move the mark from rod to rod")),
        line(named({Qt::Key_Tab, Qt::Key_Backtab}),
             Help::tr("move the focus between the board, the keys and the point buttons"))};
    lines << keyRowLines();
    lines << line(named({ctrl | Qt::Key_Plus, ctrl | Qt::Key_Minus}), Help::tr("zoom in, zoom out"))
          << line(named({ctrl | Qt::Key_0}), Help::tr("zoom back to 100 %"))
          << line(named({QKeySequence::Copy}), Help::tr("copy the number shown"))
          << line(named({ctrl | Qt::Key_V, Qt::ShiftModifier | Qt::Key_Insert}),
                  Help::tr("paste a number onto the rods"))
          << line(named({ctrl | Qt::Key_Z}), Help::tr("undo"))
          << line(named({ctrl | Qt::ShiftModifier | Qt::Key_Z, ctrl | Qt::Key_Y}), Help::tr("redo"))
          << line(named({ctrl | Qt::Key_H}), Help::tr("open or close the tape"))
          << line(named({Qt::Key_Return}),
                  Help::tr("in the tape: lay the line's result onto the rods"))
          << line(named({QKeySequence::Copy}), Help::tr("in the tape: copy the line's result"))
          << line(named({ctrl | Qt::Key_S}), Help::tr("in the tape: save it as a text file"))
          << line(named({ctrl | Qt::Key_L}), Help::tr("a lesson in adding or subtracting"))
          << line(named({Qt::Key_Return}),
                  Help::tr("in the lesson strip: begin the exercise typed, or the next one"))
          << line(named({Qt::Key_Escape}), Help::tr("in a lesson: end it, the board left as it is"))
          << line(named({Qt::Key_F1}), Help::tr("this list of keys"))
          << line(named({Qt::Key_Escape}), Help::tr("close this list"));
    return lines;
}

} // namespace

HelpWindow::HelpWindow(QWidget* calculator)
    : QWidget(calculator, Qt::Window), keys_(new QLabel(allLines().join(u'\n'), this)) {
    setObjectName(QStringLiteral("help"));
    setWindowTitle(Help::tr("Keys — Rodwise H-D"));
    keys_->setTextFormat(Qt::PlainText);
    // Focus and a caret let a screen reader read the list line by line.
    keys_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    keys_->setFocusPolicy(Qt::StrongFocus);
    auto* column = new QVBoxLayout(this);
    column->addWidget(keys_);
    move(calculator->frameGeometry().bottomLeft() + QPoint(0, 8));
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

#include "ui/window/shortcuts.h"

#include "ui/widgets/key_row.h"

#include <QKeyEvent>

namespace shortcuts {
namespace {

std::optional<int> zoomDirection(const QKeyEvent& event) {
    const Qt::KeyboardModifiers held =
        event.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (held != Qt::ControlModifier)
        return std::nullopt;
    switch (event.key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return 1;
    case Qt::Key_Minus:
        return -1;
    case Qt::Key_0:
        return 0;
    default:
        return std::nullopt;
    }
}

// Ctrl+Z undoes; Ctrl+Shift+Z and Ctrl+Y redo.
std::optional<Command::Kind> historyStep(const QKeyEvent& event) {
    const Qt::KeyboardModifiers held = event.modifiers() & ~Qt::KeypadModifier;
    const bool shift = held == (Qt::ControlModifier | Qt::ShiftModifier);
    if (held != Qt::ControlModifier && !shift)
        return std::nullopt;
    if (event.key() == Qt::Key_Z)
        return shift ? Command::Kind::Redo : Command::Kind::Undo;
    if (event.key() == Qt::Key_Y && !shift)
        return Command::Kind::Redo;
    return std::nullopt;
}

} // namespace

std::optional<Command> commandFor(const QKeyEvent& event, bool lessonOpen) {
    using Kind = Command::Kind;
    if (const std::optional<int> direction = zoomDirection(event))
        return Command{Kind::Zoom, *direction};
    if (event.matches(QKeySequence::Copy))
        return Command{Kind::Copy};
    if (event.matches(QKeySequence::Paste))
        return Command{Kind::Paste};
    if (const std::optional<Kind> step = historyStep(event))
        return Command{*step};
    const Qt::KeyboardModifiers held = event.modifiers() & ~Qt::KeypadModifier;
    if (event.key() == Qt::Key_H && held == Qt::ControlModifier)
        return Command{Kind::Tape};
    if (event.key() == Qt::Key_F1 && held == Qt::NoModifier)
        return Command{Kind::Help};
    if (event.key() == Qt::Key_L && held == Qt::ControlModifier)
        return Command{Kind::Lesson};
    if (lessonOpen && event.key() == Qt::Key_Escape && held == Qt::NoModifier)
        return Command{Kind::EndLesson};
    if (const std::optional<Key> key = key_row::keyFor(event))
        return Command{Kind::PressKey, 0, *key};
    return std::nullopt;
}

} // namespace shortcuts

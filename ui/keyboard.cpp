#include "ui/keyboard.h"

#include "board/rod_entry.h"
#include "calc/shown_number.h"
#include "ui/layout.h"
#include "ui/widgets.h"
#include "ui/window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPainter>
#include <QShortcut>

#include <algorithm>
#include <vector>

namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The mark's colour: the orange of the rod labels, bright on the dark bars.
const QColor markColour(0xFF, 0x80, 0x00);

} // namespace

BoardKeys::BoardKeys(Window* window) : QWidget(window), window_(window) {
    setObjectName(QStringLiteral("Board"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(QStringLiteral("Abacus board"));
    setGeometry(window->control(u"Picture22", 1)->geometry() |
                window->control(u"Picture22", 0)->geometry());
    // The mark stands on the bars alone: masked to them, this widget takes no
    // part in the repaint of a cell between them.
    setMask(QRegion(window->control(u"Picture22", 1)->geometry().translated(-pos())) +
            QRegion(window->control(u"Picture22", 0)->geometry().translated(-pos())));
    qApp->installEventFilter(this);
    describe();
}

void BoardKeys::describe() {
    const Form2& form = window_->form();
    const QString text = QStringLiteral("Rod %1 holds %2. Left and Right choose a rod; a digit "
                                        "sets it.")
                             .arg(rod_)
                             .arg(form.upvalAt(rod_) + form.lowvalAt(rod_));
    if (accessibleDescription() != text)
        setAccessibleDescription(text);
}

bool BoardKeys::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        useKeyboard(true);
        // In hexadecimal mode "C" is the digit 12 here, not the clear.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (digitOf(*key) >= 0) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

bool BoardKeys::eventFilter(QObject* watched, QEvent* event) {
    // Only a real press of a mouse button in this window hides the mark; the
    // presses that a digit sends to the cells do not.
    if (keyboardInUse_ && event->type() == QEvent::MouseButtonPress && event->spontaneous()) {
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == window())
            useKeyboard(false);
    }
    return QWidget::eventFilter(watched, event);
}

void BoardKeys::keyPressEvent(QKeyEvent* event) {
    useKeyboard(true);
    switch (event->key()) {
    case Qt::Key_Left:
        moveTo(std::min(rod_ + 1, rodCount - 1));
        return;
    case Qt::Key_Right:
        moveTo(std::max(rod_ - 1, 0));
        return;
    default:
        break;
    }
    const int value = digitOf(*event);
    if (value < 0)
        return QWidget::keyPressEvent(event);
    setDigit(value);
}

void BoardKeys::focusInEvent(QFocusEvent* event) {
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        useKeyboard(true);
    update();
    QWidget::focusInEvent(event);
}

void BoardKeys::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

void BoardKeys::paintEvent(QPaintEvent*) {
    if (!markShown())
        return;
    QPainter painter(this);
    const QRect column = columnOf(rod_);
    for (const int bar : {1, 0}) {
        const QRect place = window_->control(u"Picture22", bar)->geometry().translated(-pos());
        painter.fillRect(column.left() + 6, place.top() + 3, column.width() - 12,
                         place.height() - 6, markColour);
    }
}

int BoardKeys::digitOf(const QKeyEvent& event) const {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return -1;
    const int key = event.key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return key - Qt::Key_0;
    if (key >= Qt::Key_A && key <= Qt::Key_F && window_->form().hexMode())
        return key - Qt::Key_A + 10;
    return -1;
}

void BoardKeys::setDigit(int value) {
    if (!board::rodTakes(window_->form().controls(), rod_, value))
        return;
    for (const board::BeadPress& press : board::beadPresses(value)) {
        const auto name =
            press.deck == Deck::Upper ? layout::upperDeckName(rod_) : layout::lowerDeckName(rod_);
        static_cast<Picture*>(window_->control(qs(name), press.index))->click();
    }
}

void BoardKeys::moveTo(int rod) {
    rod_ = rod;
    describe();
    update();
}

void BoardKeys::useKeyboard(bool on) {
    if (keyboardInUse_ == on)
        return;
    keyboardInUse_ = on;
    update();
}

QRect BoardKeys::columnOf(int rod) const {
    return window_->control(qs(layout::lowerDeckName(rod)), 0)->geometry().translated(-pos());
}

void addKeyShortcuts(Window& window) {
    struct KeyShortcuts {
        const char16_t* name;
        int index;
        std::vector<QKeySequence> keys;
    };
    const KeyShortcuts table[] = {
        {u"Command1", 0, {QKeySequence(Qt::Key_Asterisk)}},
        {u"Command1", 1, {QKeySequence(Qt::Key_Slash)}},
        {u"Command3", -1, {QKeySequence(Qt::Key_Equal), Qt::Key_Return, Qt::Key_Enter}},
        {u"Command4", -1, {QKeySequence(Qt::Key_C), Qt::Key_Escape}},
        {u"Command5", -1, {QKeySequence(Qt::Key_H)}},
        {u"Command6", -1, {QKeySequence(Qt::Key_X)}},
    };
    for (const KeyShortcuts& entry : table) {
        auto* key = static_cast<QAbstractButton*>(window.control(entry.name, entry.index));
        QStringList names;
        for (const QKeySequence& sequence : entry.keys) {
            names << sequence.toString(QKeySequence::NativeText);
            // click(), not animateClick(): the handler runs before the next
            // key is read, so fast typing keeps its order.
            auto clickKey = [key] { key->click(); };
            new QShortcut(sequence, &window, clickKey);
            // A capital letter, typed with Shift, works as well.
            if (sequence[0].key() >= Qt::Key_A && sequence[0].key() <= Qt::Key_Z)
                new QShortcut(QKeySequence(Qt::SHIFT | sequence[0].key()), &window, clickKey);
        }
        key->setToolTip(key->accessibleName() + QStringLiteral(" (") + names.join(u", ") + u')');
    }

    new QShortcut(QKeySequence::Copy, &window, [&window] {
        QApplication::clipboard()->setText(
            QString::fromStdString(calc::shownNumber(window.form())));
    });
}

#include "ui/keyboard.h"

#include "board/rod_entry.h"
#include "calc/pasted_number.h"
#include "calc/shown_number.h"
#include "ui/accessibility.h"
#include "ui/key_table.h"
#include "ui/layout.h"
#include "ui/speech.h"
#include "ui/widgets.h"
#include "ui/window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>

#include <algorithm>

namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The context of this file's texts in the translations.
struct Keyboard {
    Q_DECLARE_TR_FUNCTIONS(Keyboard)
};

// The mark's colour: the orange of the rod labels, bright on the dark bars.
const QColor markColour(0xFF, 0x80, 0x00);

void copy(const Window& window) {
    QApplication::clipboard()->setText(QString::fromStdString(calc::shownNumber(window.form())));
}

void paste(Window& window) {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    const QString text = data && data->hasText()
                             ? data->text().left(qsizetype(calc::pasteTextLimit) + 1)
                             : QString();
    BoardKeys* board = window.board();
    bool laid = false;
    board->asOneChange([&] {
        laid =
            calc::paste(window.form(), text.toStdString(),
                        [board](int rod, board::BeadPress press) { board->pressBead(rod, press); });
    });
    speech::say(&window,
                laid ? Keyboard::tr("Pasted %1").arg(qs(calc::boardNumber(window.form())))
                     : Keyboard::tr("Not a number the board can hold. Nothing changed."),
                laid ? speech::Politeness::Polite : speech::Politeness::Assertive);
}

} // namespace

BoardKeys::BoardKeys(Window* window) : QWidget(window), window_(window) {
    setObjectName(QStringLiteral("Board"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(Keyboard::tr("Abacus board"));
    setGeometry(window->control(u"Picture22", 1)->geometry() |
                window->control(u"Picture22", 0)->geometry());
    // The mark stands on the bars alone: masked to them, this widget takes no
    // part in the repaint of a cell between them.
    setMask(QRegion(window->control(u"Picture22", 1)->geometry().translated(-pos())) +
            QRegion(window->control(u"Picture22", 0)->geometry().translated(-pos())));
    qApp->installEventFilter(this);
    for (int r = 0; r < rodCount; ++r)
        told_[std::size_t(r)] = valueOf(r);
}

int BoardKeys::valueOf(int rod) const {
    return window_->form().upvalAt(rod) + window_->form().lowvalAt(rod);
}

QRect BoardKeys::columnOf(int rod) const {
    const QRect cell = window_->control(qs(layout::lowerDeckName(rod)), 0)->geometry();
    return {cell.left() - x(), 0, cell.width(), height()};
}

bool BoardKeys::setRod(int rod, int value) {
    if (!board::rodTakes(window_->form().controls(), rod, value))
        return false;
    asOneChange([&] {
        for (const board::BeadPress& press : board::beadPresses(value))
            pressBead(rod, press);
    });
    return true;
}

void BoardKeys::pressBead(int rod, board::BeadPress press) {
    const auto name =
        press.deck == Deck::Upper ? layout::upperDeckName(rod) : layout::lowerDeckName(rod);
    static_cast<Picture*>(window_->control(qs(name), press.index))->click();
}

void BoardKeys::tell() {
    if (quiet_ > 0)
        return;
    for (int r = 0; r < rodCount; ++r) {
        const int now = valueOf(r);
        if (now == told_[std::size_t(r)])
            continue;
        told_[std::size_t(r)] = now;
        accessibility::rodValueChanged(this, r, now);
    }
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
    // In hexadecimal mode "C" is the digit 12 here; anything else that is no
    // digit goes on to the window, which may know it.
    const int value = digitOf(*event);
    if (value < 0)
        return QWidget::keyPressEvent(event);
    setRod(rod_, value);
}

void BoardKeys::focusInEvent(QFocusEvent* event) {
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        useKeyboard(true);
    update();
    QWidget::focusInEvent(event);
    // Qt tells of the board's focus after this returns; the rod's focus must
    // come after it to be the one a screen reader keeps.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (hasFocus())
                accessibility::rodFocused(this, rod_);
        },
        Qt::QueuedConnection);
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

void BoardKeys::moveTo(int rod) {
    if (rod == rod_)
        return;
    rod_ = rod;
    update();
    if (hasFocus())
        accessibility::rodFocused(this, rod_);
}

void BoardKeys::useKeyboard(bool on) {
    if (keyboardInUse_ == on)
        return;
    keyboardInUse_ = on;
    update();
}

bool windowKey(Window& window, QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copy(window);
        return true;
    }
    if (event->matches(QKeySequence::Paste)) {
        paste(window);
        return true;
    }
    if (const std::optional<Key> key = key_table::keyFor(*event)) {
        // A click, so a disabled key does nothing; click(), not
        // animateClick(): the handler runs before the next key is read, so
        // fast typing keeps its order.
        window.key(*key)->click();
        return true;
    }
    return false;
}

void addKeyTooltips(Window& window) {
    for (int k = 0; k < keyCount; ++k) {
        QAbstractButton* key = window.key(Key(k));
        QStringList names;
        for (const QKeySequence& sequence : key_table::sequencesOf(Key(k)))
            names << sequence.toString(QKeySequence::NativeText);
        // A language may name two keys alike: Return and Enter are both 回车.
        names.removeDuplicates();
        key->setToolTip(names.isEmpty()
                            ? key->accessibleName()
                            : Keyboard::tr("%1 (%2)").arg(key->accessibleName(),
                                                          names.join(Keyboard::tr(", "))));
    }
}

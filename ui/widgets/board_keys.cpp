#include "ui/widgets/board_keys.h"

#include "app/form2.h"
#include "board/rod_entry.h"
#include "ui/widgets/layout.h"
#include "ui/widgets/widgets.h"

#include <QCoreApplication>
#include <QKeyEvent>
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

} // namespace

BoardKeys::BoardKeys(QWidget* window, Form2& form, ControlLookup control, Listeners listeners)
    : QWidget(window), form_(form), control_(std::move(control)), listeners_(std::move(listeners)) {
    setObjectName(QStringLiteral("Board"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(Keyboard::tr("Abacus board"));
    setGeometry(control_(u"Picture22", 1)->geometry() | control_(u"Picture22", 0)->geometry());
    // The mark stands on the bars alone: masked to them, this widget takes no
    // part in the repaint of a cell between them.
    setMask(QRegion(control_(u"Picture22", 1)->geometry().translated(-pos())) +
            QRegion(control_(u"Picture22", 0)->geometry().translated(-pos())));
    qApp->installEventFilter(this);
    for (int r = 0; r < rodCount; ++r)
        told_[std::size_t(r)] = valueOf(r);
}

int BoardKeys::valueOf(int rod) const {
    return form_.upvalAt(rod) + form_.lowvalAt(rod);
}

QRect BoardKeys::columnOf(int rod) const {
    const QRect cell = control_(qs(layout::lowerDeckName(rod)), 0)->geometry();
    return {cell.left() - x(), 0, cell.width(), height()};
}

bool BoardKeys::setRod(int rod, int value) {
    if (!board::rodTakes(form_.controls(), rod, value))
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
    static_cast<Picture*>(control_(qs(name), press.index))->click();
}

void BoardKeys::tell(bool sayMarkedDigit) {
    if (quiet_ > 0)
        return;
    for (int r = 0; r < rodCount; ++r) {
        const int now = valueOf(r);
        if (now == told_[std::size_t(r)])
            continue;
        told_[std::size_t(r)] = now;
        listeners_.rodChanged(r, sayMarkedDigit);
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
                listeners_.rodFocused(rod_);
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
        const QRect place = control_(u"Picture22", bar)->geometry().translated(-pos());
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
    if (key >= Qt::Key_A && key <= Qt::Key_F && form_.hexMode())
        return key - Qt::Key_A + 10;
    return -1;
}

void BoardKeys::moveTo(int rod) {
    if (rod == rod_)
        return;
    rod_ = rod;
    update();
    if (hasFocus())
        listeners_.rodFocused(rod_);
}

void BoardKeys::useKeyboard(bool on) {
    if (keyboardInUse_ == on)
        return;
    keyboardInUse_ = on;
    update();
}

#include "ui/widgets/board_keys.h"

#include "ui/widgets/layout.h"
#include "ui/widgets/palette.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace {

// The context of this file's texts in the translations.
struct Keyboard {
    Q_DECLARE_TR_FUNCTIONS(Keyboard)
};

} // namespace

BoardKeys::BoardKeys(QWidget* window, const Calculator& calculator, ControlLookup control,
                     Listeners listeners)
    : QWidget(window), calculator_(calculator), control_(std::move(control)),
      listeners_(std::move(listeners)) {
    setObjectName(QStringLiteral("Board"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(Keyboard::tr("Abacus board"));
    relayout(100);
}

void BoardKeys::relayout(int zoomPercent) {
    zoom_ = zoomPercent;
    setGeometry(control_(u"bar", 1)->geometry() | control_(u"bar", 0)->geometry());
    // The mark stands on the bars alone: masked to them, this widget takes no
    // part in the repaint of a cell between them.
    setMask(QRegion(barIn(1)) + QRegion(barIn(0)));
}

// A bar, 0 the bottom one and 1 the top one, in this widget's coordinates.
QRect BoardKeys::barIn(int bar) const {
    return control_(u"bar", bar)->geometry().translated(-pos());
}

QRect BoardKeys::columnOf(int rod) const {
    const std::string_view name = layout::deckName(Deck::Lower, rod);
    const QRect cell =
        control_(QString::fromUtf8(name.data(), qsizetype(name.size())), 0)->geometry();
    return {cell.left() - x(), 0, cell.width(), height()};
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
    listeners_.digitTyped(rod_, value);
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
    // Inset 6 pixels from the column's sides and 3 from the bar's edges, at 100 %.
    const int side = layout::twipsToPixels(90, zoom_);
    const int edge = layout::twipsToPixels(45, zoom_);
    for (const int bar : {1, 0}) {
        const QRect place = barIn(bar);
        painter.fillRect(column.left() + side, place.top() + edge, column.width() - 2 * side,
                         place.height() - 2 * edge, palette::current().mark);
    }
}

int BoardKeys::digitOf(const QKeyEvent& event) const {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return -1;
    const int key = event.key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return key - Qt::Key_0;
    if (key >= Qt::Key_A && key <= Qt::Key_F && calculator_.calculation.hexadecimal())
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

#include "ui/assistive/accessibility.h"

#include "ui/assistive/lesson_words.h"
#include "ui/assistive/speech.h"
#include "ui/widgets/board_keys.h"
#include "ui/widgets/images.h"
#include "ui/widgets/key_row.h"
#include "ui/widgets/layout.h"
#include "ui/widgets/widgets.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>

#include <array>

namespace accessibility {
namespace {

// The context of this file's texts in the translations.
struct Accessibility {
    Q_DECLARE_TR_FUNCTIONS(Accessibility)
};

// A picture that answers a click: read as a button with a press action, which
// clicks it as the mouse does, so a disabled cell ignores it.
class PictureButton : public QAccessibleWidget {
public:
    PictureButton(Picture* picture, QAccessible::Role role) : QAccessibleWidget(picture, role) {}

    // A cell's description is what it shows, read when asked: told as a
    // change, every bead that moves would be an event for the screen reader
    // to weigh, dozens for one result.
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Description || !isCell())
            return QAccessibleWidget::text(t);
        const QImage* image = static_cast<Picture*>(widget())->image();
        const std::optional<Image> shown = image ? images::cellImage(*image) : std::nullopt;
        return shown == Image::Gap    ? Accessibility::tr("Bare rod")
               : shown == Image::Bead ? Accessibility::tr("Bead")
                                      : Accessibility::tr("Bead for values above 9");
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction())
            static_cast<Picture*>(widget())->click();
    }

private:
    // Cells report presses; the bars and the beam only clicks.
    bool isCell() const { return bool(static_cast<Picture*>(widget())->onPress); }
};

// The digit a rod shows: 0 to 9, and A to F for 10 to 15 in hexadecimal work.
QString shownDigit(const BoardKeys* board, int rod) {
    return QString::number(board->valueOf(rod), 16).toUpper();
}

// One rod of the board: a spin button named after the rod and the digit it
// shows. It has no value interface: a screen reader speaks a value as a
// number, 12 where the rod shows C. It belongs to no widget of its own; the
// board owns its place.
class Rod : public QAccessibleInterface {
public:
    Rod(BoardKeys* board, int rod) : board_(board), rod_(rod) {}

    bool isValid() const override { return board_; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return board_->window()->windowHandle(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(board_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::SpinBox; }
    QRect rect() const override {
        const QRect column = board_->columnOf(rod_);
        return {board_->mapToGlobal(column.topLeft()), column.size()};
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.focused = board_->hasFocus() && board_->rod() == rod_;
        return state;
    }
    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return Accessibility::tr("Rod %1, %2").arg(rod_).arg(shownDigit(board_, rod_));
        case QAccessible::Description: {
            // A lesson's hint says which beads to move on the rods it marks.
            const lesson::Lesson* lesson = board_->calculator().lesson();
            const QString hint = lesson ? lesson_words::hint(*lesson, rod_) : QString();
            return hint.isEmpty() ? boardReads(board_)
                                  : Accessibility::tr("%1. %2").arg(boardReads(board_), hint);
        }
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    static QString boardReads(const BoardKeys* board) {
        return Accessibility::tr("The board reads %1")
            .arg(QString::fromStdString(board->calculator().calculation.boardNumber()));
    }

private:
    QPointer<BoardKeys> board_;
    int rod_;
};

// The board: the group of the ten rods, rod 0 (the rightmost) first. The rods
// stay registered until the program ends; without their board they are no
// longer valid.
class RodGroup : public QAccessibleWidget {
public:
    explicit RodGroup(BoardKeys* board) : QAccessibleWidget(board, QAccessible::Grouping) {
        for (int r = 0; r < rodCount; ++r)
            rods_[std::size_t(r)] = QAccessible::registerAccessibleInterface(new Rod(board, r));
    }

    int childCount() const override { return rodCount; }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < rodCount
                   ? QAccessible::accessibleInterface(rods_[std::size_t(index)])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int r = 0; r < rodCount; ++r)
            if (QAccessible::accessibleInterface(rods_[std::size_t(r)]) == child)
                return r;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int r = 0; r < rodCount; ++r)
            if (child(r)->rect().contains(x, y))
                return child(r);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        const auto* board = static_cast<BoardKeys*>(widget());
        return board->hasFocus() ? child(board->rod()) : nullptr;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description)
            return Rod::boardReads(static_cast<BoardKeys*>(widget()));
        return QAccessibleWidget::text(t);
    }

private:
    std::array<QAccessible::Id, rodCount> rods_{};
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    // The calculator's window is a window frame to a screen reader rather
    // than a plain group.
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && widget->isWindow() && widget->objectName() == u"calculator")
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (auto* board = dynamic_cast<BoardKeys*>(object))
        return new RodGroup(board);
    auto* picture = dynamic_cast<Picture*>(object);
    if (picture && (picture->onPress || picture->onClick))
        return new PictureButton(picture, picture->objectName() == u"beam" ? QAccessible::Grouping
                                                                           : QAccessible::Button);
    return nullptr;
}

QString keyName(Key key) {
    if (const char* spoken = key_row::entryOf(key).spokenName)
        return Accessibility::tr(spoken);
    const std::string_view caption = captionOf(key);
    return Accessibility::tr("%1, not in use")
        .arg(QString::fromUtf8(caption.data(), qsizetype(caption.size())));
}

// The number a screen reader gives an upper cell in its name. Its users know
// the cells by these numbers, which are older than the board's counting from
// the beam: 0 next to the beam, 5 above it, 1 at the top.
int spokenUpperCell(int cell) {
    constexpr std::array<int, upperCellCount> spoken{0, 5, 1};
    return spoken.at(static_cast<std::size_t>(cell));
}

} // namespace

void install() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

void describe(QWidget* widget, const layout::Control& c) {
    using layout::Kind;
    switch (c.kind) {
    case Kind::PictureKey:
    case Kind::TextKey:
        widget->setAccessibleName(keyName(c.key));
        break;
    case Kind::Bar:
        widget->setAccessibleName(c.index == 0 ? Accessibility::tr("Bottom bar")
                                               : Accessibility::tr("Top bar"));
        widget->setAccessibleDescription(Accessibility::tr("Shows the rod labels"));
        break;
    case Kind::UpperCell:
    case Kind::LowerCell:
        widget->setAccessibleName(
            c.kind == Kind::UpperCell
                ? Accessibility::tr("Rod %1, upper deck, cell %2")
                      .arg(c.rod)
                      .arg(spokenUpperCell(c.index))
                : Accessibility::tr("Rod %1, lower deck, cell %2").arg(c.rod).arg(c.index));
        break;
    case Kind::Beam:
        widget->setAccessibleName(Accessibility::tr("Decimal point"));
        widget->setAccessibleDescription(
            Accessibility::tr("Beam; pressing it sets every rod to 0"));
        break;
    case Kind::PointButton:
        widget->setAccessibleName(Accessibility::tr("Decimal point after rod %1").arg(c.rod));
        break;
    case Kind::RodLabel:
        // The name stays empty: a label is read as its text.
        widget->setAccessibleDescription(Accessibility::tr("Result digit of rod %1").arg(c.rod));
        break;
    case Kind::ResultLine:
        widget->setAccessibleDescription(Accessibility::tr("Result"));
        break;
    case Kind::Title:
        break;
    }
}

void itemFocused(QWidget* list, int row) {
    QAccessibleEvent event(list, QAccessible::Focus);
    event.setChild(row);
    QAccessible::updateAccessibility(&event);
}

void rodDescriptionsChanged(BoardKeys* board) {
    for (int r = 0; r < rodCount; ++r) {
        QAccessibleEvent event(board, QAccessible::DescriptionChanged);
        event.setChild(r);
        QAccessible::updateAccessibility(&event);
    }
}

void rodFocused(BoardKeys* board, int rod) {
    QAccessibleEvent event(board, QAccessible::Focus);
    event.setChild(rod);
    QAccessible::updateAccessibility(&event);
}

RodNews::RodNews(BoardKeys* board) : board_(board) {
    for (int r = 0; r < rodCount; ++r)
        told_[std::size_t(r)] = board->valueOf(r);
}

void RodNews::tell(bool sayMarkedDigit) {
    for (int r = 0; r < rodCount; ++r) {
        const int now = board_->valueOf(r);
        if (now == told_[std::size_t(r)])
            continue;
        told_[std::size_t(r)] = now;
        // The rod's description, the board's number, changes with it: told
        // too, or a screen reader that keeps what it was told (Orca 48) reads
        // the old.
        for (const QAccessible::Event change :
             {QAccessible::NameChanged, QAccessible::DescriptionChanged}) {
            QAccessibleEvent event(board_, change);
            event.setChild(r);
            QAccessible::updateAccessibility(&event);
        }
        // Said on every change, whatever digit was heard last on any rod.
        if (sayMarkedDigit && board_->hasFocus() && board_->rod() == r)
            speech::say(board_->window(), shownDigit(board_, r));
    }
}

} // namespace accessibility

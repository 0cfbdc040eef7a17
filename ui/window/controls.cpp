#include "ui/window/controls.h"

#include "ui/assistive/accessibility.h"
#include "ui/platform/fonts.h"
#include "ui/widgets/images.h"
#include "ui/widgets/key_button.h"
#include "ui/widgets/key_row.h"
#include "ui/widgets/layout.h"
#include "ui/widgets/palette.h"
#include "ui/widgets/widgets.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QSignalBlocker>

#include <cmath>
#include <optional>

namespace {

void setColour(QWidget* widget, QPalette::ColorRole role, QColor colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// A label the calculator hides stays on the window, empty and letting every
// click through to what lies behind it, which looks and acts the same. Hidden
// for real, a label that a screen reader once met hidden would stay unread
// after it is shown again (Orca 43 with Qt 6.4 never learns that it became
// visible).
void showLabel(QLabel* widget, const Label& label) {
    const QString text = label.visible ? QString::fromStdString(label.caption) : QString();
    if (widget->text() != text)
        widget->setText(text);
    if (widget->testAttribute(Qt::WA_TransparentForMouseEvents) == label.visible)
        widget->setAttribute(Qt::WA_TransparentForMouseEvents, !label.visible);
}

// The font of a control's text, fitted at the zoom; none for a control without
// text of its own.
std::optional<QFont> fontOf(layout::Kind kind, int zoomPercent) {
    using layout::Kind;
    switch (kind) {
    case Kind::Title:
        return fonts::title(zoomPercent);
    case Kind::ResultLine:
        return fonts::resultLine(zoomPercent);
    case Kind::RodLabel:
        return fonts::rodLabel(zoomPercent);
    case Kind::TextKey:
        return fonts::textKey(zoomPercent);
    default:
        return std::nullopt;
    }
}

} // namespace

Controls::Controls(QWidget& window, Calculator& calculator, Respond respond)
    : window_(window), calculator_(calculator), respond_(std::move(respond)),
      pointButtons_(new QButtonGroup(&window)) {
    // Before any control exists: what a screen reader meets of each depends
    // on it from the first.
    accessibility::install();
    for (const layout::Control& c : layout::controls())
        add(c);
    // The fonts last: the first waits for the font configuration that
    // fonts::prepare() makes on another thread meanwhile.
    setFonts(zoom_);
    restyle();
    QObject::connect(pointButtons_, &QButtonGroup::idClicked, &window,
                     [this](int rod) { respond_(calculator_.choosePoint(rod)); });
    syncs_.push_back([this] { syncPoint(); });
}

QSize Controls::devicePixels(QSize size) const {
    const double scale = window_.devicePixelRatioF() * zoom_ / 100;
    return {static_cast<int>(std::lround(size.width() * scale)),
            static_cast<int>(std::lround(size.height() * scale))};
}

void Controls::layOut(int zoomPercent, QPoint origin) {
    zoom_ = zoomPercent;
    for (const auto& [c, widget] : placed_) {
        const QRect place = layout::pixelRect(*c, zoomPercent);
        widget->setGeometry(c->parent.empty() ? place.translated(origin) : place);
        using layout::Kind;
        switch (c->kind) {
        case Kind::TextKey:
        case Kind::PictureKey:
            static_cast<KeyButton*>(widget)->setZoom(zoomPercent);
            break;
        case Kind::Bar:
            static_cast<Picture*>(widget)->setImage(
                &images::bar(c->index, devicePixels(images::barSize(c->index))));
            break;
        case Kind::PointButton:
            static_cast<PointButton*>(widget)->setZoom(zoomPercent);
            break;
        default:
            break;
        }
    }
    setFonts(zoomPercent);
    sync();
}

void Controls::setFonts(int zoomPercent) {
    for (const auto& [c, widget] : placed_)
        if (const std::optional<QFont> font = fontOf(c->kind, zoomPercent))
            widget->setFont(*font);
}

void Controls::sync() {
    for (const auto& syncOne : syncs_)
        syncOne();
}

void Controls::restyle() {
    for (const auto& restyleOne : restyles_)
        restyleOne();
}

void Controls::add(const layout::Control& c) {
    using layout::Kind;
    QWidget* parent = c.parent.empty() ? &window_ : control(qs(c.parent));
    QWidget* widget = nullptr;
    switch (c.kind) {
    case Kind::Title:
    case Kind::ResultLine:
    case Kind::RodLabel:
        widget = addLabel(c, parent);
        break;
    case Kind::PictureKey:
    case Kind::TextKey:
        widget = addKey(c, parent);
        break;
    case Kind::UpperCell:
    case Kind::LowerCell:
        widget = addCell(c, parent);
        break;
    case Kind::Bar:
    case Kind::Beam:
        widget = addPicture(c, parent);
        break;
    case Kind::PointButton:
        widget = addPointButton(parent, c.index);
        break;
    }
    // Named first: what a screen reader meets may depend on the name.
    widget->setObjectName(qs(c.name));
    accessibility::describe(widget, c);
    if (c.index >= 0)
        widget->setProperty("index", c.index);
    widget->setGeometry(layout::pixelRect(c, zoom_));
    placed_.emplace_back(&c, widget);
}

QWidget* Controls::addLabel(const layout::Control& c, QWidget* parent) {
    const Panel& panel = calculator_.panel;
    if (c.kind == layout::Kind::Title) {
        auto* label = new QLabel(qs(c.caption), parent);
        restyles_.push_back(
            [label] { setColour(label, QPalette::WindowText, palette::current().label); });
        return label;
    }
    if (c.kind == layout::Kind::ResultLine) {
        auto* label = new QLabel(parent);
        restyles_.push_back(
            [label] { setColour(label, QPalette::WindowText, palette::current().resultLine); });
        syncs_.push_back([label, &panel] { showLabel(label, panel.resultLine()); });
        return label;
    }
    auto* label = new ClickLabel(parent);
    label->setAlignment(Qt::AlignCenter);
    restyles_.push_back(
        [label] { setColour(label, QPalette::WindowText, palette::current().label); });
    label->onClick = [this] { respond_(calculator_.showRodLabels(false)); };
    syncs_.push_back([label, &panel, rod = c.rod] { showLabel(label, panel.rodLabel(rod)); });
    return label;
}

QWidget* Controls::addKey(const layout::Control& c, QWidget* parent) {
    auto* key = new KeyButton(c.key, key_row::entryOf(c.key).picture, parent);
    key->setText(qs(c.caption));
    QObject::connect(key, &QPushButton::clicked, &window_,
                     [this, k = c.key] { respond_(calculator_.press(k)); });
    const Panel& panel = calculator_.panel;
    syncs_.push_back([key, &panel, k = c.key] {
        if (key->isEnabled() != panel.keyEnabled(k))
            key->setEnabled(panel.keyEnabled(k));
    });
    return key;
}

QWidget* Controls::addCell(const layout::Control& c, QWidget* parent) {
    auto* cell = new Picture(parent);
    const BeadPress place{c.kind == layout::Kind::UpperCell ? Deck::Upper : Deck::Lower, c.index};
    cell->onPress = [this, place, rod = c.rod](MouseButton button) {
        respond_(calculator_.pressBead(rod, place, button));
    };
    const Board& board = calculator_.board;
    syncs_.push_back([this, cell, &board, place, rod = c.rod]() {
        // The cell's picture at its device pixels: at a zoom between whole
        // pixels neighbouring cells may differ by one.
        const QSize size = (QSizeF(cell->size()) * cell->devicePixelRatioF()).toSize();
        cell->setImage(&images::cell(board.image(place.deck, rod, place.cell), size));
        const bool enabled = board.takesPress(place.deck, rod, place.cell);
        if (cell->isEnabled() != enabled)
            cell->setEnabled(enabled);
        const lesson::Lesson* lesson = calculator_.lesson();
        cell->setMarked(lesson && lesson->marks(rod, place.deck, place.cell), zoom_);
    });
    return cell;
}

// The bars and the beam.
QWidget* Controls::addPicture(const layout::Control& c, QWidget* parent) {
    auto* picture = new Picture(parent);
    if (c.kind == layout::Kind::Bar) {
        restyles_.push_back([this, picture, i = c.index] {
            picture->setImage(&images::bar(i, devicePixels(images::barSize(i))));
        });
        picture->onClick = [this] { respond_(calculator_.showRodLabels(true)); };
    } else {
        restyles_.push_back([picture] {
            picture->setFill(palette::current().beam);
            picture->update();
        });
        picture->onClick = [this] { respond_(calculator_.resetBoard()); };
    }
    return picture;
}

QWidget* Controls::addPointButton(QWidget* parent, int rod) {
    auto* button = new PointButton(parent);
    restyles_.push_back([button] { setColour(button, QPalette::Window, palette::current().beam); });
    pointButtons_->addButton(button, rod);
    return button;
}

void Controls::syncPoint() {
    const int wanted = calculator_.panel.checkedPoint();
    // Tab reaches the group on its checked button, as in any group of radio
    // buttons; the arrows move the check from there.
    for (QAbstractButton* button : pointButtons_->buttons()) {
        const Qt::FocusPolicy policy =
            pointButtons_->id(button) == wanted ? Qt::TabFocus : Qt::NoFocus;
        if (button->focusPolicy() != policy)
            button->setFocusPolicy(policy);
    }
    QAbstractButton* checked = pointButtons_->checkedButton();
    if ((checked ? pointButtons_->id(checked) : -1) == wanted)
        return;
    const QSignalBlocker quiet(pointButtons_);
    if (wanted < 0) {
        // An exclusive group cannot clear its last checked button.
        pointButtons_->setExclusive(false);
        const QSignalBlocker quietButton(checked);
        checked->setChecked(false);
        pointButtons_->setExclusive(true);
        return;
    }
    QAbstractButton* button = pointButtons_->button(wanted);
    const QSignalBlocker quietButton(button);
    button->setChecked(true);
}

QAbstractButton* Controls::key(Key key) const {
    return static_cast<QAbstractButton*>(control(u"key", static_cast<int>(key)));
}

QWidget* Controls::control(QStringView name, int index) const {
    for (QWidget* widget : window_.findChildren<QWidget*>(name.toString())) {
        const QVariant element = widget->property("index");
        if (index < 0 ? !element.isValid() : element.isValid() && element.toInt() == index)
            return widget;
    }
    return nullptr;
}

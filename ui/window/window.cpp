#include "ui/window/window.h"

#include "ui/assistive/accessibility.h"
#include "ui/assistive/narration.h"
#include "ui/assistive/speech.h"
#include "ui/platform/bell.h"
#include "ui/platform/desktop_contrast.h"
#include "ui/platform/fixed_size.h"
#include "ui/platform/fonts.h"
#include "ui/widgets/board_keys.h"
#include "ui/widgets/images.h"
#include "ui/widgets/key_row.h"
#include "ui/widgets/layout.h"
#include "ui/widgets/palette.h"
#include "ui/widgets/widgets.h"
#include "ui/window/clipboard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QSignalBlocker>
#include <QWheelEvent>

#include <algorithm>
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

// A label the calculator hides stays on the window, empty and letting every click
// through to what lies behind it, which looks and acts the same. Hidden for
// real, a label that a screen reader once met hidden would stay unread after
// it is shown again (Orca 43 with Qt 6.4 never learns that it became visible).
void showLabel(QLabel* widget, const Label& label) {
    const QString text = label.visible ? QString::fromStdString(label.caption) : QString();
    if (widget->text() != text)
        widget->setText(text);
    if (widget->testAttribute(Qt::WA_TransparentForMouseEvents) == label.visible)
        widget->setAttribute(Qt::WA_TransparentForMouseEvents, !label.visible);
}

class Zoom {
    Q_DECLARE_TR_FUNCTIONS(Zoom)
};

// A zoom key: 1 for Ctrl+Plus (also Ctrl+= and the keypad's Ctrl++), -1 for
// Ctrl+Minus, 0 for Ctrl+0; nothing for any other key. Shift is allowed, as
// "+" is a shifted key on most layouts.
std::optional<int> zoomKey(const QKeyEvent& event) {
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

// The image each hidden image source holds.
Image sourceImage(std::string_view name) {
    return name == "extraBeadImage" ? Image::ExtraBead
           : name == "beadImage"    ? Image::Bead
                                    : Image::Gap;
}

} // namespace

template <typename... Args, typename Handler> auto Window::answer(Handler handler) {
    return [this, handler](Args... args) {
        handler(args...);
        sync();
    };
}

Window::Window(QWidget* parent) : QWidget(parent), options_(new QButtonGroup(this)) {
    accessibility::install();
    setObjectName(QStringLiteral("calculator"));
    setWindowTitle(QStringLiteral("Rodwise H-D"));
    setFixedSize(layout::windowSize(zoom_));
    fixed_size::keep(*this);
    for (const layout::Control& c : layout::controls())
        addControl(c);
    for (const auto& restyle : restyles_)
        restyle();
    connect(options_, &QButtonGroup::idClicked, this,
            answer<int>([this](int rod) { calculator_.calculation.choosePoint(rod); }));
    syncs_.push_back([this] { syncOption(); });
    addBoard();
    for (int i = 0; i < keyCount; ++i) {
        QAbstractButton* button = key(static_cast<Key>(i));
        button->setToolTip(key_row::tooltip(static_cast<Key>(i), button->accessibleName()));
    }
    // Digits go to the board from the start, and a click on a key or a radio
    // button leaves the focus there: those take it from Tab only.
    board_->setFocus();
    for (QAbstractButton* button : findChildren<QAbstractButton*>())
        button->setFocusPolicy(Qt::TabFocus);

    calculator_.panel.onBeep([this] { bell::ring(*this); });
    qApp->installEventFilter(this);
    sync();
}

int Window::largestZoom() const {
    const QScreen* shown = screen();
    if (!shown)
        return layout::zoomSteps.front();
    // The window's frame (title bar and borders) takes room as well.
    const QSize frame = isVisible() ? frameGeometry().size() - size() : QSize(0, 0);
    return layout::largestZoomWithin(shown->availableGeometry().size() - frame);
}

QSize Window::devicePixels(QSize size) const {
    const double scale = devicePixelRatioF() * zoom_ / 100;
    return {static_cast<int>(std::lround(size.width() * scale)),
            static_cast<int>(std::lround(size.height() * scale))};
}

void Window::setZoom(int zoomPercent) {
    if (zoomPercent == zoom_)
        return;
    zoom_ = zoomPercent;
    // Maximized, the window keeps the size it was given and shows the largest
    // zoom that fits; the new one is shown on the restore.
    fixed_size::setSize(*this, layout::windowSize(zoom_));
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        layOut(zoom_, QPoint(0, 0));
}

void Window::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // Maximized or full screen: the abacus at the largest zoom the given size
    // holds, centred on the window's background. Otherwise (and on the
    // restore) at the zoom, filling the window.
    const bool given = windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
    const int zoom = given ? layout::largestZoomWithin(size()) : zoom_;
    const QSize used = layout::windowSize(zoom);
    const QPoint origin = given ? QPoint(std::max(0, (width() - used.width()) / 2),
                                         std::max(0, (height() - used.height()) / 2))
                                : QPoint(0, 0);
    if (zoom != shownZoom_ || origin != origin_)
        layOut(zoom, origin);
}

void Window::layOut(int zoomPercent, QPoint origin) {
    shownZoom_ = zoomPercent;
    origin_ = origin;
    // Nothing reaches the screen until every control stands at its new place.
    setUpdatesEnabled(false);
    const double ratio = devicePixelRatioF();
    auto scaled = [ratio, zoomPercent](QSize size) {
        const double scale = ratio * zoomPercent / 100;
        return QSize(static_cast<int>(std::lround(size.width() * scale)),
                     static_cast<int>(std::lround(size.height() * scale)));
    };
    for (const auto& [c, widget] : placed_) {
        const QRect place = layout::pixelRect(*c, zoomPercent);
        widget->setGeometry(c->parent.empty() ? place.translated(origin) : place);
        using layout::Kind;
        switch (c->kind) {
        case Kind::Title:
            widget->setFont(fonts::title(zoomPercent));
            break;
        case Kind::ResultLine:
            widget->setFont(fonts::resultLine(zoomPercent));
            break;
        case Kind::RodLabel:
            widget->setFont(fonts::rodLabel(zoomPercent));
            break;
        case Kind::TextKey:
            widget->setFont(fonts::textKey(zoomPercent));
            [[fallthrough]];
        case Kind::PictureKey:
            static_cast<KeyButton*>(widget)->setZoom(zoomPercent);
            break;
        case Kind::Bar:
            static_cast<Picture*>(widget)->setImage(
                &images::bar(c->index, scaled(images::barSize(c->index))));
            break;
        case Kind::ImageSource:
            static_cast<Picture*>(widget)->setImage(
                &images::cell(sourceImage(c->name), scaled(images::cellSize())));
            break;
        case Kind::Radio:
            static_cast<BeamRadio*>(widget)->setZoom(zoomPercent);
            break;
        default:
            break;
        }
    }
    board_->relayout(zoomPercent);
    sync(false);
    setUpdatesEnabled(true);
}

void Window::stepZoom(int direction) {
    const int largest = largestZoom();
    const int wanted =
        direction == 0 ? layout::zoomSteps.front() : layout::zoomStep(zoom_, direction, largest);
    if (wanted == zoom_) {
        // At the largest step that fits nothing grows; a screen reader hears
        // why. No bell: the bell is the sign of a refusal, which clears.
        if (direction > 0)
            speech::say(this, Zoom::tr("Zoom %1 %, the largest the screen holds").arg(zoom_));
        return;
    }
    setZoom(wanted);
    speech::say(this, Zoom::tr("Zoom %1 %").arg(zoom_));
    if (onZoomChosen)
        onZoomChosen(zoom_);
}

bool Window::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel)
        return false;
    auto* wheel = static_cast<QWheelEvent*>(event);
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!(wheel->modifiers() & Qt::ControlModifier) || !widget || widget->window() != this)
        return false;
    // A notch is 120; a smooth wheel or touchpad sends less and adds up.
    wheelTurn_ += wheel->angleDelta().y();
    while (wheelTurn_ >= 120 || wheelTurn_ <= -120) {
        const int direction = wheelTurn_ > 0 ? 1 : -1;
        wheelTurn_ -= 120 * direction;
        stepZoom(direction);
    }
    wheel->accept();
    return true;
}

void Window::addControl(const layout::Control& c) {
    using layout::Kind;
    QWidget* parent = c.parent.empty() ? this : control(qs(c.parent));
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
    case Kind::ImageSource:
        widget = addPicture(c, parent);
        break;
    case Kind::Radio:
        widget = addRadio(parent, c.index);
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

QWidget* Window::addLabel(const layout::Control& c, QWidget* parent) {
    const Panel& panel = calculator_.panel;
    if (c.kind == layout::Kind::Title) {
        auto* label = new QLabel(qs(c.caption), parent);
        label->setFont(fonts::title());
        restyles_.push_back(
            [label] { setColour(label, QPalette::WindowText, palette::current().label); });
        return label;
    }
    if (c.kind == layout::Kind::ResultLine) {
        auto* label = new QLabel(parent);
        label->setFont(fonts::resultLine());
        restyles_.push_back(
            [label] { setColour(label, QPalette::WindowText, palette::current().resultLine); });
        syncs_.push_back([label, &panel] { showLabel(label, panel.resultLine()); });
        return label;
    }
    auto* label = new ClickLabel(parent);
    label->setFont(fonts::rodLabel());
    label->setAlignment(Qt::AlignCenter);
    restyles_.push_back(
        [label] { setColour(label, QPalette::WindowText, palette::current().label); });
    label->onClick = answer([this] { calculator_.panel.showRodLabels(false); });
    syncs_.push_back([label, &panel, rod = c.rod] { showLabel(label, panel.rodLabel(rod)); });
    return label;
}

QWidget* Window::addKey(const layout::Control& c, QWidget* parent) {
    auto* key = new KeyButton(c.key, key_row::entryOf(c.key).picture, parent);
    key->setText(qs(c.caption));
    if (!key_row::entryOf(c.key).picture)
        key->setFont(fonts::textKey());
    connect(key, &QPushButton::clicked, this, [this, k = c.key] { pressKey(k); });
    const Panel& panel = calculator_.panel;
    syncs_.push_back([key, &panel, k = c.key] {
        if (key->isEnabled() != panel.keyEnabled(k))
            key->setEnabled(panel.keyEnabled(k));
    });
    return key;
}

void Window::pressKey(Key key) {
    const int beeps = calculator_.panel.beepCount();
    calculator_.calculation.press(key);
    // What a key does is announced after it, not rod by rod.
    sync(false);
    afterKey(key, calculator_.panel.beepCount() != beeps);
}

QWidget* Window::addCell(const layout::Control& c, QWidget* parent) {
    auto* cell = new Picture(parent);
    const BeadPress place{c.kind == layout::Kind::UpperCell ? Deck::Upper : Deck::Lower, c.index};
    cell->onPress = answer<MouseButton>([this, place, rod = c.rod](MouseButton button) {
        calculator_.board.press(rod, place, button);
    });
    const Board& board = calculator_.board;
    syncs_.push_back([cell, &board, place, rod = c.rod]() {
        // The cell's picture at its device pixels: at a zoom between whole
        // pixels neighbouring cells may differ by one.
        const QSize size = (QSizeF(cell->size()) * cell->devicePixelRatioF()).toSize();
        cell->setImage(&images::cell(board.image(place.deck, rod, place.cell), size));
        const bool enabled = board.takesPress(place.deck, rod, place.cell);
        if (cell->isEnabled() != enabled)
            cell->setEnabled(enabled);
    });
    return cell;
}

// The bars, the beam and the hidden image sources.
QWidget* Window::addPicture(const layout::Control& c, QWidget* parent) {
    auto* picture = new Picture(parent);
    if (c.kind == layout::Kind::Bar) {
        restyles_.push_back([this, picture, i = c.index] {
            picture->setImage(&images::bar(i, devicePixels(images::barSize(i))));
        });
        picture->onClick = answer([this] { calculator_.panel.showRodLabels(true); });
    } else if (c.kind == layout::Kind::Beam) {
        restyles_.push_back([picture] {
            picture->setFill(palette::current().beam);
            picture->update();
        });
        picture->onClick = answer([this] { calculator_.board.reset(); });
    } else {
        restyles_.push_back([this, picture, image = sourceImage(c.name)] {
            picture->setImage(&images::cell(image, devicePixels(images::cellSize())));
        });
        picture->hide();
    }
    return picture;
}

QWidget* Window::addRadio(QWidget* parent, int index) {
    auto* radio = new BeamRadio(parent);
    restyles_.push_back([radio] { setColour(radio, QPalette::Window, palette::current().beam); });
    options_->addButton(radio, index);
    return radio;
}

void Window::addBoard() {
    BoardKeys::Listeners listeners{
        [this](int rod) { accessibility::rodFocused(board_, rod); },
        [this](int rod, bool sayDigit) { accessibility::rodChanged(board_, rod, sayDigit); },
        [this] { sync(); }};
    board_ = new BoardKeys(
        this, calculator_, [this](QStringView name, int index) { return control(name, index); },
        std::move(listeners));
}

void Window::useContrast(std::optional<bool> chosen) {
    if (chosen)
        showContrast(*chosen);
    else
        desktop_contrast::follow(this, [this](bool high) { showContrast(high); });
}

void Window::showContrast(bool high) {
    if (palette::current().high == high)
        return;
    palette::useHighContrast(high);
    if (high) {
        // The window's own roles: the keys' faces and edges, the radio
        // buttons' wells, the background between the controls.
        QPalette roles = palette();
        const QColor black(Qt::black);
        const QColor white(Qt::white);
        for (const auto& [role, colour] : {std::pair{QPalette::Window, black},
                                           {QPalette::WindowText, white},
                                           {QPalette::Button, white},
                                           {QPalette::ButtonText, black},
                                           {QPalette::Light, white},
                                           {QPalette::Midlight, white},
                                           {QPalette::Dark, black},
                                           {QPalette::Shadow, black},
                                           {QPalette::Base, white},
                                           {QPalette::Text, black},
                                           {QPalette::Highlight, black}})
            roles.setColor(role, colour);
        setPalette(roles);
    } else {
        // Back to the desktop's palette, as before any choice.
        setPalette(QPalette());
    }
    for (const auto& restyle : restyles_)
        restyle();
    // The cells' pictures follow the board; nothing on the board changed, so
    // nothing is told to a screen reader.
    for (const auto& syncOne : syncs_)
        syncOne();
    update();
}

void Window::afterKey(Key key, bool refused) {
    if (narration::marksRodZero(key, refused))
        board_->markRodZero();
    if (const QString message = narration::message(calculator_, key, refused); !message.isEmpty())
        speech::say(this, message,
                    refused ? speech::Politeness::Assertive : speech::Politeness::Polite);
}

void Window::keyPressEvent(QKeyEvent* event) {
    if (const std::optional<int> direction = zoomKey(*event)) {
        stepZoom(*direction);
    } else if (event->matches(QKeySequence::Copy)) {
        clipboard::copy(calculator_);
    } else if (event->matches(QKeySequence::Paste)) {
        paste();
    } else if (const std::optional<Key> pressed = key_row::keyFor(*event)) {
        // A click, so a disabled key does nothing; click(), not
        // animateClick(): the handler runs before the next key is read, so
        // fast typing keeps its order.
        key(*pressed)->click();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void Window::paste() {
    const clipboard::Pasted pasted = clipboard::paste(calculator_);
    // The paste is announced as a whole, not rod by rod.
    sync(false);
    speech::say(this, pasted.message,
                pasted.laid ? speech::Politeness::Polite : speech::Politeness::Assertive);
}

QAbstractButton* Window::key(Key key) const {
    return static_cast<QAbstractButton*>(control(u"key", static_cast<int>(key)));
}

void Window::sync(bool sayMarkedDigit) {
    for (const auto& syncOne : syncs_)
        syncOne();
    board_->tell(sayMarkedDigit);
}

void Window::syncOption() {
    const int wanted = calculator_.panel.checkedPoint();
    // Tab reaches the group on its checked button, as in any group of radio
    // buttons; the arrows move the check from there.
    for (QAbstractButton* button : options_->buttons()) {
        const Qt::FocusPolicy policy = options_->id(button) == wanted ? Qt::TabFocus : Qt::NoFocus;
        if (button->focusPolicy() != policy)
            button->setFocusPolicy(policy);
    }
    QAbstractButton* checked = options_->checkedButton();
    if ((checked ? options_->id(checked) : -1) == wanted)
        return;
    const QSignalBlocker quiet(options_);
    if (wanted < 0) {
        // An exclusive group cannot clear its last checked button.
        options_->setExclusive(false);
        const QSignalBlocker quietButton(checked);
        checked->setChecked(false);
        options_->setExclusive(true);
        return;
    }
    QAbstractButton* button = options_->button(wanted);
    const QSignalBlocker quietButton(button);
    button->setChecked(true);
}

QWidget* Window::control(QStringView name, int index) const {
    for (QWidget* widget : findChildren<QWidget*>(name.toString())) {
        const QVariant element = widget->property("index");
        if (index < 0 ? !element.isValid() : element.isValid() && element.toInt() == index)
            return widget;
    }
    return nullptr;
}

#include "ui/window.h"

#include "ui/accessibility.h"
#include "ui/bell.h"
#include "ui/fixed_size.h"
#include "ui/fonts.h"
#include "ui/images.h"
#include "ui/keyboard.h"
#include "ui/layout.h"
#include "ui/narration.h"
#include "ui/speech.h"
#include "ui/widgets.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QSignalBlocker>

#include <array>
#include <stdexcept>

namespace {

const QColor orange(0xFF, 0x80, 0x00);
const QColor purple(0xC0, 0x00, 0xC0);
const QColor beamGrey(0x80, 0x80, 0x80);

void setTextColour(QWidget* widget, QColor colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// A label the form hides stays on the window, empty and letting every click
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

// The keys of the key row: the form's key, its click handler and what a
// screen reader hears afterwards, by control.
struct KeyWiring {
    std::string_view name;
    int index;
    Key key;
    void (*click)(Form2&);
    narration::After after;
};

using After = narration::After;
constexpr std::array<KeyWiring, keyCount> keyWiring{{
    {"Command1", 0, Key::Multiply, [](Form2& f) { f.Command1_Click(0); }, After::Operator},
    {"Command1", 1, Key::Divide, [](Form2& f) { f.Command1_Click(1); }, After::Operator},
    {"Command1", 2, Key::HexPlus, [](Form2& f) { f.Command1_Click(2); }, After::Operator},
    {"Command1", 3, Key::HexMinus, [](Form2& f) { f.Command1_Click(3); }, After::Operator},
    {"Command3", -1, Key::Equals, [](Form2& f) { f.Command3_Click(); }, After::Equals},
    {"Command4", -1, Key::Clear, [](Form2& f) { f.Command4_Click(); }, After::Clear},
    {"Command5", -1, Key::HexDec, [](Form2& f) { f.Command5_Click(); }, After::Convert},
    {"Command6", -1, Key::Hex, [](Form2& f) { f.Command6_Click(); }, After::Hex},
}};

const KeyWiring& wiringOf(const layout::Control& c) {
    for (const KeyWiring& k : keyWiring)
        if (k.name == c.name && k.index == c.index)
            return k;
    throw std::logic_error("a key without a handler");
}

// The image each hidden image source holds.
Image sourceImage(std::string_view name) {
    return name == "Pic82" ? Image::ExtraBead : name == "Pic81" ? Image::Bead : Image::Gap;
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
    setWindowTitle(QStringLiteral("Rodwise H-D"));
    setFixedSize(layout::twipsToPixels(layout::windowWidth),
                 layout::twipsToPixels(layout::windowHeight));
    fixedsize::keep(*this);
    for (const layout::Control& c : layout::controls())
        addControl(c);
    connect(options_, &QButtonGroup::idClicked, this,
            answer<int>([this](int index) { form_.userClicksOption(index); }));
    syncs_.push_back([this] { syncOption(); });
    board_ = new BoardKeys(this);
    syncs_.push_back([this] { board_->tell(); });
    addKeyTooltips(*this);
    // Digits go to the board from the start, and a click on a key or a radio
    // button leaves the focus there: those take it from Tab only.
    board_->setFocus();
    for (QAbstractButton* button : findChildren<QAbstractButton*>())
        button->setFocusPolicy(Qt::TabFocus);

    form_.controls().onBeep(bell::ring);
    form_.Form_Load();
    sync();
}

void Window::addControl(const layout::Control& c) {
    using layout::Kind;
    QWidget* parent = c.parent.empty() ? this : control(qs(c.parent));
    Controls& controls = form_.controls();
    QWidget* widget = nullptr;
    switch (c.kind) {
    case Kind::Title: {
        auto* label = new QLabel(qs(c.caption), parent);
        label->setFont(fonts::title());
        setTextColour(label, orange);
        widget = label;
        break;
    }
    case Kind::ResultLine: {
        auto* label = new QLabel(parent);
        label->setFont(fonts::resultLine());
        setTextColour(label, purple);
        syncs_.push_back([label, &controls] { showLabel(label, controls.resultLine()); });
        widget = label;
        break;
    }
    case Kind::RodLabel: {
        auto* label = new ClickLabel(parent);
        label->setFont(fonts::rodLabel());
        label->setAlignment(Qt::AlignCenter);
        setTextColour(label, orange);
        label->onClick = answer([this, i = c.index] { form_.Lab1_Click(i); });
        syncs_.push_back(
            [label, &controls, rod = c.rod] { showLabel(label, controls.rodLabel(rod)); });
        widget = label;
        break;
    }
    case Kind::PictureKey:
    case Kind::TextKey: {
        const KeyWiring& wiring = wiringOf(c);
        auto* key = new KeyButton(wiring.key, c.kind == Kind::PictureKey, parent);
        key->setText(qs(c.caption));
        if (c.kind == Kind::TextKey)
            key->setFont(fonts::textKey());
        connect(key, &QPushButton::clicked, this, [this, &wiring] {
            const int beeps = form_.controls().beepCount();
            wiring.click(form_);
            sync();
            afterKey(wiring.after, form_.controls().beepCount() != beeps);
        });
        syncs_.push_back([key, &controls, k = wiring.key] {
            if (key->isEnabled() != controls.keyEnabled(k))
                key->setEnabled(controls.keyEnabled(k));
        });
        widget = key;
        break;
    }
    case Kind::UpperCell:
    case Kind::LowerCell: {
        auto* cell = new Picture(parent);
        const Deck deck = c.kind == Kind::UpperCell ? Deck::Upper : Deck::Lower;
        cell->onPress = answer<int>([this, deck, rod = c.rod, i = c.index](int button) {
            if (deck == Deck::Upper)
                form_.UpperDeck_MouseDown(rod, i, button);
            else
                form_.LowerDeck_MouseDown(rod, i, button);
        });
        syncs_.push_back([cell, &controls, deck, rod = c.rod, i = c.index]() {
            const Cell& state = controls.cell(deck, rod, i);
            cell->setImage(&images::cell(state.image));
            if (cell->isEnabled() != state.enabled)
                cell->setEnabled(state.enabled);
        });
        widget = cell;
        break;
    }
    case Kind::Bar: {
        auto* bar = new Picture(parent);
        bar->setImage(&images::bar(c.index));
        bar->onClick = answer([this, i = c.index] { form_.Picture22_Click(i); });
        widget = bar;
        break;
    }
    case Kind::Beam: {
        auto* beam = new Picture(parent);
        beam->setFill(beamGrey);
        beam->onClick = answer([this] { form_.Frame1_Click(); });
        widget = beam;
        break;
    }
    case Kind::Radio: {
        auto* radio = new BeamRadio(parent);
        QPalette palette = radio->palette();
        palette.setColor(QPalette::Window, beamGrey);
        radio->setPalette(palette);
        options_->addButton(radio, c.index);
        widget = radio;
        break;
    }
    case Kind::ImageSource: {
        auto* source = new Picture(parent);
        source->setImage(&images::cell(sourceImage(c.name)));
        source->hide();
        widget = source;
        break;
    }
    }
    // Named first: what a screen reader meets may depend on the name.
    widget->setObjectName(qs(c.name));
    accessibility::describe(widget, c);
    if (c.index >= 0)
        widget->setProperty("index", c.index);
    widget->setGeometry(layout::pixelRect(c));
}

void Window::afterKey(narration::After after, bool refused) {
    if (narration::marksRodZero(after, refused))
        board_->markRodZero();
    if (const QString message = narration::message(form_, after, refused); !message.isEmpty())
        speech::say(this, message,
                    refused ? speech::Politeness::Assertive : speech::Politeness::Polite);
}

void Window::keyPressEvent(QKeyEvent* event) {
    if (!windowKey(*this, event))
        QWidget::keyPressEvent(event);
}

QAbstractButton* Window::key(Key key) const {
    for (const KeyWiring& k : keyWiring)
        if (k.key == key)
            return static_cast<QAbstractButton*>(control(qs(k.name), k.index));
    return nullptr;
}

void Window::sync() {
    for (const auto& syncOne : syncs_)
        syncOne();
}

void Window::syncOption() {
    const int wanted = form_.controls().selectedOption();
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

#include "ui/window.h"

#include "ui/accessibility.h"
#include "ui/fonts.h"
#include "ui/images.h"
#include "ui/keyboard.h"
#include "ui/layout.h"
#include "ui/widgets.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QSignalBlocker>

#include <array>
#include <stdexcept>

namespace {

const QColor orange(0xFF, 0x80, 0x00);
const QColor purple(0xC0, 0x00, 0xC0);
const QColor beamGrey(0x80, 0x80, 0x80);

// Font sizes are given in points at 96 dots per inch; set as pixels they stay
// the same size whatever the screen's dpi.
constexpr int pointsToPixels(double points) {
    return static_cast<int>(points * 96 / 72 + 0.5);
}

// The window's two typefaces, 宋体 (a serif) and 黑体 (a sans), with the fonts
// that can stand in for them where they are missing.
QFont songti(double points, bool bold) {
    QFont font;
    fonts::setFamilies(font, {QStringLiteral(u"\u5B8B\u4F53"), QStringLiteral("SimSun"),
                              QStringLiteral("Noto Serif CJK SC"), QStringLiteral("AR PL UMing CN"),
                              QStringLiteral("Nimbus Roman"), QStringLiteral("DejaVu Serif")});
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(pointsToPixels(points));
    font.setBold(bold);
    return font;
}

QFont heiti(double points, bool bold) {
    QFont font;
    fonts::setFamilies(font,
                       {QStringLiteral(u"\u9ED1\u4F53"), QStringLiteral("SimHei"),
                        QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei"),
                        QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pointsToPixels(points));
    font.setBold(bold);
    return font;
}

void setTextColour(QWidget* widget, QColor colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

void showLabel(QLabel* widget, const Label& label) {
    const QString caption = QString::fromStdString(label.caption);
    if (widget->text() != caption)
        widget->setText(caption);
    if (widget->isHidden() == label.visible)
        widget->setVisible(label.visible);
}

// The keys of the key row: the form's key and its click handler, by control.
struct KeyWiring {
    std::string_view name;
    int index;
    Key key;
    void (*click)(Form2&);
};

constexpr std::array<KeyWiring, keyCount> keyWiring{{
    {"Command1", 0, Key::Multiply, [](Form2& f) { f.Command1_Click(0); }},
    {"Command1", 1, Key::Divide, [](Form2& f) { f.Command1_Click(1); }},
    {"Command1", 2, Key::HexPlus, [](Form2& f) { f.Command1_Click(2); }},
    {"Command1", 3, Key::HexMinus, [](Form2& f) { f.Command1_Click(3); }},
    {"Command3", -1, Key::Equals, [](Form2& f) { f.Command3_Click(); }},
    {"Command4", -1, Key::Clear, [](Form2& f) { f.Command4_Click(); }},
    {"Command5", -1, Key::HexDec, [](Form2& f) { f.Command5_Click(); }},
    {"Command6", -1, Key::Hex, [](Form2& f) { f.Command6_Click(); }},
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
    for (const layout::Control& c : layout::controls())
        addControl(c);
    connect(options_, &QButtonGroup::idClicked, this,
            answer<int>([this](int index) { form_.userClicksOption(index); }));
    syncs_.push_back([this] { syncOption(); });
    board_ = new BoardKeys(this);
    syncs_.push_back([this] { board_->describe(); });
    addKeyShortcuts(*this);
    // Digits go to the board from the start, and a click on a key or a radio
    // button leaves the focus there: those take it from Tab only.
    board_->setFocus();
    for (QAbstractButton* button : findChildren<QAbstractButton*>())
        button->setFocusPolicy(Qt::TabFocus);

    form_.controls().onBeep([] { QApplication::beep(); });
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
        label->setFont(songti(12, false));
        setTextColour(label, orange);
        widget = label;
        break;
    }
    case Kind::ResultLine: {
        auto* label = new QLabel(parent);
        label->setFont(songti(12, true));
        setTextColour(label, purple);
        syncs_.push_back([label, &controls] { showLabel(label, controls.resultLine()); });
        widget = label;
        break;
    }
    case Kind::RodLabel: {
        auto* label = new ClickLabel(parent);
        label->setFont(heiti(12, true));
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
            key->setFont(heiti(7.5, false));
        connect(key, &QPushButton::clicked, this,
                answer([this, click = wiring.click] { click(form_); }));
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
        syncs_.push_back(
            [this, cell, &controls, deck, rod = c.rod, i = c.index, described = -1]() mutable {
                const Cell& state = controls.cell(deck, rod, i);
                cell->setImage(&images::cell(state.image));
                if (cell->isEnabled() != state.enabled)
                    cell->setEnabled(state.enabled);
                const int value = form_.upvalAt(rod) + form_.lowvalAt(rod);
                if (const int now = value * 4 + int(state.image); now != described) {
                    accessibility::describeCell(cell, rod, state.image, value);
                    described = now;
                }
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
    accessibility::describe(widget, c);
    widget->setObjectName(qs(c.name));
    if (c.index >= 0)
        widget->setProperty("index", c.index);
    widget->setGeometry(layout::pixelRect(c));
}

void Window::sync() {
    for (const auto& syncOne : syncs_)
        syncOne();
}

void Window::syncOption() {
    const int wanted = form_.controls().selectedOption();
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

#include "ui/images.h"
#include "ui/keyboard.h"
#include "ui/layout.h"
#include "ui/window.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QTest>

#include <string_view>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

// Readable texts in the failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

QString lower(int rod) {
    return QString::fromUtf8(layout::lowerDeckName(rod).data());
}
QString upper(int rod) {
    return QString::fromUtf8(layout::upperDeckName(rod).data());
}

// Counts the mouse events that reach one widget itself.
class MouseSpy : public QObject {
public:
    explicit MouseSpy(QWidget* watched) : watched_(watched) { watched->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        const auto t = event->type();
        if (object == watched_ &&
            (t == QEvent::MouseButtonPress || t == QEvent::MouseButtonRelease ||
             t == QEvent::MouseButtonDblClick))
            ++count;
        return false;
    }

private:
    QWidget* watched_;
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QWidget* at(const QString& name, int index = -1) {
        QWidget* widget = window.control(name, index);
        EXPECT_NE(widget, nullptr) << name.toStdString() << "(" << index << ")";
        return widget;
    }
    QRect rectOf(const QString& name, int index = -1) {
        QWidget* w = at(name, index);
        return QRect(w->mapTo(&window, QPoint(0, 0)), w->size());
    }
    bool checked(int option) {
        return static_cast<QAbstractButton*>(at("Option1", option))->isChecked();
    }
    QString text(const QString& name, int index = -1) {
        return static_cast<QLabel*>(at(name, index))->text();
    }

    // A click as the window system delivers it: at a point of the window, to
    // whatever widget lies there.
    void clickAt(QWidget* target, QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(window.windowHandle(), button, {}, target->mapTo(&window, pos));
    }
    void click(const QString& name, int index = -1, Qt::MouseButton button = Qt::LeftButton) {
        QWidget* w = at(name, index);
        clickAt(w, w->rect().center(), button);
    }

    // Everything a click could change: every cell, the rods' texts, the labels.
    std::vector<std::string> state() {
        const Controls& c = window.form().controls();
        std::vector<std::string> s;
        for (int rod = 0; rod < rodCount; ++rod) {
            for (int i : upperCellIndices)
                s.push_back(std::to_string(int(c.cell(Deck::Upper, rod, i).image)) +
                            std::to_string(c.cell(Deck::Upper, rod, i).enabled));
            for (int i = 0; i < lowerCellCount; ++i)
                s.push_back(std::to_string(int(c.cell(Deck::Lower, rod, i).image)) +
                            std::to_string(c.cell(Deck::Lower, rod, i).enabled));
            s.push_back(window.form().rodstrAt(rod));
            s.push_back(c.rodLabel(rod).caption + std::to_string(c.rodLabel(rod).visible));
        }
        s.push_back(c.resultLine().caption + std::to_string(c.resultLine().visible));
        s.push_back(std::to_string(window.form().dot));
        return s;
    }

    Window window;
};

QImage shown(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST_F(WindowTest, ControlsStandWhereTheLayoutPutsThem) {
    EXPECT_EQ(window.windowTitle(), "Rodwise H-D");
    EXPECT_EQ(window.size(), QSize(438, 280));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());

    for (int i = 0; i < lowerCellCount; ++i)
        EXPECT_EQ(rectOf("Pic0", i), QRect(313, 116 + 18 * i, 33, 18)) << "Pic0(" << i << ")";
    EXPECT_EQ(rectOf("pic95", 1), QRect(16, 50, 33, 18));
    EXPECT_EQ(rectOf("pic95", 0), QRect(16, 86, 33, 18));
    EXPECT_EQ(rectOf("Picture22", 1), QRect(16, 38, 330, 12));
    EXPECT_EQ(rectOf("Frame1"), QRect(16, 104, 330, 12));
    EXPECT_EQ(rectOf("Option1", 9), QRect(25, 104, 12, 12));
    EXPECT_EQ(at("Option1", 9)->parentWidget(), at("Frame1"));
    EXPECT_EQ(rectOf("Picture22", 0), QRect(16, 224, 330, 12));
    EXPECT_EQ(rectOf("Command1", 3), QRect(320, 17, 25, 15));
    EXPECT_EQ(rectOf("Lab1", 8), QRect(51, 236, 19, 15));
    EXPECT_EQ(rectOf("Label2"), QRect(30, 254, 260, 17));
    EXPECT_EQ(rectOf("Pic80"), QRect(366, 93, 33, 18));
}

TEST_F(WindowTest, RodsRunRightToLeftWithTheirRadioAndLabel) {
    for (int rod = 0; rod < rodCount; ++rod) {
        const QRect column = rectOf(lower(rod), 0);
        EXPECT_EQ(column.left(), 313 - 33 * rod) << "rod " << rod;
        // The board's columns touch: ten of them fill the bars exactly.
        EXPECT_EQ(rectOf(upper(rod), 1).left(), column.left());
        EXPECT_TRUE(column.contains(rectOf("Option1", rod).center().x(), column.center().y()));
        EXPECT_TRUE(column.contains(rectOf("Lab1", rod).center().x(), column.center().y()));
        // The upper deck reads 1, 5, 0 from the top; the lower 0 to 5 from the beam.
        EXPECT_LT(rectOf(upper(rod), 1).top(), rectOf(upper(rod), 5).top());
        EXPECT_LT(rectOf(upper(rod), 5).top(), rectOf(upper(rod), 0).top());
        EXPECT_EQ(rectOf(upper(rod), 0).bottom() + 1, rectOf("Frame1").top());
        EXPECT_EQ(rectOf("Frame1").bottom() + 1, column.top());
        EXPECT_EQ(rectOf(lower(rod), 5).bottom() + 1, rectOf("Picture22", 0).top());
    }
    EXPECT_EQ(rectOf(lower(9), 0).left(), rectOf("Frame1").left());
    EXPECT_EQ(rectOf(lower(0), 0).right(), rectOf("Frame1").right());
}

TEST_F(WindowTest, StartsClearedWithRodLabelsHidden) {
    for (const char* source : {"Pic80", "Pic81", "Pic82"})
        EXPECT_FALSE(at(source)->isVisible()) << source;
    for (int rod = 0; rod < rodCount; ++rod)
        EXPECT_FALSE(at("Lab1", rod)->isVisible()) << rod;
    EXPECT_TRUE(at("Label2")->isVisible());
    EXPECT_EQ(text("Label2"), "");
    EXPECT_EQ(text("Label1"), "Tallwood");
    for (int k = 0; k < rodCount; ++k)
        EXPECT_EQ(checked(k), k == 0) << "Option1(" << k << ")";
    EXPECT_FALSE(at("Command1", 2)->isEnabled());
    EXPECT_FALSE(at("Command1", 3)->isEnabled());
    for (const char* key : {"Command3", "Command4", "Command5", "Command6"})
        EXPECT_TRUE(at(key)->isEnabled()) << key;
    // Decimal mode: the beads that only values above 9 use take no clicks.
    EXPECT_FALSE(at("Pic05", 1)->isEnabled());
    EXPECT_FALSE(at("Pic0", 5)->isEnabled());
}

TEST_F(WindowTest, BarsShowRodLabelsAndARodLabelHidesThem) {
    click("Picture22", 0);
    for (int rod = 0; rod < rodCount; ++rod)
        EXPECT_TRUE(at("Lab1", rod)->isVisible()) << rod;
    click("Picture22", 1);
    EXPECT_TRUE(at("Lab1", 9)->isVisible());
    click("Lab1", 4);
    for (int rod = 0; rod < rodCount; ++rod)
        EXPECT_FALSE(at("Lab1", rod)->isVisible()) << rod;
}

TEST_F(WindowTest, BeadPressesReachTheirDeckWithTheButton) {
    click(lower(3), 2);
    EXPECT_EQ(window.form().rodstrAt(3), "2");
    EXPECT_EQ(shown(at(lower(3), 2)), images::cell(Image::Gap));
    EXPECT_EQ(shown(at(lower(3), 0)), images::cell(Image::Bead));

    click(upper(9), 5);
    EXPECT_EQ(window.form().rodstrAt(9), "5");

    // The right button on a lower cell sets the upper deck to 5 as well.
    click(lower(6), 4, Qt::RightButton);
    EXPECT_EQ(window.form().rodstrAt(6), "9");
}

TEST_F(WindowTest, KeysAndRadioButtonsReachTheirHandlers) {
    click("Option1", 4);
    EXPECT_EQ(window.form().dot, 4);
    EXPECT_TRUE(checked(4));

    click("Command4"); // "C"
    EXPECT_EQ(window.form().dot, 0);
    EXPECT_TRUE(checked(0));
    EXPECT_FALSE(checked(4));

    click("Command6"); // "Hex": upper cell 1 opens on rods 0 to 7
    for (int rod = 0; rod < rodCount; ++rod)
        EXPECT_EQ(at(upper(rod), 1)->isEnabled(), rod < 8) << rod;
    EXPECT_TRUE(checked(7));

    click("Command4");
    click(lower(0), 4);
    click("Command5"); // "H-D" in decimal mode
    EXPECT_EQ(text("Label2"), "H = 4");
    EXPECT_FALSE(at("Command3")->isEnabled());
}

TEST_F(WindowTest, PressOnADisabledCellEndsNowhere) {
    click(lower(2), 3);
    QWidget* cell = at("Pic05", 1);
    ASSERT_FALSE(cell->isEnabled());
    MouseSpy windowSpy(&window);
    MouseSpy beamSpy(at("Frame1"));
    const auto before = state();

    for (auto button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        click("Pic05", 1, button);
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {},
                       cell->mapTo(&window, cell->rect().center()));

    EXPECT_EQ(state(), before);
    EXPECT_EQ(windowSpy.count, 0);
    EXPECT_EQ(beamSpy.count, 0);
}

TEST_F(WindowTest, BeamClickResetsTheBoardButARadioClickDoesNot) {
    click(lower(3), 2);
    click(upper(5), 0);
    click(upper(5), 5);
    // Any point of a radio button belongs to the button, not to the beam.
    clickAt(at("Option1", 4), QPoint(0, 0));
    EXPECT_EQ(window.form().dot, 4);
    EXPECT_EQ(window.form().rodstrAt(3), "2");

    // Between the radio buttons over rods 3 and 2 lies the bare beam.
    const QRect left = rectOf("Option1", 3);
    const QRect right = rectOf("Option1", 2);
    ASSERT_LT(left.right() + 1, right.left());
    clickAt(&window, QPoint((left.right() + right.left()) / 2, left.center().y()));
    EXPECT_EQ(window.form().rodstrAt(3), "0");
    EXPECT_EQ(window.form().rodstrAt(5), "0");
    EXPECT_EQ(shown(at(lower(3), 0)), images::cell(Image::Gap));
    EXPECT_TRUE(checked(4));
}

TEST_F(WindowTest, DisabledCellLooksExactlyLikeAnEnabledOne) {
    Controls& controls = window.form().controls();
    controls.setCellEnabled(Deck::Upper, 0, 1, true);
    controls.setCellEnabled(Deck::Upper, 1, 1, false);
    window.sync();
    ASSERT_TRUE(at("Pic05", 1)->isEnabled());
    ASSERT_FALSE(at("Pic15", 1)->isEnabled());

    EXPECT_EQ(shown(at("Pic15", 1)), shown(at("Pic05", 1)));
    EXPECT_EQ(shown(at("Pic15", 1)), images::cell(Image::ExtraBead));
}

// The window at a device pixel ratio, as a high-density screen gets it.
QImage rendered(QWidget& window, double ratio) {
    QImage image((QSizeF(window.size()) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    window.render(&image);
    image.setDevicePixelRatio(1);
    return image;
}

TEST_F(WindowTest, HighDensityScreensGetWholePixelsOfTheImagesOwnColours) {
    const QImage plain = shown(&window);
    // Twice the size: cells, bars and picture keys are their pixels doubled.
    const QImage twice = rendered(window, 2);
    std::vector<QRect> crisp{rectOf("Picture22", 0), rectOf("Picture22", 1), rectOf("Command1", 0),
                             rectOf("Command1", 1),  rectOf("Command3"),     rectOf("Command4")};
    for (int rod = 0; rod < rodCount; ++rod)
        crisp.insert(crisp.end(), {rectOf(upper(rod), 1), rectOf(lower(rod), 0)});
    for (const QRect& r : crisp)
        EXPECT_EQ(twice.copy(QRect(r.topLeft() * 2, r.size() * 2)),
                  plain.copy(r).scaled(r.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation))
            << r.x() << "," << r.y();

    // At 1.25 the cells' edges fall inside device pixels: still no seam where
    // the window's background would show through.
    const QImage fractional = rendered(window, 1.25);
    const QRect deck = rectOf(lower(9), 0).united(rectOf(lower(0), 5));
    const QRgb background = window.palette().color(QPalette::Window).rgb();
    int seams = 0;
    for (int y = deck.top() * 5 / 4; y < (deck.bottom() + 1) * 5 / 4; ++y)
        for (int x = deck.left() * 5 / 4; x < (deck.right() + 1) * 5 / 4; ++x)
            seams += fractional.pixel(x, y) == background;
    EXPECT_EQ(seams, 0);
}

// Keys as the window system delivers them: to the focus widget, shortcuts first.
class KeyboardTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(window.windowHandle(), key, modifiers);
    }
    // Typed characters; "<" and ">" stand for the Left and Right keys.
    void type(std::string_view keys) {
        for (char c : keys)
            c == '<'   ? key(Qt::Key_Left)
            : c == '>' ? key(Qt::Key_Right)
                       : QTest::keyClick(window.windowHandle(), c);
    }
    QString lastRods() { return text("Lab1", 2) + text("Lab1", 1) + text("Lab1", 0); }
};

TEST_F(KeyboardTest, ACalculationFromTheKeyboardAlone) {
    ASSERT_EQ(QApplication::focusWidget(), window.board());
    key(Qt::Key_Tab, Qt::ShiftModifier); // to the radio buttons: the point after rod 2
    type("<<");
    key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), window.board());
    EXPECT_EQ(window.form().dot, 2);
    type("<<1>2"); // 1.20
    key(Qt::Key_Asterisk, Qt::KeypadModifier);
    type("3"); // 0.30
    key(Qt::Key_Return);
    EXPECT_EQ(lastRods(), "036");
    key(Qt::Key_Slash, Qt::KeypadModifier);
    type("4=");
    EXPECT_EQ(lastRods(), "090");

    type("xf>f*2"); // "Hex", FF on the rods 1 and 0, times 2
    key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(text("Label2"), "H = 1FE");
    key(Qt::Key_Escape);
    EXPECT_FALSE(window.form().hexMode());
    type("4h");
    EXPECT_EQ(text("Label2"), "H = 4");
}

TEST_F(KeyboardTest, AShortcutOfADisabledKeyDoesNothing) {
    EXPECT_EQ(at("Command3")->toolTip(), "Equals (=, Return, Enter)");
    type("5h"); // "H-D" disables "="
    ASSERT_FALSE(at("Command3")->isEnabled());
    const auto before = state();
    type("=");
    key(Qt::Key_Return);
    key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(state(), before);
}

TEST_F(KeyboardTest, DigitsPressTheMarkedRodsBeadsAndTheMarkStaysOnTheBars) {
    EXPECT_FALSE(window.board()->markShown());
    type("x<<f>7>c"); // "c" is a digit on the board in hexadecimal mode, not the clear
    EXPECT_TRUE(window.board()->markShown());
    const auto typed = state();

    type("x"); // the same rods set with the mouse
    for (auto [rod, value] : {std::pair{2, 15}, {1, 7}, {0, 12}}) {
        click(upper(rod), value >= 10 ? 1 : value >= 5 ? 5 : 0);
        click(lower(rod), value >= 10 ? value - 10 : value % 5);
    }
    EXPECT_FALSE(window.board()->markShown());
    EXPECT_EQ(state(), typed);

    type("<<<<<<<<<<7");
    ASSERT_EQ(window.board()->rod(), 9);
    const auto seven = state();
    type("a"); // rod 9 cannot hold 10 even in hexadecimal mode
    EXPECT_EQ(state(), seven);

    // The mark lies on the bars over and under rod 9, never on a cell.
    const QImage marked = shown(&window);
    click("Label1");
    const QImage plain = shown(&window);
    QImage unmarked = marked;
    QPainter painter(&unmarked);
    for (const QRect& bar : {rectOf("Picture22", 1), rectOf("Picture22", 0)}) {
        const QRect spot(rectOf(lower(9), 0).left(), bar.top(), 33, bar.height());
        EXPECT_NE(marked.copy(spot), plain.copy(spot));
        painter.drawImage(spot, plain.copy(spot));
    }
    painter.end();
    EXPECT_EQ(unmarked, plain);
}

TEST_F(KeyboardTest, CtrlCCopiesTheNumberShownAndChangesNothing) {
    click("Option1", 2); // the focus stays on the board
    type("<1>5");        // 0.15 on the rods
    const auto before = state();
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "0.15");
    EXPECT_EQ(state(), before);
}

TEST_F(WindowTest, ScreenReadersHearWhatEachControlIsAndTheRodsValues) {
    auto reader = [this](const QString& name, int index = -1) {
        return QAccessible::queryAccessibleInterface(at(name, index));
    };
    auto name = [&reader](const QString& control, int index = -1) {
        return reader(control, index)->text(QAccessible::Name);
    };
    EXPECT_EQ(name("Command1", 0), "Multiply");
    EXPECT_EQ(name("Command1", 1), "Divide");
    EXPECT_EQ(name("Command3"), "Equals");
    EXPECT_EQ(name("Command4"), "Clear");
    EXPECT_EQ(name("Command5"), "Convert between hexadecimal and decimal");
    EXPECT_EQ(name("Command6"), "Hexadecimal mode");
    EXPECT_EQ(name("Option1", 3), "Decimal point after rod 3");
    EXPECT_EQ(name("Pic3", 2), "Rod 3, lower deck, cell 2");
    EXPECT_EQ(name("Pic35", 1), "Rod 3, upper deck, cell 1");
    EXPECT_EQ(name("Picture22", 1), "Top bar");
    EXPECT_EQ(name("Frame1"), "Beam");
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isHidden() && !qobject_cast<QLabel*>(widget)) {
            EXPECT_NE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name), "")
                << widget->objectName().toStdString();
        }
    }
    EXPECT_EQ(reader("Pic3", 2)->role(), QAccessible::Button);

    // A screen reader presses a cell as the mouse does; a disabled one ignores it.
    for (const auto& [name, index] : {std::pair{"Pic3", 2}, {"Pic35", 1}})
        reader(name, index)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(reader("Pic35", 1)->state().disabled);
    EXPECT_EQ(reader("Pic3", 2)->text(QAccessible::Description), "Bare rod; rod 3 holds 2");
    EXPECT_EQ(reader("Pic3", 0)->text(QAccessible::Description), "Bead; rod 3 holds 2");
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(window.board())
                    ->text(QAccessible::Description)
                    .startsWith("Rod 0 holds 0."));

    click("Command5"); // the result line is read as its text
    EXPECT_EQ(reader("Label2")->text(QAccessible::Name), "H = 7D0");
}

} // namespace

#include "ui/images.h"
#include "ui/layout.h"
#include "ui/window.h"

#include <QAccessible>
#include <QClipboard>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>

namespace {

// Records which objects receive events of the given types.
struct Spy : QObject {
    explicit Spy(std::set<QEvent::Type> types) : types(types) { qApp->installEventFilter(this); }
    bool eventFilter(QObject* object, QEvent* event) override {
        if (types.count(event->type()))
            got.insert(object);
        return false;
    }
    std::set<QEvent::Type> types;
    std::multiset<QObject*> got;
};

// A widget as drawn at a device pixel ratio.
QImage shown(QWidget* widget, double ratio = 1) {
    QImage image(widget->size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    widget->render(&image);
    image.setDevicePixelRatio(1);
    return image;
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QString lower(int rod) { return QString::fromUtf8(layout::lowerDeckName(rod).data()); }
    QString upper(int rod) { return QString::fromUtf8(layout::upperDeckName(rod).data()); }
    QWidget* at(const QString& name, int index = -1) {
        if (QWidget* widget = window.control(name, index))
            return widget;
        throw std::invalid_argument("no control " + name.toStdString());
    }
    QRect rectOf(const QString& name, int index = -1) {
        return QRect(at(name, index)->mapTo(&window, QPoint(0, 0)), at(name, index)->size());
    }
    QPoint centre(const QString& name, int index = -1) { return rectOf(name, index).center(); }
    bool checked(int rod) { return at("Option1", rod)->property("checked").toBool(); }
    std::string text(const QString& name, int i = -1) {
        return at(name, i)->property("text").toString().toStdString();
    }

    // The rods as the window shows them, without the bars.
    QImage rods() { return window.grab(rectOf(upper(9), 1).united(rectOf(lower(0), 5))).toImage(); }

    // Input as the window system delivers it: a click at a point of the
    // window to whatever widget lies there, keys to the focus widget.
    void click(const QString& name, int index = -1, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(window.windowHandle(), button, {}, centre(name, index));
    }
    // Typed characters: "<" and ">" are Left and Right, "\t" Tab and "\b"
    // Backtab, "\r" Return, "\n" the keypad's Enter, "!" Escape.
    void type(std::string_view keys) {
        constexpr std::string_view named = "<>\t\b\r\n!";
        const Qt::Key codes[] = {Qt::Key_Left,   Qt::Key_Right, Qt::Key_Tab,   Qt::Key_Backtab,
                                 Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape};
        for (char c : keys)
            if (const auto n = named.find(c); n != named.npos)
                QTest::keyClick(window.windowHandle(), codes[n],
                                c == '\n' ? Qt::KeypadModifier : Qt::NoModifier);
            else
                QTest::keyClick(window.windowHandle(), c);
    }
    // The pending repaint, now, as the event loop would run it.
    void repaint() {
        QEvent request(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(&window, &request);
    }

    Window window;
};

TEST_F(WindowTest, StartsWithEachControlAtItsPixels) {
    EXPECT_EQ(window.windowTitle(), "Rodwise H-D");
    EXPECT_EQ(window.size(), QSize(438, 280));
    const std::tuple<const char*, int, QRect> places[] = {
        {"pic95", 1, {16, 50, 33, 18}},      {"Pic0", 5, {313, 206, 33, 18}},
        {"Picture22", 1, {16, 38, 330, 12}}, {"Frame1", -1, {16, 104, 330, 12}},
        {"Option1", 9, {25, 104, 12, 12}},   {"Picture22", 0, {16, 224, 330, 12}},
        {"Command1", 3, {320, 17, 25, 15}},  {"Lab1", 8, {51, 236, 19, 15}},
        {"Label2", -1, {30, 254, 260, 17}},  {"Pic80", -1, {366, 93, 33, 18}}};
    for (const auto& [name, index, place] : places)
        EXPECT_EQ(rectOf(name, index), place) << name << "(" << index << ")";

    EXPECT_TRUE(at("Pic80")->isHidden() && at("Pic81")->isHidden() && at("Pic82")->isHidden());
    for (int rod = 0; rod < rodCount; ++rod) {
        EXPECT_EQ(rectOf(lower(rod), 0), QRect(313 - 33 * rod, 116, 33, 18)) << rod;
        EXPECT_FALSE(at("Lab1", rod)->isVisible()) << rod;
        EXPECT_EQ(checked(rod), rod == 0) << rod;
    }
    EXPECT_TRUE(at("Label2")->isVisible() && text("Label2").empty());
    EXPECT_FALSE(at("Command1", 2)->isEnabled() || at("Command1", 3)->isEnabled()); // H.+, H.-
}

// Each click runs its control's handler: a twin window, its form's handlers
// run directly, looks the same after each.
TEST_F(WindowTest, ClicksReachTheirHandlers) {
    Window twin;
    const Qt::MouseButton left = Qt::LeftButton;
    const std::tuple<QPoint, Qt::MouseButton, std::function<void(Form2&)>> clicks[] = {
        {centre(lower(3), 2), left, [](Form2& f) { f.LowerDeck_MouseDown(3, 2, 1); }},
        {centre(lower(6), 4), Qt::RightButton, [](Form2& f) { f.LowerDeck_MouseDown(6, 4, 2); }},
        {centre(lower(5), 1), Qt::MiddleButton, [](Form2& f) { f.LowerDeck_MouseDown(5, 1, 4); }},
        // A radio button's corner is the button's; between two lies the beam.
        {rectOf("Option1", 4).topLeft(), left, [](Form2& f) { f.userClicksOption(4); }},
        {rectOf("Option1", 3).topRight() + QPoint(2, 0), left, [](Form2& f) { f.Frame1_Click(); }},
        {centre(lower(0), 3), left, [](Form2& f) { f.LowerDeck_MouseDown(0, 3, 1); }},
        {centre("Command1", 0), left, [](Form2& f) { f.Command1_Click(0); }},
        {centre(upper(1), 0), left, [](Form2& f) { f.UpperDeck_MouseDown(1, 0, 1); }},
        {centre("Command3"), left, [](Form2& f) { f.Command3_Click(); }},
        {centre("Command1", 1), left, [](Form2& f) { f.Command1_Click(1); }},
        {centre(lower(2), 1), left, [](Form2& f) { f.LowerDeck_MouseDown(2, 1, 1); }},
        {centre("Picture22", 0), Qt::RightButton, [](Form2&) {}}, // a press, not a click
        {centre("Picture22", 0), left, [](Form2& f) { f.Picture22_Click(0); }},
        {centre("Lab1", 4), left, [](Form2& f) { f.Lab1_Click(4); }},
        {centre("Command4"), left, [](Form2& f) { f.Command4_Click(); }},
        {centre("Command5"), left, [](Form2& f) { f.Command5_Click(); }},
        {centre("Command6"), left, [](Form2& f) { f.Command6_Click(); }},
    };
    for (const auto& [where, button, handler] : clicks) {
        QTest::mouseClick(window.windowHandle(), button, {}, where);
        handler(twin.form());
        twin.sync();
        ASSERT_EQ(shown(&window), shown(&twin)) << &where - &std::get<0>(clicks[0]);
    }
}

TEST_F(WindowTest, ADisabledCellTakesNoPressAndLooksLikeAnEnabledOne) {
    click("Command6"); // "Hex" opens the top cells of rods 0 to 7 alone
    ASSERT_FALSE(at(upper(8), 1)->isEnabled());
    ASSERT_TRUE(at(upper(7), 1)->isEnabled());
    EXPECT_TRUE(checked(7));
    for (int rod : {7, 8})
        EXPECT_EQ(shown(at(upper(rod), 1)), images::cell(Image::ExtraBead)) << rod;

    Spy mouse({QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick});
    const QImage before = shown(&window);
    for (auto button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        click(upper(8), 1, button);
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, rectOf(upper(8), 1).center());
    EXPECT_EQ(shown(&window), before);
    EXPECT_EQ(mouse.got.count(&window) + mouse.got.count(at("Frame1")), 0u);
}

TEST_F(WindowTest, APressRepaintsOnlyTheCellsItChanges) {
    repaint();
    Spy paints({QEvent::Paint});
    click(lower(3), 3); // the gap moves from cell 0 to cell 3
    repaint();
    EXPECT_EQ(paints.got, (std::multiset<QObject*>{at(lower(3), 0), at(lower(3), 3)}));
    EXPECT_EQ(shown(at(lower(3), 3)), images::cell(Image::Gap));
    paints.got.clear();
    click(lower(3), 3); // the gap is there already
    repaint();
    EXPECT_TRUE(paints.got.empty());
    click("Command6"); // "Hex" opens the top cells but changes no picture
    repaint();
    EXPECT_EQ(paints.got.count(at(upper(0), 1)), 0u);
}

TEST_F(WindowTest, ACalculationFromTheKeyboardAlone) {
    type("\b<<\t"); // over to the radio buttons: the point after rod 2, and back
    const auto lastRods = [this] { return text("Lab1", 2) + text("Lab1", 1) + text("Lab1", 0); };
    type("<<1>2*3\r"); // 1.20 * 0.30
    EXPECT_EQ(lastRods(), "036");
    type("/4=");
    EXPECT_EQ(lastRods(), "090");
    type("xf>f*2\n"); // "Hex", FF on the rods 1 and 0, times 2
    EXPECT_EQ(text("Label2"), "H = 1FE");
    type("!4h"); // the clear, back in decimal mode
    EXPECT_EQ(text("Label2"), "H = 4");

    // "H-D" has disabled "=": none of its shortcuts reaches it.
    ASSERT_FALSE(at("Command3")->isEnabled());
    const QImage before = shown(&window);
    type("=\r\n");
    EXPECT_EQ(shown(&window), before);
}

TEST_F(WindowTest, TypedDigitsAreMouseClicksAndCtrlCCopiesThem) {
    type("x<<f>7>c"); // "c" is a digit on the board in hexadecimal mode, not the clear
    const QImage typed = rods();
    QTest::keySequence(window.windowHandle(), QKeySequence::Copy);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "F7C");
    EXPECT_EQ(rods(), typed);

    type("x"); // the same rods set with the mouse
    for (auto [rod, value] : {std::pair{2, 15}, {1, 7}, {0, 12}}) {
        click(upper(rod), value >= 10 ? 1 : value >= 5 ? 5 : 0);
        click(lower(rod), value >= 10 ? value - 10 : value % 5);
    }
    EXPECT_EQ(rods(), typed);

    type("<<<<<<<<<<7a"); // rod 9 cannot hold 10 even in hexadecimal mode
    EXPECT_EQ(window.form().rodstrAt(9), "7");
}

TEST_F(WindowTest, ScreenReadersHearNamesRolesAndValues) {
    const auto reader = [this](const QString& name, int index = -1) {
        return QAccessible::queryAccessibleInterface(at(name, index));
    };
    const std::pair<const char*, int> named[] = {
        {"Command1", 0}, {"Command4", -1}, {"Option1", 3}, {"Pic3", 2},
        {"Pic35", 1},    {"Picture22", 1}, {"Frame1", -1}};
    QStringList heard;
    for (const auto& [name, index] : named)
        heard << reader(name, index)->text(QAccessible::Name);
    EXPECT_EQ(heard.join("; "), "Multiply; Clear; Decimal point after rod 3; Rod 3, lower deck, "
                                "cell 2; Rod 3, upper deck, cell 1; Top bar; Beam");
    for (const auto& [name, index] : {std::pair{"Pic3", 2}, {"Picture22", 0}, {"Frame1", -1}})
        EXPECT_EQ(reader(name, index)->role(), QAccessible::Button) << name;

    // A reader presses a cell as the mouse does; a disabled one ignores it.
    for (const auto& [name, index] : {std::pair{"Pic0", 2}, {"Pic05", 1}})
        reader(name, index)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(reader("Pic0", 2)->text(QAccessible::Description), "Bare rod; rod 0 holds 2");
    EXPECT_TRUE(reader("Board")->text(QAccessible::Description).startsWith("Rod 0 holds 2."));
}

TEST_F(WindowTest, HighDensityScreensGetTheImagesPixelsDoubled) {
    const QImage plain = shown(&window);
    const QImage twice = shown(&window, 2);
    for (const QRect& r : {rectOf("Picture22", 1).united(rectOf(upper(0), 0)),
                           rectOf(lower(9), 0).united(rectOf("Picture22", 0)),
                           rectOf("Command1", 0).united(rectOf("Command4"))})
        EXPECT_EQ(
            twice.copy(QRect(r.topLeft() * 2, r.size() * 2)),
            plain.copy(r).scaled(r.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

} // namespace

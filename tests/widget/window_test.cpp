#include "tests/widget/window_fixture.h"
#include "ui/widgets/images.h"

#include <algorithm>
#include <functional>
#include <tuple>

namespace {

// Each click reaches the part of the calculator it belongs to: a twin
// window, its calculator told directly, looks the same after each.
TEST_F(WindowTest, ClicksReachTheirOwners) {
    Window twin;
    const Qt::MouseButton left = Qt::LeftButton;
    using Event = std::function<void(Calculator&)>;
    const auto bead = [](int rod, Deck deck, int cell, MouseButton button = MouseButton::Left) {
        return [=](Calculator& c) { c.pressBead(rod, {deck, cell}, button); };
    };
    const auto key = [](Key k) { return [k](Calculator& c) { c.press(k); }; };
    const std::tuple<const char*, QPoint, Qt::MouseButton, Event> clicks[] = {
        {"rod 3, lower cell 2", centre(lower(3), 2), left, bead(3, Deck::Lower, 2)},
        {"rod 6, lower cell 4, right button", centre(lower(6), 4), Qt::RightButton,
         bead(6, Deck::Lower, 4, MouseButton::Right)},
        {"rod 5, lower cell 1, middle button", centre(lower(5), 1), Qt::MiddleButton,
         bead(5, Deck::Lower, 1, MouseButton::Other)},
        // A radio button's corner is the button's; between two lies the beam.
        {"the point's corner", rectOf("point", 4).topLeft(), left,
         [](Calculator& c) { c.choosePoint(4); }},
        {"the beam between two points", rectOf("point", 3).topRight() + QPoint(2, 0), left,
         [](Calculator& c) { c.resetBoard(); }},
        {"rod 0, lower cell 3", centre(lower(0), 3), left, bead(0, Deck::Lower, 3)},
        {"*", centre(Key::Multiply), left, key(Key::Multiply)},
        {"rod 1, upper cell 1", centre(upper(1), 1), left, bead(1, Deck::Upper, 1)},
        {"=", centre(Key::Equals), left, key(Key::Equals)},
        {"/", centre(Key::Divide), left, key(Key::Divide)},
        {"rod 2, lower cell 1", centre(lower(2), 1), left, bead(2, Deck::Lower, 1)},
        {"the bar, right button: a press, not a click", centre("bar", 0), Qt::RightButton,
         [](Calculator&) {}},
        {"the bar", centre("bar", 0), left, [](Calculator& c) { c.showRodLabels(true); }},
        {"a rod label", centre("rodLabel", 4), left, [](Calculator& c) { c.showRodLabels(false); }},
        {"C", centre(Key::Clear), left, key(Key::Clear)},
        {"H-D", centre(Key::Convert), left, key(Key::Convert)},
        {"Hex", centre(Key::Hexadecimal), left, key(Key::Hexadecimal)},
    };
    for (const auto& [name, where, button, event] : clicks) {
        QTest::mouseClick(window.windowHandle(), button, {}, where);
        event(twin.calculator());
        twin.sync();
        ASSERT_EQ(shown(&window), shown(&twin)) << name;
    }
}

TEST_F(WindowTest, ADisabledCellTakesNoPressAndLooksLikeAnEnabledOne) {
    click(Key::Hexadecimal); // "Hex" opens the top cells of rods 0 to 7 alone
    ASSERT_FALSE(at(upper(8), 2)->isEnabled());
    for (int rod : {7, 8})
        EXPECT_EQ(shown(at(upper(rod), 2)), images::cell(Image::ExtraBead)) << rod;

    Spy mouse({QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick});
    const QImage before = shown(&window);
    for (auto button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        click(upper(8), 2, button);
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, rectOf(upper(8), 2).center());
    EXPECT_EQ(shown(&window), before);
    EXPECT_EQ(mouse.got.count(&window) + mouse.got.count(at("beam")), 0u);
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
    click(Key::Hexadecimal); // "Hex" opens the top cells but changes no picture
    repaint();
    EXPECT_EQ(paints.got.count(at(upper(0), 2)), 0u);
}

// The window's colours at chosen points of the start state, in the window's
// pixels (tests/widget/layout_test.cpp has the places): rod 0's cells, the
// bars, the beam and the "*" key; then the result line's text.
TEST_F(WindowTest, ThePicturesHaveTheirColours) {
    const std::tuple<QPoint, QRgb, const char*> samples[] = {
        {{314, 117}, 0x8EB9E3, "the field of a gap (lower cell 0)"},
        {{328, 125}, 0xA89274, "the bare rod's lit half"},
        {{329, 125}, 0x8C7658, "the bare rod's shaded half"},
        {{314, 135}, 0x8FBAE4, "the field of a bead (lower cell 1)"},
        {{329, 143}, 0xC68C60, "a bead's wood in its middle row"},
        {{314, 207}, 0x9285B1, "the field of a bead for values above 9 (lower cell 5)"},
        {{329, 215}, 0xB77C52, "its wood in its middle row"},
        {{329, 59}, 0xB77C52, "the same bead on the upper deck (cell 2)"},
        {{17, 38}, 0x7B7B7B, "the top bar's top row"},
        {{17, 49}, 0x090909, "the top bar's bottom row"},
        {{17, 224}, 0x090909, "the bottom bar's top row"},
        {{17, 235}, 0x5B5B5B, "the bottom bar's bottom row"},
        {{210, 110}, 0x808080, "the beam between two radio buttons"},
        {{135, 29}, 0x887C90, "the field of the \"*\" key"},
        {{118, 19}, 0xD8D8D8, "the corner of the \"*\" key"},
        {{128, 26}, 0x000000, "the middle of the \"*\" symbol"},
    };
    const QImage image = shown(&window);
    for (const auto& [at, colour, what] : samples)
        EXPECT_EQ(image.pixel(at) & 0xFFFFFF, colour) << what;
    // The result line's text is purple: "H-D" on 3 writes "H = 3". It also
    // disables "=", whose face is then dimmed: drawn at 45 % over white, its
    // field 887C90 turns CAC4CD.
    type("3h");
    const QImage after = shown(&window);
    EXPECT_EQ(after.pixel(180, 29) & 0xFFFFFF, 0xCAC4CDu);
    const QImage line = after.copy(30, 254, 260, 17);
    const auto* pixel = reinterpret_cast<const QRgb*>(line.constBits());
    EXPECT_NE(std::find(pixel, pixel + line.width() * line.height(), 0xFFC000C0),
              pixel + line.width() * line.height());
}

} // namespace

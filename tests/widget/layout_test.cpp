// Every control of the window at its place and size, in pixels of the
// window's client area, and what a screen reader calls it and describes it
// as (the keys' names are the language test's). The tables are written out by
// hand from the window's design in twips (15 to a pixel, rounded to the
// nearest), not taken from the layout table that the window is built from.
#include "tests/widget/window_fixture.h"

#include <array>
#include <map>
#include <string>
#include <tuple>

namespace {

// The left edge of each rod's column, rod 0 first: 4695 - 495 k twips.
constexpr std::array<int, 10> columnLeft{313, 280, 247, 214, 181, 148, 115, 82, 49, 16};
// The upper deck from the top: cell 2 at 750, cell 1 at 1020, cell 0 at 1290;
// a screen reader numbers them 1, 5 and 0.
// Each cell, its top, what it is called and described as.
const std::tuple<int, int, const char*, const char*> upperCells[] = {
    {2, 50, "1", "Bead for values above 9"}, {1, 68, "5", "Bead"}, {0, 86, "0", "Bare rod"}};
// The lower deck from the beam down: cells 0 to 5 at 1740 + 270 i.
constexpr std::array<int, 6> lowerTop{116, 134, 152, 170, 188, 206};
// The radio buttons' left edges in the window, rod 0 first: the beam's 240
// plus 4585 - 495 k.
constexpr std::array<int, 10> radioLeft{322, 289, 256, 223, 190, 157, 124, 91, 58, 25};
// The rod labels' left edges, rod 0 first: 4725 - 495 k.
constexpr std::array<int, 10> labelLeft{315, 282, 249, 216, 183, 150, 117, 84, 51, 18};
// The keys' left edges, "*" to "H.-": 1725, 2164, 2603, 3042, 3481, 3920,
// 4359 and 4800; each key 380 x 225 at 255 from the top.
constexpr std::array<int, 8> keyLeft{115, 144, 174, 203, 232, 261, 291, 320};

struct Place {
    const char* name;
    int index;
    QRect rect;
    const char* read = nullptr; // its accessible name and description; null: not here
    bool hidden = false;        // a picture of a cell that is never shown
};

// What a screen reader reads of a control: "name|description".
QString read(QWidget* widget) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface->text(QAccessible::Name) + '|' + iface->text(QAccessible::Description);
}

// The controls that are not one per rod.
const Place singles[] = {
    {"title", -1, {30, 16, 64, 16}, "Tallwood|"},                  // 450, 240, 960 x 240
    {"bar", 1, {16, 38, 330, 12}, "Top bar|Shows the rod labels"}, // 240, 570, 4950 x 180
    {"beam", -1, {16, 104, 330, 12}, "Decimal point|Beam; pressing it sets every rod to 0"},
    {"bar", 0, {16, 224, 330, 12}, "Bottom bar|Shows the rod labels"}, // 240, 3360
    {"resultLine", -1, {30, 254, 260, 17}, "|Result"},                 // 450, 3810, 3900 x 255
};

using Layout = WindowTest;

TEST_F(Layout, EveryControlStandsAtItsPlace) {
    EXPECT_EQ(window.size(), QSize(438, 280)); // 6570 x 4200
    std::map<std::string, int> expected;       // controls by name
    for (const Place& p : singles) {
        EXPECT_EQ(rectOf(p.name, p.index), p.rect) << p.name << "(" << p.index << ")";
        EXPECT_EQ(at(p.name, p.index)->isVisible(), !p.hidden);
        if (p.read) {
            EXPECT_EQ(read(at(p.name, p.index)), p.read) << p.name;
        }
        ++expected[p.name];
    }
    for (int key = 0; key < 8; ++key) {
        EXPECT_EQ(rectOf("key", key), QRect(keyLeft[key], 17, 25, 15)) << "key " << key;
        EXPECT_TRUE(at("key", key)->isVisible()) << "key " << key;
    }
    expected["key"] = 8;
    for (int rod = 0; rod < 10; ++rod) {
        const QString called = QStringLiteral("Rod %1, %2 deck, cell %3|%4").arg(rod);
        for (const auto& [cell, top, spoken, described] : upperCells) {
            EXPECT_EQ(rectOf(upper(rod), cell), QRect(columnLeft[rod], top, 33, 18))
                << rod << " upper " << cell;
            EXPECT_EQ(read(at(upper(rod), cell)), called.arg("upper", spoken, described));
        }
        for (int cell = 0; cell < 6; ++cell) {
            EXPECT_EQ(rectOf(lower(rod), cell), QRect(columnLeft[rod], lowerTop[cell], 33, 18))
                << rod << " lower " << cell;
            const char* described = cell == 0  ? "Bare rod"
                                    : cell < 5 ? "Bead"
                                               : "Bead for values above 9";
            EXPECT_EQ(read(at(lower(rod), cell)), called.arg("lower").arg(cell).arg(described));
        }
        EXPECT_EQ(rectOf("point", rod), QRect(radioLeft[rod], 104, 12, 12)) << rod;
        EXPECT_EQ(read(at("point", rod)), QStringLiteral("Decimal point after rod %1|").arg(rod));
        // Hidden, a rod label is read as no text.
        EXPECT_EQ(read(at("rodLabel", rod)), QStringLiteral("|Result digit of rod %1").arg(rod));
        EXPECT_EQ(at("point", rod)->parentWidget(), at("beam", -1)) << rod;
        // 330 wide but for the two leftmost, which are 285.
        EXPECT_EQ(rectOf("rodLabel", rod), QRect(labelLeft[rod], 236, rod >= 8 ? 19 : 22, 15))
            << rod;
        expected[upper(rod).toStdString()] = 3;
        expected[lower(rod).toStdString()] = 6;
    }
    expected["point"] = 10;
    expected["rodLabel"] = 10;

    // And no control besides: each name has exactly the elements above.
    for (const auto& [name, count] : expected)
        EXPECT_EQ(window.findChildren<QWidget*>(QString::fromStdString(name)).size(), count)
            << name;
}

} // namespace

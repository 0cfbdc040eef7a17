// Every control of the window at its place and size, in pixels of the
// window's client area. The tables are written out by hand from the window's
// design in twips (15 to a pixel, rounded to the nearest), not taken from the
// layout table that the window is built from.
#include "tests/widget/window_fixture.h"

#include <array>
#include <map>
#include <string>
#include <utility>

namespace {

// The left edge of each rod's column, rod 0 first: 4695 - 495 k twips.
constexpr std::array<int, 10> columnLeft{313, 280, 247, 214, 181, 148, 115, 82, 49, 16};
// The upper deck from the top: cell 1 at 750, cell 5 at 1020, cell 0 at 1290.
constexpr std::array<std::pair<int, int>, 3> upperTop{{{1, 50}, {5, 68}, {0, 86}}};
// The lower deck from the beam down: cells 0 to 5 at 1740 + 270 i.
constexpr std::array<int, 6> lowerTop{116, 134, 152, 170, 188, 206};
// The radio buttons' left edges in the window, rod 0 first: the beam's 240
// plus 4585 - 495 k.
constexpr std::array<int, 10> radioLeft{322, 289, 256, 223, 190, 157, 124, 91, 58, 25};
// The rod labels' left edges, rod 0 first: 4725 - 495 k.
constexpr std::array<int, 10> labelLeft{315, 282, 249, 216, 183, 150, 117, 84, 51, 18};

constexpr std::array<const char*, 10> lowerName{"Pic0", "Pic1", "Pic2", "Pic3", "Pic4",
                                                "Pic5", "Pic6", "Pic7", "Pic8", "pic9"};
constexpr std::array<const char*, 10> upperName{"Pic05", "Pic15", "Pic25", "Pic35", "Pic45",
                                                "Pic55", "Pic65", "Pic75", "Pic85", "pic95"};

struct Place {
    const char* name;
    int index;
    QRect rect;
};

// The controls that are not one per rod.
const Place singles[] = {
    {"Label1", -1, {30, 16, 64, 16}},     // 450, 240, 960 x 240
    {"Command1", 0, {115, 17, 25, 15}},   // 1725, 255, 380 x 225
    {"Command1", 1, {144, 17, 25, 15}},   // 2164
    {"Command3", -1, {174, 17, 25, 15}},  // 2603
    {"Command4", -1, {203, 17, 25, 15}},  // 3042
    {"Command5", -1, {232, 17, 25, 15}},  // 3481
    {"Command6", -1, {261, 17, 25, 15}},  // 3920
    {"Command1", 2, {291, 17, 25, 15}},   // 4359
    {"Command1", 3, {320, 17, 25, 15}},   // 4800
    {"Picture22", 1, {16, 38, 330, 12}},  // 240, 570, 4950 x 180
    {"Frame1", -1, {16, 104, 330, 12}},   // 240, 1560, 4950 x 180
    {"Picture22", 0, {16, 224, 330, 12}}, // 240, 3360, 4950 x 180
    {"Label2", -1, {30, 254, 260, 17}},   // 450, 3810, 3900 x 255
    {"Pic82", -1, {366, 51, 33, 18}},     // 5490, 765, 495 x 270
    {"Pic81", -1, {366, 72, 33, 18}},     // 5490, 1080
    {"Pic80", -1, {366, 93, 33, 18}},     // 5490, 1395, and these three never shown
};

using Layout = WindowTest;

TEST_F(Layout, EveryControlStandsAtItsPlace) {
    EXPECT_EQ(window.size(), QSize(438, 280)); // 6570 x 4200
    std::map<std::string, int> expected;       // controls by name
    for (const Place& p : singles) {
        EXPECT_EQ(rectOf(p.name, p.index), p.rect) << p.name << "(" << p.index << ")";
        EXPECT_EQ(at(p.name, p.index)->isVisible(), !QByteArray(p.name).startsWith("Pic8"));
        ++expected[p.name];
    }
    for (int rod = 0; rod < 10; ++rod) {
        for (const auto& [index, top] : upperTop)
            EXPECT_EQ(rectOf(upperName[rod], index), QRect(columnLeft[rod], top, 33, 18))
                << upperName[rod] << "(" << index << ")";
        for (int index = 0; index < 6; ++index)
            EXPECT_EQ(rectOf(lowerName[rod], index),
                      QRect(columnLeft[rod], lowerTop[index], 33, 18))
                << lowerName[rod] << "(" << index << ")";
        EXPECT_EQ(rectOf("Option1", rod), QRect(radioLeft[rod], 104, 12, 12)) << rod;
        EXPECT_EQ(at("Option1", rod)->parentWidget(), at("Frame1", -1)) << rod;
        // 330 wide but for the two leftmost, which are 285.
        EXPECT_EQ(rectOf("Lab1", rod), QRect(labelLeft[rod], 236, rod >= 8 ? 19 : 22, 15)) << rod;
        expected[upperName[rod]] = 3;
        expected[lowerName[rod]] = 6;
    }
    expected["Option1"] = 10;
    expected["Lab1"] = 10;

    // And no control besides: each name has exactly the elements above.
    for (const auto& [name, count] : expected)
        EXPECT_EQ(window.findChildren<QWidget*>(QString::fromStdString(name)).size(), count)
            << name;
}

} // namespace

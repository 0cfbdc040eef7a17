#include "ui/widgets/layout.h"

#include "app/controls.h"
#include "ui/widgets/key_row.h"

#include <array>

namespace layout {
namespace {

constexpr std::array<std::string_view, rodCount> lowerNames{"Pic0", "Pic1", "Pic2", "Pic3", "Pic4",
                                                            "Pic5", "Pic6", "Pic7", "Pic8", "pic9"};
constexpr std::array<std::string_view, rodCount> upperNames{
    "Pic05", "Pic15", "Pic25", "Pic35", "Pic45", "Pic55", "Pic65", "Pic75", "Pic85", "pic95"};

// The board: ten touching columns of 495, rod 0 on the right.
constexpr int boardLeft = 240;
constexpr int boardWidth = 4950;
constexpr int columnWidth = 495;
constexpr int cellHeight = 270;
constexpr int barHeight = 180;
constexpr int columnLeft(int rod) {
    return 4695 - columnWidth * rod;
}

// The rows of the board from the top.
constexpr int topBarTop = 570;
constexpr int beamTop = 1560;
constexpr int lowerDeckTop = 1740; // lower cell 0, next to the beam
constexpr int bottomBarTop = 3360;
constexpr int upperCellTop(int index) {
    return index == 1 ? 750 : index == 5 ? 1020 : 1290;
}

// The key row.
constexpr int keyTop = 255;
constexpr int keyWidth = 380;
constexpr int keyHeight = 225;

// The radio buttons sit at the top of the beam, one over each rod.
constexpr int radioSize = 180;
constexpr int radioLeftInBeam(int rod) {
    return 4585 - columnWidth * rod;
}

// The rod labels stand under the bottom bar; the two leftmost are narrower.
constexpr int rodLabelTop = 3540;
constexpr int rodLabelHeight = 225;
constexpr int rodLabelLeft(int rod) {
    return 4725 - columnWidth * rod;
}
constexpr int rodLabelWidth(int rod) {
    return rod >= 8 ? 285 : 330;
}

// The three hidden image sources right of the board.
constexpr int sourceLeft = 5490;

std::vector<Control> build() {
    std::vector<Control> table;
    auto add = [&table](Control c) { table.push_back(c); };

    add({"Label1", Kind::Title, -1, -1, 450, 240, 960, 240, "Tallwood"});

    for (const key_row::Entry& k : key_row::entries()) {
        Control key{k.name,   k.picture ? Kind::PictureKey : Kind::TextKey,
                    k.index,  -1,
                    k.left,   keyTop,
                    keyWidth, keyHeight,
                    k.caption};
        key.key = k.key;
        add(key);
    }

    add({"Picture22", Kind::Bar, 1, -1, boardLeft, topBarTop, boardWidth, barHeight});
    for (int rod = rodCount - 1; rod >= 0; --rod)
        for (int index : {1, 5, 0})
            add({upperNames[rod], Kind::UpperCell, index, rod, columnLeft(rod), upperCellTop(index),
                 columnWidth, cellHeight});

    add({"Frame1", Kind::Beam, -1, -1, boardLeft, beamTop, boardWidth, barHeight});
    for (int rod = rodCount - 1; rod >= 0; --rod) {
        Control radio{"Option1", Kind::Radio, rod,      rod, radioLeftInBeam(rod),
                      0,         radioSize,   radioSize};
        radio.parent = "Frame1";
        add(radio);
    }

    for (int rod = rodCount - 1; rod >= 0; --rod)
        for (int index = 0; index < lowerCellCount; ++index)
            add({lowerNames[rod], Kind::LowerCell, index, rod, columnLeft(rod),
                 lowerDeckTop + cellHeight * index, columnWidth, cellHeight});
    add({"Picture22", Kind::Bar, 0, -1, boardLeft, bottomBarTop, boardWidth, barHeight});

    for (int rod = rodCount - 1; rod >= 0; --rod)
        add({"Lab1", Kind::RodLabel, rod, rod, rodLabelLeft(rod), rodLabelTop, rodLabelWidth(rod),
             rodLabelHeight});
    add({"Label2", Kind::ResultLine, -1, -1, 450, 3810, 3900, 255});

    add({"Pic82", Kind::ImageSource, -1, -1, sourceLeft, 765, columnWidth, cellHeight});
    add({"Pic81", Kind::ImageSource, -1, -1, sourceLeft, 1080, columnWidth, cellHeight});
    add({"Pic80", Kind::ImageSource, -1, -1, sourceLeft, 1395, columnWidth, cellHeight});
    return table;
}

} // namespace

QRect pixelRect(const Control& c) {
    return {twipsToPixels(c.left), twipsToPixels(c.top), twipsToPixels(c.width),
            twipsToPixels(c.height)};
}

const std::vector<Control>& controls() {
    static const std::vector<Control> table = build();
    return table;
}

std::string_view lowerDeckName(int rod) {
    return lowerNames.at(static_cast<std::size_t>(rod));
}
std::string_view upperDeckName(int rod) {
    return upperNames.at(static_cast<std::size_t>(rod));
}

} // namespace layout

#include "ui/widgets/layout.h"

#include "ui/widgets/key_row.h"

#include <array>
#include <string>

namespace layout {
namespace {

// The board: ten touching columns of 495, rod 0 on the right.
constexpr int boardLeft = 240;
constexpr int boardWidth = 4950;
constexpr int columnWidth = 495;
constexpr int cellHeight = 270;
constexpr int barHeight = 180;
constexpr int columnLeft(int rod) {
    return 4695 - columnWidth * rod;
}

// The rows of the board from the top. Both decks count their cells from the
// beam outwards: the upper deck upwards, the lower deck downwards.
constexpr int topBarTop = 570;
constexpr int upperDeckBottomCellTop = 1290; // upper cell 0, next to the beam
constexpr int beamTop = 1560;
constexpr int lowerDeckTop = 1740; // lower cell 0, next to the beam
constexpr int bottomBarTop = 3360;
constexpr int upperCellTop(int cell) {
    return upperDeckBottomCellTop - cellHeight * cell;
}

// The key row.
constexpr int keyTop = 255;
constexpr int keyWidth = 380;
constexpr int keyHeight = 225;

// The point's radio buttons sit at the top of the beam, one over each rod.
constexpr int pointSize = 180;
constexpr int pointLeftInBeam(int rod) {
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

void addKeys(std::vector<Control>& table) {
    for (int i = 0; i < keyCount; ++i) {
        const auto key = static_cast<Key>(i);
        const key_row::Entry& k = key_row::entryOf(key);
        Control control{"key",
                        k.picture ? Kind::PictureKey : Kind::TextKey,
                        i,
                        -1,
                        k.left,
                        keyTop,
                        keyWidth,
                        keyHeight,
                        captionOf(key)};
        control.key = key;
        table.push_back(control);
    }
}

void addBoard(std::vector<Control>& table) {
    auto add = [&table](Control c) { table.push_back(c); };
    add({"bar", Kind::Bar, 1, -1, boardLeft, topBarTop, boardWidth, barHeight});
    for (int rod = rodCount - 1; rod >= 0; --rod)
        for (int cell = upperCellCount - 1; cell >= 0; --cell)
            add({deckName(Deck::Upper, rod), Kind::UpperCell, cell, rod, columnLeft(rod),
                 upperCellTop(cell), columnWidth, cellHeight});

    add({"beam", Kind::Beam, -1, -1, boardLeft, beamTop, boardWidth, barHeight});
    for (int rod = rodCount - 1; rod >= 0; --rod) {
        Control point{"point", Kind::PointButton, rod,      rod, pointLeftInBeam(rod),
                      0,       pointSize,         pointSize};
        point.parent = "beam";
        add(point);
    }

    for (int rod = rodCount - 1; rod >= 0; --rod)
        for (int cell = 0; cell < lowerCellCount; ++cell)
            add({deckName(Deck::Lower, rod), Kind::LowerCell, cell, rod, columnLeft(rod),
                 lowerDeckTop + cellHeight * cell, columnWidth, cellHeight});
    add({"bar", Kind::Bar, 0, -1, boardLeft, bottomBarTop, boardWidth, barHeight});
}

std::vector<Control> build() {
    std::vector<Control> table;
    auto add = [&table](Control c) { table.push_back(c); };

    add({"title", Kind::Title, -1, -1, 450, 240, 960, 240, "Tallwood"});
    addKeys(table);
    addBoard(table);
    for (int rod = rodCount - 1; rod >= 0; --rod)
        add({"rodLabel", Kind::RodLabel, rod, rod, rodLabelLeft(rod), rodLabelTop,
             rodLabelWidth(rod), rodLabelHeight});
    add({"resultLine", Kind::ResultLine, -1, -1, 450, 3810, 3900, 255});
    return table;
}

} // namespace

QRect pixelRect(const Control& c, int zoomPercent) {
    // At 100 % each length is rounded by itself, as the window has always
    // been drawn.
    if (zoomPercent == 100)
        return {twipsToPixels(c.left), twipsToPixels(c.top), twipsToPixels(c.width),
                twipsToPixels(c.height)};
    const int left = twipsToPixels(c.left, zoomPercent);
    const int top = twipsToPixels(c.top, zoomPercent);
    return {left, top, twipsToPixels(c.left + c.width, zoomPercent) - left,
            twipsToPixels(c.top + c.height, zoomPercent) - top};
}

QSize windowSize(int zoomPercent, int below) {
    return {twipsToPixels(windowWidth, zoomPercent),
            twipsToPixels(windowHeight + below, zoomPercent)};
}

int largestZoomWithin(QSize room, int below) {
    int largest = zoomSteps.front();
    for (const int step : zoomSteps) {
        const QSize size = windowSize(step, below);
        if (size.width() <= room.width() && size.height() <= room.height())
            largest = step;
    }
    return largest;
}

int zoomStep(int zoomPercent, int direction, int largest) {
    int found = zoomPercent;
    for (const int step : zoomSteps) {
        if (step > largest)
            break;
        if (direction > 0 && step > zoomPercent)
            return step;
        if (direction < 0 && step < zoomPercent)
            found = step;
    }
    return direction < 0 ? found : zoomPercent;
}

const std::vector<Control>& controls() {
    static const std::vector<Control> table = build();
    return table;
}

std::string_view deckName(Deck deck, int rod) {
    static const auto names = [] {
        std::array<std::array<std::string, rodCount>, 2> n;
        for (int r = 0; r < rodCount; ++r) {
            n[0][std::size_t(r)] = "upperDeck" + std::to_string(r);
            n[1][std::size_t(r)] = "lowerDeck" + std::to_string(r);
        }
        return n;
    }();
    return names.at(deck == Deck::Upper ? 0 : 1).at(static_cast<std::size_t>(rod));
}

} // namespace layout

#pragma once

#include "board/board.h"
#include "calc/keys.h"

#include <QRect>

#include <array>
#include <string_view>
#include <vector>

// Where every control of the calculator window stands. Positions and sizes are
// kept in the window's own units of 1/1440 inch (twips), measured from the
// top-left corner of the client area, or of the beam for its radio buttons;
// twipsToPixels() is the one conversion to the screen.
//
// Each control carries a name, the widget's objectName, and for the controls
// that come in rows an index: a key's is int(Key), a bar's 0 for the bottom
// and 1 for the top, a cell's its cell number in its deck, a radio button's
// and a rod label's their rod.
namespace layout {

enum class Kind {
    Title,
    PictureKey, // a key whose face is a drawn symbol
    TextKey,    // a key with a caption
    Bar,
    UpperCell,
    LowerCell,
    Beam,
    PointButton, // a radio button of the decimal point, inside the beam
    RodLabel,
    ResultLine,
};

struct Control {
    std::string_view name;
    Kind kind;
    int index = -1; // its place in its row of controls, -1 for a single control
    int rod = -1;   // the rod a cell, point button or rod label belongs to
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::string_view caption = {};
    std::string_view parent = {}; // empty: the window itself
    Key key = {};                 // a key of the key row: which one
};

inline constexpr int windowWidth = 6570;
inline constexpr int windowHeight = 4200;

// 15 twips make one pixel at 96 dots per inch and at a zoom of 100 %; the
// zoom in percent multiplies it. Rounded to the nearest pixel (15 being odd,
// a 100 % pixel is never a tie).
constexpr int twipsToPixels(int twips, int zoomPercent = 100) {
    const long long scaled = static_cast<long long>(twips) * zoomPercent;
    return static_cast<int>(scaled >= 0 ? (scaled + 750) / 1500 : -((-scaled + 750) / 1500));
}

// The control's rectangle at the zoom. At 100 % each of its four numbers is
// rounded by itself; at any other zoom its right and bottom edges are the
// table's edges zoomed and rounded, so that controls that touch in the table
// (the cells, 22.5 pixels high at 125 %) touch on the screen.
QRect pixelRect(const Control& control, int zoomPercent = 100);

// The zooms a user steps through, in percent, smallest first.
inline constexpr std::array<int, 8> zoomSteps{100, 125, 150, 175, 200, 250, 300, 400};

// The window's size at a zoom, with `below` twips of room under the
// abacus (the lesson strip, while it is open).
QSize windowSize(int zoomPercent, int below = 0);

// The largest zoom step whose window fits in room (100 % when none does).
int largestZoomWithin(QSize room, int below = 0);

// The step after (direction 1) or before (-1) zoomPercent, no larger than
// largest; zoomPercent itself when there is none. A zoom between two steps
// goes to the next one in the direction.
int zoomStep(int zoomPercent, int direction, int largest);

// Every control of the window, parents before their children.
const std::vector<Control>& controls();

// The name of a rod's deck: "upperDeck3", "lowerDeck0".
std::string_view deckName(Deck deck, int rod);

} // namespace layout

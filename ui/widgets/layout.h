#pragma once

#include "app/controls.h"

#include <QRect>

#include <string_view>
#include <vector>

// Where every control of the calculator window stands. Positions and sizes are
// kept in the window's own units of 1/1440 inch (twips), measured from the
// top-left corner of the client area, or of the parent control for the radio
// buttons on the beam; twipsToPixels() is the one conversion to the screen.
namespace layout {

enum class Kind {
    Title,       // Label1
    PictureKey,  // a key whose face is a drawn symbol
    TextKey,     // a key with a caption
    Bar,         // Picture22(0) bottom, Picture22(1) top
    UpperCell,   // a cell of an upper deck: Pic05 ... pic95
    LowerCell,   // a cell of a lower deck: Pic0 ... pic9
    Beam,        // Frame1
    Radio,       // Option1(k), inside the beam
    RodLabel,    // Lab1(k)
    ResultLine,  // Label2
    ImageSource, // Pic80, Pic81, Pic82: never shown
};

struct Control {
    std::string_view name;
    Kind kind;
    int index = -1; // element index in its control array, -1 for a single control
    int rod = -1;   // the rod a cell, radio button or rod label belongs to
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

// 15 twips make one pixel at 96 dots per inch; rounded to the nearest pixel.
constexpr int twipsToPixels(int twips) {
    return twips >= 0 ? (twips + 7) / 15 : -((-twips + 7) / 15);
}

QRect pixelRect(const Control& control);

// Every control of the window, parents before their children.
const std::vector<Control>& controls();

// The control arrays of each rod, indexed by rod number (rod 9's start with a
// small letter).
std::string_view lowerDeckName(int rod);
std::string_view upperDeckName(int rod);

} // namespace layout

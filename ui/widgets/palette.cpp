#include "ui/widgets/palette.h"

namespace palette {
namespace {

bool high_ = false;

} // namespace

const Colours& everyday() {
    static const Colours colours{
        .high = false,
        .field = QColor(0x8E, 0xB9, 0xE3),
        .beadField = QColor(0x8F, 0xBA, 0xE4),
        .extraField = QColor(0x92, 0x85, 0xB1),
        .rodLit = QColor(0xA8, 0x92, 0x74),
        .rodShade = QColor(0x8C, 0x76, 0x58),
        .bead = QColor(0xC6, 0x8C, 0x60),
        .extraBead = QColor(0xB7, 0x7C, 0x52),
        .extraStripe = QColor(),
        .bar = QColor(),
        .beam = QColor(0x80, 0x80, 0x80),
        .mark = QColor(0xFF, 0x80, 0x00),
        .keyField = QColor(0x88, 0x7C, 0x90),
        .keyCorner = QColor(0xD8, 0xD8, 0xD8),
        .keyBeadField = QColor(0xC0, 0xC0, 0xC0),
        .ringShadow = QColor(0x40, 0x40, 0x40),
        .ringLight = QColor(0xE0, 0xE0, 0xE0),
        .label = QColor(0xFF, 0x80, 0x00),
        .resultLine = QColor(0xC0, 0x00, 0xC0),
        .disabledCaption = QColor(),
        .disabledOpacity = 0.45,
        // Navy, 7 : 1 on the field and 5 : 1 on the beads' light wood, inside
        // it white, 7 : 1 on their shaded edges.
        .hintRing = QColor(0x00, 0x00, 0x80),
        .hintInnerRing = QColor(0xFF, 0xFF, 0xFF),
    };
    return colours;
}

// White and yellow on black, as the desktops' own high-contrast themes: the
// bright things are the ones a user counts or reads. The rod is a light grey
// and the beads stop one row short of their cell, so a bead never touches the
// rod or the next bead, only black.
const Colours& highContrast() {
    const QColor black(0x00, 0x00, 0x00);
    const QColor white(0xFF, 0xFF, 0xFF);
    const QColor yellow(0xFF, 0xFF, 0x00);
    static const Colours colours{
        .high = true,
        .field = black,
        .beadField = black,
        .extraField = black,
        .rodLit = QColor(0xC0, 0xC0, 0xC0),
        .rodShade = QColor(0xC0, 0xC0, 0xC0),
        .bead = white,
        .extraBead = yellow,
        .extraStripe = black,
        .bar = white,
        .beam = white,
        .mark = black,
        .keyField = white,
        .keyCorner = black,
        .keyBeadField = black,
        .ringShadow = black,
        .ringLight = black,
        .label = yellow,
        .resultLine = white,
        .disabledCaption = QColor(0x50, 0x50, 0x50),
        // Black at 0.7 over white: about 0x4D grey, still 8 : 1.
        .disabledOpacity = 0.7,
        .hintRing = white,
        .hintInnerRing = black,
    };
    return colours;
}

const Colours& current() {
    return high_ ? highContrast() : everyday();
}

void useHighContrast(bool high) {
    high_ = high;
}

} // namespace palette

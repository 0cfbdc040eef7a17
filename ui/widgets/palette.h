#pragma once

#include <QColor>

// The colours the window is drawn in: the everyday ones, and a high-contrast
// set for a user who asked the desktop (or the command line) for it. Every
// pair of colours that touch in the high-contrast set is at least 7 : 1 apart
// by WCAG 2.1's relative luminance, and the extra bead differs from the
// ordinary one by a pattern, not only by its colour.
namespace palette {

struct Colours {
    bool high;
    // The bead cells: the field behind the bare rod, an ordinary bead and an
    // extra bead, the two shades of the rod (its lit and its shaded column),
    // the beads' wood.
    QColor field, beadField, extraField, rodLit, rodShade, bead, extraBead;
    // The pattern across the extra bead (high contrast only).
    QColor extraStripe;
    // The bars, flat; invalid: the everyday stripes of grey.
    QColor bar;
    QColor beam, mark;
    // The picture keys: the field behind the symbol, its folded corner, the
    // field around the bead shown while the key is held down.
    QColor keyField, keyCorner, keyBeadField;
    // The beam's radio buttons: the shadowed and the lit half of the ring.
    QColor ringShadow, ringLight;
    // The labels: the title and rod labels, and the result line.
    QColor label, resultLine;
    // The caption of a disabled text key; invalid: the engraved grey of the
    // desktop's palette.
    QColor disabledCaption;
    // How strongly a disabled picture key shows its symbol.
    double disabledOpacity;
    // A lesson's hint rings the cells of the beads to move with two lines,
    // a dark and a light one: every colour of a cell meets one of them at
    // least 3 : 1.
    QColor hintRing, hintInnerRing;
};

const Colours& everyday();
const Colours& highContrast();

// The set the window draws now; everyday until told otherwise.
const Colours& current();
void useHighContrast(bool high);

} // namespace palette

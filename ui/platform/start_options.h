#pragma once

#include <optional>

// What a start asks of the window beyond its defaults: the zoom and the
// palette, from the command line for one run or else from what the user
// kept. Read once, before the window is made.
struct StartOptions {
    // One of zoom::steps (100 = the window's own size); the window may still
    // open smaller when the screen does not hold it.
    int zoomPercent = 100;
    // true: the high-contrast palette, false: the everyday one; empty: follow
    // the desktop's own setting.
    std::optional<bool> highContrast;
};

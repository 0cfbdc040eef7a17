#pragma once

#include <QStringList>

#include <optional>

// What a start asks of the window beyond its defaults: the zoom and the
// palette, from the command line for one run or else from what the user
// kept. Read once, before the window is made.
struct StartOptions {
    // One of layout::zoomSteps (100 = the window's own size); the window may
    // still open smaller when the screen does not hold it.
    int zoomPercent = 100;
    // true: the high-contrast palette, false: the everyday one; empty: follow
    // the desktop's own setting.
    std::optional<bool> highContrast;
};

namespace start_options {

// What the command line and the kept settings ask for. With exitStatus set
// the program prints `output` (help, the version, or the one line about an
// unknown option) and ends without a window; otherwise it starts with
// `options` and prints each of `warnings` (a damaged setting, a bad value) on
// stderr, one line each.
struct Start {
    StartOptions options;
    std::optional<int> exitStatus;
    QString output;
    QStringList warnings;
};

// arguments as main() has them, Qt's own options (-platform, -style, ...)
// included: those are left for QApplication. Needs no QApplication and no
// display.
Start read(const QStringList& arguments);

// Keeps the zoom a user chose for the next start.
void keepZoom(int zoomPercent);

} // namespace start_options

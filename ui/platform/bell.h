#pragma once

#include <string>

class QWidget;

// The calculator's only feedback: the desktop's bell, rung once per call.
namespace bell {

// Rings the bell the platform offers for the window and returns at once,
// ringing exactly one of:
// - on X11 (and XWayland), the X bell for this window (x11_bell.h), which the
//   desktop plays from its sound theme or flashes;
// - on Wayland, the compositor's bell (wayland_bell.h), which does the same,
//   where the compositor offers one (GNOME, KDE Plasma 6.3);
// - else the sound theme's bell event, played by the program itself on a
//   thread of its own (sound_theme_bell.h): weston, and other compositors.
void ring(QWidget& window);

// What the sound theme's bell tells the sound server, which a desktop may
// show or say: the program's name and what the bell means, in the user's
// language (UTF-8).
struct SoundTexts {
    std::string applicationName;
    std::string eventDescription;
};
SoundTexts soundTexts();

} // namespace bell

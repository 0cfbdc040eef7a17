#pragma once

#include <string>

// The calculator's only feedback: the desktop's bell, rung once per call.
namespace bell {

// Rings the bell the platform offers and returns at once. On X11 (and
// XWayland) that is the X bell, which the desktop plays as its sound theme's
// bell. Qt's Wayland platform has no bell, so there the sound theme's bell
// event is played instead, on a thread of its own (see sound_theme_bell.h).
void ring();

// What the sound theme's bell tells the sound server, which a desktop may
// show or say: the program's name and what the bell means, in the user's
// language (UTF-8).
struct SoundTexts {
    std::string applicationName;
    std::string eventDescription;
};
SoundTexts soundTexts();

} // namespace bell

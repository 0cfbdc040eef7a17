#pragma once

#include <functional>

class QObject;

// Whether the user asked the desktop for high contrast, from the desktop's
// settings portal on the session bus: the appearance "contrast" where the
// portal offers it (GNOME 47 and later), else GNOME's accessibility switch
// "high-contrast" as GNOME 43's portal passes it on, else a GTK theme named
// HighContrast.
namespace desktop_contrast {

// Asks the portal without waiting for its answer, so a desktop without one
// starts as fast as ever, and follows the setting from then on: changed runs
// with the answer when it says high contrast and after every change, for as
// long as owner lives. Without a session bus or a portal nothing runs.
void follow(QObject* owner, std::function<void(bool high)> changed);

} // namespace desktop_contrast

#include "ui/platform/bell.h"

#include "ui/platform/sound_theme_bell.h"

#include <QApplication>
#include <QLoggingCategory>

namespace {

Q_LOGGING_CATEGORY(lcBell, "rodwise.bell", QtWarningMsg)

bool platformHasNoBell() {
    // Qt's Wayland plugins ("wayland", "wayland-egl", ...) leave beep() empty.
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

namespace bell {

void ring() {
    static const bool useSoundTheme = platformHasNoBell();
    if (useSoundTheme) {
        static SoundThemeBell soundTheme;
        qCDebug(lcBell) << "ring: sound theme event" << SoundThemeBell::eventId;
        soundTheme.ring();
    } else {
        qCDebug(lcBell) << "ring: platform beep";
        QApplication::beep();
    }
}

} // namespace bell

#include "ui/platform/bell.h"

#include "ui/platform/sound_theme_bell.h"
#include "ui/platform/wayland_bell.h"
#include "ui/platform/x11_bell.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLoggingCategory>

namespace {

Q_LOGGING_CATEGORY(lcBell, "rodwise.bell", QtWarningMsg)

// The context of this file's texts in the translations.
struct Bell {
    Q_DECLARE_TR_FUNCTIONS(Bell)
};

bool onWayland() {
    // Qt's Wayland plugins: "wayland", "wayland-egl", ...
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void ringSoundTheme() {
    static const bell::SoundTexts texts = bell::soundTexts();
    static SoundThemeBell soundTheme(texts.applicationName, texts.eventDescription);
    qCDebug(lcBell) << "ring: sound theme event" << SoundThemeBell::eventId;
    soundTheme.ring();
}

} // namespace

namespace bell {

void ring(QWidget& window) {
    static const bool wayland = onWayland();
    if (wayland) {
        // Qt's Wayland platform leaves beep() empty.
        if (!wayland_bell::ring(window))
            ringSoundTheme();
    } else if (!x11_bell::ring(window)) {
        qCDebug(lcBell) << "ring: platform beep";
        QApplication::beep(); // another platform, or no X window yet
    }
}

SoundTexts soundTexts() {
    //: The program's name as the desktop's menu shows it.
    QString name = Bell::tr("Rodwise H-D");
    //: What the bell means, for a desktop that shows or says it.
    QString description = Bell::tr("Input refused");
    return {name.toStdString(), description.toStdString()};
}

} // namespace bell

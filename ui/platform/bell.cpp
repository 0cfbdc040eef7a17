#include "ui/platform/bell.h"

#include "ui/platform/sound_theme_bell.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLoggingCategory>

namespace {

Q_LOGGING_CATEGORY(lcBell, "rodwise.bell", QtWarningMsg)

// The context of this file's texts in the translations.
struct Bell {
    Q_DECLARE_TR_FUNCTIONS(Bell)
};

bool platformHasNoBell() {
    // Qt's Wayland plugins ("wayland", "wayland-egl", ...) leave beep() empty.
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

namespace bell {

void ring() {
    static const bool useSoundTheme = platformHasNoBell();
    if (useSoundTheme) {
        static const SoundTexts texts = soundTexts();
        static SoundThemeBell soundTheme(texts.applicationName, texts.eventDescription);
        qCDebug(lcBell) << "ring: sound theme event" << SoundThemeBell::eventId;
        soundTheme.ring();
    } else {
        qCDebug(lcBell) << "ring: platform beep";
        QApplication::beep();
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

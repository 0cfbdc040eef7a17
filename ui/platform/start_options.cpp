#include "ui/platform/start_options.h"

#include "ui/platform/language.h"
#include "ui/widgets/layout.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QTranslator>

#include <algorithm>

namespace {

// The command line is read before the application exists, when no
// translation is installed yet: its texts, marked for the translators with
// QT_TRANSLATE_NOOP, look up the user's translation here.
QString text(const char* source) {
    static const std::unique_ptr<QTranslator> translation = language::load();
    const QString found = translation ? translation->translate("Options", source) : QString();
    return found.isEmpty() ? QString::fromUtf8(source) : found;
}

// The user's settings file, in the user's configuration folder:
// ~/.config/rodwise-hd/rodwise-hd.conf.
QSettings settings() {
    return QSettings(QStringLiteral("rodwise-hd"), QStringLiteral("rodwise-hd"));
}

const QString zoomKey = QStringLiteral("zoom");
const QString contrastKey = QStringLiteral("contrast");

std::optional<int> zoomFrom(const QString& text) {
    bool ok = false;
    const int percent = text.trimmed().remove(QLatin1Char('%')).toInt(&ok);
    if (!ok || std::find(layout::zoomSteps.begin(), layout::zoomSteps.end(), percent) ==
                   layout::zoomSteps.end())
        return std::nullopt;
    return percent;
}

std::optional<bool> contrastFrom(const QString& text) {
    if (text == QLatin1String("high"))
        return true;
    if (text == QLatin1String("normal"))
        return false;
    return std::nullopt;
}

QString stepList() {
    QStringList steps;
    for (const int step : layout::zoomSteps)
        steps.append(QString::number(step));
    return steps.join(QStringLiteral(", "));
}

// Qt's own command-line options, which QApplication reads and removes: known
// here so that they are not unknown, and hidden from the help.
void addQtOptions(QCommandLineParser& parser) {
    static const char* const withValue[] = {"platform",      "platformpluginpath",
                                            "platformtheme", "plugin",
                                            "qmljsdebugger", "qwindowgeometry",
                                            "qwindowicon",   "qwindowtitle",
                                            "session",       "style",
                                            "stylesheet",    "display",
                                            "name",          "geometry",
                                            "title",         "icon",
                                            "visual",        "ncols"};
    static const char* const flags[] = {"reverse", "widgetcount", "nograb",
                                        "dograb",  "testability", "sync"};
    for (const char* name : withValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : flags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// This program's own options, as the help lists them.
struct OwnOptions {
    QCommandLineOption help, version, zoom, contrast;
};

// The description and the options, this program's and then Qt's hidden ones.
OwnOptions addOptions(QCommandLineParser& parser) {
    // Qt's options come with one dash ("-platform xcb"), as Qt programs take them.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(text(QT_TRANSLATE_NOOP("Options", "An abacus calculator.")));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption zoom(
        QStringLiteral("zoom"),
        text(QT_TRANSLATE_NOOP("Options",
                               "Opens this run at a zoom of <percent>: %1. What is kept stays."))
            .arg(stepList()),
        text(QT_TRANSLATE_NOOP("Options", "percent")));
    const QCommandLineOption contrast(
        QStringLiteral("contrast"),
        text(QT_TRANSLATE_NOOP("Options",
                               "Draws this run in the high-contrast or the everyday palette.")),
        QStringLiteral("high|normal"));
    parser.addOption(zoom);
    parser.addOption(contrast);
    addQtOptions(parser);
    return {help, version, zoom, contrast};
}

// A run that only prints and ends: the one line about a command line that
// does not parse, the help, or the version. Nothing for a run with a window.
std::optional<start_options::Start> printOnly(const QCommandLineParser& parser, bool parsed,
                                              const OwnOptions& options) {
    start_options::Start start;
    if (!parsed) {
        start.exitStatus = 2;
        start.output = parser.errorText() + QLatin1Char('\n');
        return start;
    }
    start.exitStatus = 0;
    if (parser.isSet(options.help) || parser.isSet(QStringLiteral("help-all"))) {
        // Without a QApplication yet, Qt knows no program name to put here.
        start.output = parser.helpText().replace(QLatin1String("<executable_name>"),
                                                 QLatin1String("rodwise-hd"));
    } else if (parser.isSet(options.version)) {
        start.output = QStringLiteral("rodwise-hd %1\n").arg(QStringLiteral(RODWISE_VERSION));
    } else {
        return std::nullopt;
    }
    return start;
}

// The kept zoom and contrast, with a warning for a file that cannot be read
// and for each value that is none of the choices.
void readKept(start_options::Start& start) {
    const QSettings kept = settings();
    const QFileInfo file(kept.fileName());
    if (kept.status() != QSettings::NoError || (file.exists() && !file.isReadable())) {
        start.warnings.append(
            text(QT_TRANSLATE_NOOP(
                     "Options",
                     "rodwise-hd: the settings file %1 cannot be read; starting at 100 %."))
                .arg(kept.fileName()));
        return;
    }
    if (kept.contains(zoomKey)) {
        const QString value = kept.value(zoomKey).toString();
        if (const std::optional<int> percent = zoomFrom(value))
            start.options.zoomPercent = *percent;
        else
            start.warnings.append(
                text(QT_TRANSLATE_NOOP("Options", "rodwise-hd: the kept zoom \"%1\" in %2 is "
                                                  "not one of %3; starting at 100 %."))
                    .arg(value, kept.fileName(), stepList()));
    }
    if (kept.contains(contrastKey)) {
        const QString value = kept.value(contrastKey).toString();
        start.options.highContrast = contrastFrom(value);
        if (!start.options.highContrast)
            start.warnings.append(
                text(QT_TRANSLATE_NOOP("Options", "rodwise-hd: the kept contrast \"%1\" in %2 is "
                                                  "neither high nor normal; it is not used."))
                    .arg(value, kept.fileName()));
    }
}

// The zoom and contrast given on the command line, which win over the kept
// ones for this run, with a warning for each value that is none of the choices.
void readGiven(const QCommandLineParser& parser, const OwnOptions& options,
               start_options::Start& start) {
    if (parser.isSet(options.zoom)) {
        const std::optional<int> percent = zoomFrom(parser.value(options.zoom));
        start.options.zoomPercent = percent.value_or(100);
        if (!percent)
            start.warnings.append(
                text(QT_TRANSLATE_NOOP(
                         "Options", "rodwise-hd: --zoom %1 is not one of %2; starting at 100 %."))
                    .arg(parser.value(options.zoom), stepList()));
    }
    if (parser.isSet(options.contrast)) {
        const std::optional<bool> high = contrastFrom(parser.value(options.contrast));
        if (high)
            start.options.highContrast = high;
        else
            start.warnings.append(
                text(QT_TRANSLATE_NOOP("Options",
                                       "rodwise-hd: --contrast takes high or normal, not \"%1\"."))
                    .arg(parser.value(options.contrast)));
    }
}

} // namespace

namespace start_options {

Start read(const QStringList& arguments) {
    QCoreApplication::setApplicationName(QStringLiteral("rodwise-hd"));
    QCoreApplication::setApplicationVersion(QStringLiteral(RODWISE_VERSION));
    QCommandLineParser parser;
    const OwnOptions options = addOptions(parser);
    const bool parsed = parser.parse(arguments);
    if (std::optional<Start> printed = printOnly(parser, parsed, options))
        return *printed;
    // The kept values first; the command line's, when given, win for this run.
    Start start;
    readKept(start);
    readGiven(parser, options, start);
    return start;
}

void keepZoom(int zoomPercent) {
    QSettings kept = settings();
    kept.setValue(zoomKey, zoomPercent);
}

} // namespace start_options

#include "ui/platform/fonts.h"
#include "ui/platform/language.h"
#include "ui/platform/start_options.h"
#include "ui/window/window.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>

int main(int argc, char* argv[]) {
    // The command line: --help, --version and an unknown option answer
    // without a display and without a window.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const start_options::Start start = start_options::read(arguments);
    if (start.exitStatus) {
        std::fputs(qPrintable(start.output), *start.exitStatus == 0 ? stdout : stderr);
        return *start.exitStatus;
    }
    for (const QString& warning : start.warnings)
        std::fprintf(stderr, "%s\n", qPrintable(warning));
    // The fonts' configuration is made on another thread: it takes about as
    // long as making the QApplication, and the window's first text waits for
    // it. A run that only answers the command line needs none.
    fonts::prepare();

    QApplication app(argc, argv);
    // The desktop entry's name: the Wayland app id, which docks match to the
    // entry for its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.rodwise.RodwiseHD"));
    language::install(app);
    fonts::keepDesktopFont();
    Window window;
    // A screen smaller than the zoom asked for (a projector unplugged) opens
    // at the largest step it holds; what is kept stays for a larger screen.
    window.setZoom(std::min(start.options.zoomPercent, window.largestZoom()));
    window.whenZoomChosen([](int zoomPercent) { start_options::keepZoom(zoomPercent); });
    // The command line's or the kept palette; without either, the desktop's.
    window.useContrast(start.options.highContrast);
    window.show();
    return app.exec();
}

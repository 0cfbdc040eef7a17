#include "ui/platform/fonts.h"
#include "ui/platform/language.h"
#include "ui/window/window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    fonts::prepare();
    QApplication app(argc, argv);
    // The desktop entry's name: the Wayland app id, which docks match to the
    // entry for its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.rodwise.RodwiseHD"));
    language::install(app);
    Window window;
    // No choice on the command line yet: the desktop's contrast setting.
    window.useContrast(std::nullopt);
    window.show();
    return app.exec();
}

#include "ui/fonts.h"
#include "ui/window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    fonts::prepare();
    QApplication app(argc, argv);
    Window window;
    window.show();
    return app.exec();
}

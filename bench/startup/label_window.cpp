// A reference beside the floor: the bare window with one line of text, the
// least that loads the font configuration, a font and the text shaper.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(438, 280);
    QLabel label(QStringLiteral("Tallwood"), &window);
    label.move(30, 16);
    window.show();
    return app.exec();
}

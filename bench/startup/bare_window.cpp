// The floor of the start-up benchmark: a bare Qt window of the calculator's
// size, with nothing in it.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(438, 280);
    window.show();
    return app.exec();
}

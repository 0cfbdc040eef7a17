#include "ui/platform/language.h"
#include "ui/window/window.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

QStringList& messagesWhileInstalling() {
    static QStringList messages;
    return messages;
}

namespace {

// With --grab-to=FILE the program saves the window as it first shows itself
// and ends: the picture another run of these tests compares with its own.
int grabTo(const QString& file) {
    Window window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 2;
    return window.grab().save(file, "PNG") ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);

    // The program's own start-up, watched for any message it prints.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& message) {
        messagesWhileInstalling().append(message);
    });
    language::install(app);
    qInstallMessageHandler(nullptr);

    const QString grab = QStringLiteral("--grab-to=");
    for (const QString& argument : QCoreApplication::arguments())
        if (argument.startsWith(grab))
            return grabTo(argument.mid(grab.size()));
    return RUN_ALL_TESTS();
}

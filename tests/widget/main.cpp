#include "ui/platform/fonts.h"
#include "ui/platform/language.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Run without a display unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    // The window's fonts alone, as the program has them.
    fonts::prepare();
    QApplication app(argc, argv);
    language::install(app);
    return RUN_ALL_TESTS();
}

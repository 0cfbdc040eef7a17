#include "ui/fonts.h"

#include <QFont>
#include <QFontDatabase>

#include <dlfcn.h>

#include <thread>

namespace fonts {
namespace {

std::jthread& preparation() {
    static std::jthread thread;
    return thread;
}

} // namespace

void prepare() {
    // The library comes with Qt's own. Its initialisation is thread-safe, but
    // a second caller while it runs would read the configuration once more.
    using Init = int (*)();
    if (auto* init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit")))
        preparation() = std::jthread(init);
}

void setFamilies(QFont& font, const QStringList& families) {
    if (preparation().joinable())
        preparation().join();
    // The installed families by name, without the foundry that tells apart
    // two families of the same name ("Nimbus Roman [urw]").
    static const QStringList installed = [] {
        QStringList names;
        for (const QString& family : QFontDatabase::families())
            names.append(family.section(QStringLiteral(" ["), 0, 0));
        return names;
    }();
    for (const QString& family : families) {
        if (installed.contains(family, Qt::CaseInsensitive)) {
            font.setFamilies({family});
            return;
        }
    }
    font.setFamilies(families);
}

} // namespace fonts

#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QApplication;
class QTranslator;

// The language of every text a user reads beyond the window's own captions:
// tooltips, what screen readers say, and Qt's own texts such as key names.
namespace language {

// The translation that serves a user who reads the given languages, most
// preferred first (as QLocale::uiLanguages() lists them): "zh_CN", "zh_TW",
// or empty for English, the language of the sources. Languages without a
// translation are passed over; English ends the search.
QString choose(const QStringList& uiLanguages);

// The chosen translation for the system locale's languages, loaded but not
// installed; none for English or when it cannot be loaded. For the texts that
// are read before the application exists, such as the command line's.
std::unique_ptr<QTranslator> load();

// The families tooltips are given in the chosen translation for the system
// locale's languages, best first; none where they keep the desktop's font.
QStringList tipFamilies();

// Installs the chosen translation for the system locale's languages, with Qt's
// own for the same language, and gives tooltips a font that can draw it.
// Once, right after the QApplication is made. Any failure leaves English, and
// says nothing: a user who cannot get a translation has no use for a message.
void install(QApplication& app);

} // namespace language

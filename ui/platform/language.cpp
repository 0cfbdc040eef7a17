#include "ui/platform/language.h"

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QToolTip>
#include <QTranslator>

namespace language {
namespace {

QString translationFile(const QString& name) {
    return QStringLiteral(":/i18n/rodwise_%1.qm").arg(name);
}

// The translations that could serve one language, best first. Chinese goes
// by its script, so that Hong Kong reads the Traditional one and Singapore
// the Simplified one.
QStringList candidates(const QLocale& locale) {
    if (locale.language() == QLocale::Chinese)
        return {locale.script() == QLocale::TraditionalHanScript ? QStringLiteral("zh_TW")
                                                                 : QStringLiteral("zh_CN")};
    return {locale.name(), QLocale::languageToCode(locale.language())};
}

// Hei faces with Chinese characters, the Simplified and Traditional ones each
// with their own shapes. Under a Chinese locale fontconfig lists some faces by
// their Chinese names only, so both names stand here.
QStringList chineseSans(const QString& translation) {
    const QStringList wenQuanYi{QStringLiteral("WenQuanYi Micro Hei"),
                                QStringLiteral(u"\u6587\u6CC9\u9A7F\u5FAE\u7C73\u9ED1"),
                                QStringLiteral(u"\u6587\u6CC9\u9A5B\u5FAE\u7C73\u9ED1"),
                                QStringLiteral("WenQuanYi Zen Hei")};
    if (translation == QStringLiteral("zh_TW"))
        return QStringList{QStringLiteral("Noto Sans CJK TC")} + wenQuanYi +
               QStringList{QStringLiteral("AR PL UMing TW")};
    return QStringList{QStringLiteral("Noto Sans CJK SC")} + wenQuanYi +
           QStringList{QStringLiteral(u"\u9ED1\u4F53"), QStringLiteral("SimHei"),
                       QStringLiteral("AR PL UMing CN")};
}

// Tooltips and "What's This?" texts are drawn in their own widgets, so their
// font changes none of the window's captions.
void useChineseFontForTips(const QString& translation) {
    QFont font = QToolTip::font();
    font.setFamilies(chineseSans(translation));
    QToolTip::setFont(font);
    QApplication::setFont(font, "QWhatsThat");
}

std::unique_ptr<QTranslator> loaded(const QString& translation) {
    auto translator = std::make_unique<QTranslator>();
    if (translation.isEmpty() || !translator->load(translationFile(translation)))
        return nullptr;
    return translator;
}

} // namespace

QString choose(const QStringList& uiLanguages) {
    for (const QString& name : uiLanguages) {
        const QLocale locale(name);
        // An unknown name reads as the C locale: no language at all, so look on.
        if (locale.language() == QLocale::C)
            continue;
        if (locale.language() == QLocale::English)
            return {};
        for (const QString& candidate : candidates(locale))
            if (QFile::exists(translationFile(candidate)))
                return candidate;
    }
    return {};
}

QStringList tipFamilies() {
    const QString translation = choose(QLocale::system().uiLanguages());
    if (translation.isEmpty() || QLocale(translation).language() != QLocale::Chinese)
        return {};
    return chineseSans(translation);
}

std::unique_ptr<QTranslator> load() {
    return loaded(choose(QLocale::system().uiLanguages()));
}

void install(QApplication& app) {
    const QString translation = choose(QLocale::system().uiLanguages());
    std::unique_ptr<QTranslator> own = loaded(translation);
    if (!own || !QApplication::installTranslator(own.get()))
        return;
    // Both live as long as the program.
    own.release()->setParent(&app);
    // Qt's own texts, such as the names of keys in a shortcut, may be missing
    // where Qt's translations are not installed; then they stay English.
    auto* qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + translation,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qt);
    else
        delete qt;
    if (QLocale(translation).language() == QLocale::Chinese)
        useChineseFontForTips(translation);
}

} // namespace language

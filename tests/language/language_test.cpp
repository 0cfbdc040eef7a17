#include "tests/widget/heard.h"
#include "ui/language.h"
#include "ui/window.h"

#include <QAccessible>
#include <QProcess>
#include <QRawFont>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include <ostream>
#include <span>
#include <string>

QStringList& messagesWhileInstalling();

// Failures show texts as a reader sees them, not as escaped bytes.
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

// The translation each run expects, as the test's environment sets it.
std::string expected() {
    return qEnvironmentVariable("RODWISE_EXPECTED_TRANSLATION").toStdString();
}

bool chinese() {
    return expected().starts_with("zh");
}

TEST(LanguageChoice, TakesTheFirstLanguageWithATranslation) {
    // Lists as QLocale::uiLanguages() gives them for LANGUAGE or LANG.
    const struct {
        QStringList languages;
        QString translation;
    } cases[] = {
        {{"zh-CN", "zh-Hans-CN", "zh"}, "zh_CN"},
        // Chinese goes by its script: Hong Kong reads Traditional, Singapore
        // Simplified.
        {{"zh-HK", "zh-Hant-HK"}, "zh_TW"},
        {{"zh-SG"}, "zh_CN"},
        // LANGUAGE=xx:zh_TW:en: the unknown language reads as C and is passed over.
        {{"xx", "C", "zh-TW", "zh-Hant-TW", "en", "en-Latn-US", "en-US"}, "zh_TW"},
        {{"de-DE", "de-Latn-DE", "de", "zh-CN"}, "zh_CN"},
        // English is the sources' language: it ends the search.
        {{"en-US", "zh-CN"}, ""},
        {{"C"}, ""},
        {{}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(language::choose(c.languages), c.translation)
            << c.languages.join(':').toStdString();
}

TEST(LanguageStartUp, SaysNothing) {
    EXPECT_EQ(messagesWhileInstalling(), QStringList());
}

// A key's name and tooltip in each language, written out by hand.
struct KeyTexts {
    const char16_t* control;
    int index;
    const char16_t* name;
    const char16_t* toolTip;
};

// clang-format off
// Every key's English name and tooltip are the keyboard tests'; here two of
// them show that English is what is read.
const KeyTexts english[] = {
    {u"Command1", 0, u"Multiply", u"Multiply (*)"},
    {u"Command3", -1, u"Equals", u"Equals (=, Return, Enter)"},
};
// The names of Return and Enter come from Qt's own translations, which call
// both 回车 in Simplified Chinese: named once, not twice.
const KeyTexts simplified[] = {
    {u"Command1", 0, u"乘", u"乘（*）"},
    {u"Command1", 1, u"除", u"除（/）"},
    {u"Command1", 2, u"H.+，未使用", u"H.+，未使用"},
    {u"Command1", 3, u"H.-，未使用", u"H.-，未使用"},
    {u"Command3", -1, u"等于", u"等于（=、回车）"},
    {u"Command4", -1, u"清除", u"清除（C、Esc）"},
    {u"Command5", -1, u"十六进制与十进制互换", u"十六进制与十进制互换（H）"},
    {u"Command6", -1, u"十六进制模式", u"十六进制模式（X）"},
};
const KeyTexts traditional[] = {
    {u"Command1", 0, u"乘", u"乘（*）"},
    {u"Command1", 1, u"除", u"除（/）"},
    {u"Command1", 2, u"H.+，未使用", u"H.+，未使用"},
    {u"Command1", 3, u"H.-，未使用", u"H.-，未使用"},
    {u"Command3", -1, u"等於", u"等於（=、Return、Enter）"},
    {u"Command4", -1, u"清除", u"清除（C、Esc）"},
    {u"Command5", -1, u"十六進位與十進位互換", u"十六進位與十進位互換（H）"},
    {u"Command6", -1, u"十六進位模式", u"十六進位模式（X）"},
};
// clang-format on

class Translated : public ::testing::Test {
protected:
    void SetUp() override {
        if (expected().empty())
            GTEST_SKIP() << "run by CTest, which sets RODWISE_EXPECTED_TRANSLATION";
    }

    QAccessibleInterface* accessible(const KeyTexts& key) {
        QWidget* widget = window.control(QStringView(key.control), key.index);
        return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
    }

    std::span<const KeyTexts> keys() {
        if (expected() == "zh_CN")
            return simplified;
        if (expected() == "zh_TW")
            return traditional;
        return english;
    }

    Window window;
};

TEST_F(Translated, KeysAreReadInTheUsersLanguage) {
    for (const KeyTexts& key : keys()) {
        SCOPED_TRACE(QString::fromUtf16(key.control).toStdString() + " " +
                     std::to_string(key.index));
        QAccessibleInterface* read = accessible(key);
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(read->text(QAccessible::Name), QString::fromUtf16(key.name));
        // A key without a description of its own is described by its tooltip.
        EXPECT_EQ(read->text(QAccessible::Description), QString::fromUtf16(key.toolTip));
    }
}

// A screen reader presses "/" and "=" on an empty board, then "C", and hears
// the refusal and the clear in the user's language.
TEST_F(Translated, AnnouncementsAreInTheUsersLanguage) {
    const auto press = [this](const char16_t* control, int index) {
        QAccessibleInterface* key =
            QAccessible::queryAccessibleInterface(window.control(QStringView(control), index));
        key->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    };
    // A press through the accessibility API animates the click: it lands a
    // moment later, as the key is seen going down and up.
    Heard heard;
    press(u"Command1", 1);
    EXPECT_TRUE(QTest::qWaitFor([this] { return window.form().num2 == 1; }));
    press(u"Command3", -1);
    EXPECT_TRUE(QTest::qWaitFor([&heard] { return heard.said.size() == 1; }));
    press(u"Command4", -1);
    EXPECT_TRUE(QTest::qWaitFor([&heard] { return heard.said.size() == 2; }));
    const QStringList said = heard.said;
    if (expected() == "zh_CN")
        EXPECT_EQ(said, QStringList({QStringLiteral("无法执行，计算器已清除。"),
                                     QStringLiteral("已清除。十进制模式。")}));
    else if (expected() == "zh_TW")
        EXPECT_EQ(said, QStringList({QStringLiteral("無法執行，計算機已清除。"),
                                     QStringLiteral("已清除。十進位模式。")}));
    else
        EXPECT_EQ(said,
                  QStringList({"Refused. The calculator is cleared.", "Cleared. Decimal mode."}));
}

TEST_F(Translated, TooltipsHaveAFontWithTheirCharacters) {
    if (!chinese())
        GTEST_SKIP() << "English tooltips keep the desktop's font";
    // The face the tooltip's font asks for, not one Qt would fall back to.
    const QRawFont font = QRawFont::fromFont(QToolTip::font());
    ASSERT_TRUE(font.isValid());
    for (const KeyTexts& key : keys())
        for (const QChar c : QString::fromUtf16(key.toolTip))
            EXPECT_TRUE(font.supportsCharacter(c))
                << font.familyName().toStdString() << " lacks U+" << std::hex << int(c.unicode());
}

TEST_F(Translated, WindowLooksAsInEnglish) {
    if (!chinese())
        GTEST_SKIP() << "compares a translated window with the English one";
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QImage here = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(here.isNull());

    // This program once more, in English, with the same fonts and display.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("english.png"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(QString::fromLatin1(variable));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C"));
    QProcess english;
    english.setProcessEnvironment(environment);
    english.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--grab-to=") + file});
    ASSERT_TRUE(english.waitForFinished(60000));
    ASSERT_EQ(english.exitCode(), 0) << english.readAllStandardError().toStdString();

    const QImage there = QImage(file).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(there.size(), here.size());
    EXPECT_TRUE(there == here) << "the window's captions or fonts depend on the language";
}

} // namespace

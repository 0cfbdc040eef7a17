#include "tests/widget/window_fixture.h"
#include "ui/platform/bell.h"
#include "ui/platform/language.h"

#include <QAbstractButton>
#include <QRawFont>
#include <QToolTip>

#include <array>
#include <utility>

namespace {

// The translation each run expects, as the test's environment sets it.
std::string expected() {
    return qEnvironmentVariable("RODWISE_EXPECTED_TRANSLATION").toStdString();
}

TEST(LanguageChoice, TakesTheFirstLanguageWithATranslation) {
    // Lists as QLocale::uiLanguages() gives them; the language runs of
    // CMakeLists.txt try the ones that LANGUAGE and LANG give.
    const std::pair<QStringList, QString> cases[] = {
        // Chinese goes by its script: Hong Kong reads Traditional, Singapore
        // Simplified. English is the sources' language: it ends the search.
        {{"zh-HK", "zh-Hant-HK"}, "zh_TW"},
        {{"zh-SG"}, "zh_CN"},
        {{"de-DE", "de-Latn-DE", "de", "zh-CN"}, "zh_CN"},
        {{"en-US", "zh-CN"}, ""},
    };
    for (const auto& [languages, translation] : cases)
        EXPECT_EQ(language::choose(languages), translation) << languages.join(':').toStdString();
}

// Every key's name and tooltip in English, Simplified and Traditional
// Chinese, written out by hand. The names of Return and Enter come from Qt's
// own translations, which call both 回车 in Simplified Chinese: named once.
// Each key's six texts: its name and tooltip in en, zh_CN and zh_TW.
// clang-format off
const std::pair<Key, std::array<const char16_t*, 6>> keyTexts[] = {
    {Key::Multiply, {u"Multiply", u"Multiply (*)", u"乘", u"乘（*）", u"乘", u"乘（*）"}},
    {Key::Divide, {u"Divide", u"Divide (/)", u"除", u"除（/）", u"除", u"除（/）"}},
    {Key::Equals, {u"Equals", u"Equals (=, Return, Enter)", u"等于", u"等于（=、回车）",
                       u"等於", u"等於（=、Return、Enter）"}},
    {Key::Clear, {u"Clear", u"Clear (C, Esc)", u"清除", u"清除（C、Esc）", u"清除",
                       u"清除（C、Esc）"}},
    {Key::Convert, {u"Convert between hexadecimal and decimal",
                       u"Convert between hexadecimal and decimal (H)", u"十六进制与十进制互换",
                       u"十六进制与十进制互换（H）", u"十六進位與十進位互換",
                       u"十六進位與十進位互換（H）"}},
    {Key::Hexadecimal, {u"Hexadecimal mode", u"Hexadecimal mode (X)", u"十六进制模式",
                       u"十六进制模式（X）", u"十六進位模式", u"十六進位模式（X）"}},
    {Key::HexPlus, {u"H.+, not in use", u"H.+, not in use", u"H.+，未使用", u"H.+，未使用",
                      u"H.+，未使用", u"H.+，未使用"}},
    {Key::HexMinus, {u"H.-, not in use", u"H.-, not in use", u"H.-，未使用", u"H.-，未使用",
                      u"H.-，未使用", u"H.-，未使用"}},
};
// clang-format on

// The column of the expected language in keyTexts.
std::size_t column() {
    return expected() == "zh_CN" ? 2 : expected() == "zh_TW" ? 4 : 0;
}

class Translated : public WindowTest {
protected:
    void SetUp() override {
        if (expected().empty())
            GTEST_SKIP() << "run by CTest, which sets RODWISE_EXPECTED_TRANSLATION";
        WindowTest::SetUp();
    }
};

TEST_F(Translated, KeysAreReadInTheUsersLanguage) {
    // English tooltips keep the desktop's font; Chinese ones get a Hei.
    const QRawFont tooltipFont = QRawFont::fromFont(QToolTip::font());
    for (const auto& [key, texts] : keyTexts) {
        SCOPED_TRACE(std::to_string(int(key)));
        QAccessibleInterface* read = reader(window.key(key));
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(read->role(), QAccessible::Button);
        EXPECT_EQ(read->text(QAccessible::Name), QString::fromUtf16(texts[column()]));
        // A key without a description of its own is described by its tooltip,
        // whose font (the face it asks for, not a fallback) has its characters.
        const QString tip = QString::fromUtf16(texts[column() + 1]);
        EXPECT_EQ(read->text(QAccessible::Description), tip);
        for (const QChar c : tip)
            EXPECT_TRUE(column() == 0 || tooltipFont.supportsCharacter(c)) << int(c.unicode());
    }
}

// "/" and "=" on an empty board, then "C", "Hex" and C on rod 1: the refusal
// and the clear heard, the rod read, and the bell as the sound server is told
// of it (the program's name and what the bell means), in the user's language.
TEST_F(Translated, WhatIsHeardIsInTheUsersLanguage) {
    // clang-format off
    const std::array<std::array<const char16_t*, 3>, 5> texts{{
        {u"Refused. The calculator is cleared.", u"无法执行，计算器已清除。", u"無法執行，計算機已清除。"},
        {u"Cleared. Decimal mode.", u"已清除。十进制模式。", u"已清除。十進位模式。"},
        {u"Rod 1, C", u"第 1 档，C", u"第 1 檔，C"},
        {u"Rodwise H-D", u"Rodwise H-D 算盘", u"Rodwise H-D 算盤"},
        {u"Input refused", u"输入被拒绝", u"輸入被拒絕"},
    }};
    // clang-format on
    const auto text = [&texts](std::size_t row) {
        return QString::fromUtf16(texts[row][column() / 2]);
    };
    Heard heard;
    type("/\r!x<c");
    EXPECT_EQ(heard.said.mid(0, 2), QStringList({assertive(text(0)), text(1)}));
    EXPECT_EQ(reader(window.board())->child(1)->text(QAccessible::Name), text(2));
    const bell::SoundTexts bell = bell::soundTexts();
    EXPECT_EQ(QString::fromStdString(bell.applicationName), text(3));
    EXPECT_EQ(QString::fromStdString(bell.eventDescription), text(4));
}

// A lesson's steps, a miss and its end, heard in the user's language: in
// Chinese each rule as its rhyme.
TEST_F(Translated, LessonsAreHeardInTheUsersLanguage) {
    // clang-format off
    const std::array<std::array<const char16_t*, 3>, 5> texts{{
        {u"Lesson: 27 + 45. Set 27 on the rods.", u"练习：27 + 45。在档上拨入 27。", u"練習：27 + 45。在檔上撥入 27。"},
        {u"Tens: add 4. Put down the upper bead, take off one lower bead.", u"十位：加 4。四下五去一。", u"十位：加 4。四下五去一。"},
        {u"Units: add 5. Take off 5, carry 1 to the tens.", u"个位：加 5。五去五进一。", u"個位：加 5。五去五進一。"},
        {u"Expected 2 on the units rod; it shows 3.", u"个位档应为 2，现为 3。", u"個位檔應為 2，現為 3。"},
        {u"27 + 45 = 72. Steps: 3, hints: 0.", u"27 + 45 = 72。共 3 步，提示 0 次。", u"27 + 45 = 72。共 3 步，提示 0 次。"},
    }};
    // clang-format on
    Heard heard;
    QTest::keyClick(window.windowHandle(), Qt::Key_L, Qt::ControlModifier);
    for (const auto& [keys, row] :
         {std::pair{"27+45\r", 0}, {"<2>7", 1}, {"<6", 2}, {">3", 3}, {"2<7", 4}}) {
        type(keys);
        EXPECT_EQ(heard.said.last(), QString::fromUtf16(texts[std::size_t(row)][column() / 2]));
    }
}

} // namespace

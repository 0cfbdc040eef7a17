// The window's fonts under known font set-ups (tests/widget/CMakeLists.txt):
// the chosen Song and Hei fonts with DejaVu, DejaVu alone, and DejaVu's sans
// faces alone, which RODWISE_FONT_SETUP names. Each caption's font is fitted at start to its box,
// so a family that draws a caption wider than its box gets a smaller size:
// the sizes below are the largest that draw every caption whole.
#include "tests/widget/window_fixture.h"
#include "ui/platform/font_config.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace {

using Captions = WindowTest;

TEST_F(Captions, TheFontsFoundAndTheirSizes) {
    const QByteArray setup = qgetenv("RODWISE_FONT_SETUP");
    if (setup.isEmpty())
        GTEST_SKIP() << "the machine's own fonts: any family may be found";
    const auto family = [](QWidget* widget) {
        return QFontInfo(widget->font()).family().toStdString();
    };
    const auto pixels = [](QWidget* widget) { return widget->font().pixelSize(); };
    const bool chosen = setup == "chosen";
    EXPECT_EQ(family(at("title")), chosen ? "AR PL SungtiL GB" : "DejaVu Serif");
    EXPECT_EQ(family(at(Key::Hexadecimal)), chosen ? "WenQuanYi Micro Hei" : "DejaVu Sans");
    // "Tallwood" in DejaVu Serif takes 73 pixels at 16 and has 64; at 15 it
    // takes 69, at 14 64.
    EXPECT_EQ(pixels(at("title")), chosen ? 16 : 14);
    EXPECT_EQ(pixels(at("resultLine")), 16);
    EXPECT_EQ(pixels(at("rodLabel", 0)), 16);
    EXPECT_EQ(pixels(at(Key::Convert)), 10); // both draw "Hex" inside a key's 21-pixel face

    // At 200 % every box is twice as large, and so is every size that fitted.
    window.setZoom(200);
    EXPECT_EQ(pixels(at("title")), chosen ? 32 : 28);
    EXPECT_EQ(pixels(at("resultLine")), 32);
    EXPECT_EQ(pixels(at("rodLabel", 0)), 32);
    EXPECT_EQ(pixels(at(Key::Convert)), 20);
}

// Qt lists only the families the window draws (DejaVu Sans is the desktop's
// sans-serif in each set-up) and not those the set-up sees beside them, such
// as DejaVu Sans Mono or the mono face in WenQuanYi Micro Hei's file; with no
// serif for the title it lists every font, as before.
TEST_F(Captions, TheFontsListed) {
    const QByteArray setup = qgetenv("RODWISE_FONT_SETUP");
    if (setup.isEmpty())
        GTEST_SKIP() << "the machine's own fonts: any family may be found";
    const QStringList listed = QFontDatabase::families();
    const bool chosen = setup == "chosen";
    EXPECT_TRUE(listed.contains("DejaVu Sans"));
    EXPECT_EQ(listed.contains("DejaVu Serif"), setup != "no-serif");
    EXPECT_EQ(listed.contains("AR PL SungtiL GB"), chosen);
    EXPECT_EQ(listed.contains("WenQuanYi Micro Hei"), chosen);
    EXPECT_FALSE(listed.contains("WenQuanYi Micro Hei Mono"));
    EXPECT_EQ(listed.contains("DejaVu Sans Mono"), setup == "no-serif");
    // A face a desktop's theme names is added where it was left out.
    EXPECT_EQ(font_config::holds("DejaVu Sans Mono"), setup == "no-serif");
    font_config::keepFamily("DejaVu Sans Mono");
    EXPECT_TRUE(font_config::holds("DejaVu Sans Mono"));
}

} // namespace

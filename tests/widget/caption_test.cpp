// The window's fonts under two known font set-ups (tests/widget/CMakeLists.txt):
// the chosen Song and Hei fonts with DejaVu, and DejaVu alone, which
// RODWISE_FONT_SETUP names. Each caption's font is fitted at start to its box,
// so a family that draws a caption wider than its box gets a smaller size:
// the sizes below are the largest that draw every caption whole.
#include "tests/widget/window_fixture.h"

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

} // namespace

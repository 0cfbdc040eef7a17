// Every caption of the window is drawn whole inside its control, with
// whatever fonts the machine has. These tests run under three font set-ups
// (tests/widget/CMakeLists.txt): the machine's own, the chosen Song and Hei
// fonts with DejaVu, and DejaVu alone; RODWISE_FONT_SETUP names the last two,
// so that a test can tell that it really saw the fonts it was meant to.
#include "tests/widget/window_fixture.h"
#include "ui/widgets/widgets.h"

#include <QFontInfo>
#include <QLabel>

namespace {

// The bounding box of the pixels inside a border of inset that differ from
// the background.
QRect inkOf(const QImage& image, int inset, QColor background) {
    QRect ink;
    for (int y = inset; y < image.height() - inset; ++y)
        for (int x = inset; x < image.width() - inset; ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != (background.rgb() & 0xFFFFFF))
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// Room enough around a caption for any font.
constexpr int spare = 40;

class Captions : public WindowTest {
protected:
    // The caption's ink in the control against its ink in a twin with room
    // around it, which cuts nothing; a key counts only the face inside its
    // two-pixel bevel, held down as well as up.
    template <typename Control>
    void expectWhole(Control* shown, Control* twin, int inset, QColor background) {
        twin->setFont(shown->font());
        twin->setText(shown->text());
        twin->setEnabled(shown->isEnabled());
        twin->resize(shown->size() + QSize(2 * spare, 2 * spare));
        const QRect ink = inkOf(shown->grab().toImage(), inset, background);
        const QRect free = inkOf(twin->grab().toImage(), inset, background);
        ASSERT_FALSE(free.isEmpty()) << shown->text().toStdString();
        EXPECT_EQ(ink, free.translated(-spare, -spare))
            << shown->text().toStdString() << " in "
            << QFontInfo(shown->font()).family().toStdString() << " " << shown->font().pixelSize()
            << " px";
    }
    void expectWhole(const QString& name, int index, const QString& caption) {
        auto* label = static_cast<QLabel*>(at(name, index));
        label->setText(caption);
        QLabel twin;
        twin.setAlignment(label->alignment());
        twin.setContentsMargins(spare, spare, spare, spare);
        twin.setPalette(label->palette());
        expectWhole(label, &twin, 0, label->palette().color(QPalette::Window));
    }
    std::string family(const QString& name) {
        return QFontInfo(at(name)->font()).family().toStdString();
    }
    int pixels(const QString& name, int index = -1) { return at(name, index)->font().pixelSize(); }
};

TEST_F(Captions, EveryTextIsDrawnWhole) {
    expectWhole("Label1", -1, "Tallwood");
    for (const char* text : {"D = 4294967295", "H = 7FFFFFFF"})
        expectWhole("Label2", -1, text);
    for (int rod : {9, 8, 0}) // rods 8 and 9 have the narrow labels
        for (char digit = '0'; digit <= '9'; ++digit)
            expectWhole("Lab1", rod, QString(QLatin1Char(digit)));
    for (auto [name, index, which] : {std::tuple{"Command5", -1, Key::HexDec},
                                      {"Command6", -1, Key::Hex},
                                      {"Command1", 2, Key::HexPlus}})
        for (bool down : {false, true}) {
            // A disabled key's engraved caption reaches as far as a held one's.
            auto* key = static_cast<KeyButton*>(at(name, index));
            if (down && !key->isEnabled())
                continue;
            KeyButton twin(which, false, nullptr);
            key->setDown(down);
            twin.setDown(down);
            expectWhole(key, &twin, 2, key->palette().color(QPalette::Active, QPalette::Button));
        }
}

// Under a set-up whose fonts are known, the window draws with them, and only
// the fonts too wide for their box are smaller than the design's 16 and 10
// pixels (12 and 7.5 points).
TEST_F(Captions, TheFontsFoundAndTheirSizes) {
    const QByteArray setup = qgetenv("RODWISE_FONT_SETUP");
    if (setup.isEmpty())
        GTEST_SKIP() << "the machine's own fonts: any family may be found";
    const bool chosen = setup == "chosen";
    EXPECT_EQ(family("Label1"), chosen ? "AR PL SungtiL GB" : "DejaVu Serif");
    EXPECT_EQ(family("Command6"), chosen ? "WenQuanYi Micro Hei" : "DejaVu Sans");
    // "Tallwood" in DejaVu Serif takes 73 pixels at 16 and has 64; at 15 it
    // takes 69, at 14 64.
    EXPECT_EQ(pixels("Label1"), chosen ? 16 : 14);
    EXPECT_EQ(pixels("Label2"), 16);
    EXPECT_EQ(pixels("Lab1", 0), 16);
    EXPECT_EQ(pixels("Command5"), 10); // both draw "Hex" inside a key's 21-pixel face
}

} // namespace

// Every caption of the window is drawn whole inside its control, with
// whatever fonts the machine has. These tests run under three font set-ups
// (tests/widget/CMakeLists.txt): the machine's own, the chosen Song and Hei
// fonts with DejaVu, and DejaVu alone; RODWISE_FONT_SETUP names the last two,
// so that a test can tell that it really saw the fonts it was meant to.
#include "ui/widgets/widgets.h"
#include "ui/window/window.h"

#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QPainter>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <tuple>

namespace {

// The bounding box of the pixels in area that differ from background.
QRect inkOf(const QImage& image, QRect area, QColor background) {
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != (background.rgb() & 0xFFFFFF))
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// Room enough around a caption for any font.
constexpr int spare = 40;

class Captions : public ::testing::Test {
protected:
    QWidget* at(const char* name, int index = -1) {
        QWidget* widget = window.control(QString::fromLatin1(name), index);
        if (!widget)
            throw std::invalid_argument(name);
        return widget;
    }

    // The caption's ink in the label against its ink drawn as the label
    // lays it out, in the same box but with room around it and no clipping.
    void expectWhole(QLabel* label, const QString& caption) {
        label->setText(caption);
        const QColor background = label->palette().color(QPalette::Window);
        QImage free(label->size() + QSize(2 * spare, 2 * spare), QImage::Format_RGB32);
        free.fill(background);
        {
            QPainter painter(&free);
            painter.setFont(label->font());
            painter.setPen(label->palette().color(QPalette::WindowText));
            painter.drawText(label->contentsRect().translated(spare, spare),
                             int(label->alignment()) | Qt::TextDontClip, caption);
        }
        const QImage shown = label->grab().toImage();
        const QRect ink = inkOf(shown, shown.rect(), background);
        const QRect freeInk = inkOf(free, free.rect(), background);
        ASSERT_FALSE(freeInk.isEmpty()) << caption.toStdString();
        EXPECT_EQ(ink, freeInk.translated(-spare, -spare))
            << label->objectName().toStdString() << " cuts \"" << caption.toStdString() << "\" in "
            << QFontInfo(label->font()).family().toStdString() << " " << label->font().pixelSize()
            << " px";
    }

    // The same for a key, up and (when enabled) held down, counting only the
    // face inside its two-pixel bevel: a caption that runs into the bevel is
    // cut too. A disabled key's engraved caption reaches as far as a held
    // one's.
    void expectWhole(KeyButton* key, Key which) {
        KeyButton twin(which, false, nullptr);
        twin.setFont(key->font());
        twin.setText(key->text());
        twin.setEnabled(key->isEnabled());
        twin.resize(key->size() + QSize(2 * spare, 2 * spare));
        const QColor face = key->palette().color(QPalette::Active, QPalette::Button);
        for (bool down : {false, key->isEnabled()}) {
            key->setDown(down);
            twin.setDown(down);
            const QImage shown = key->grab().toImage();
            const QImage free = twin.grab().toImage();
            const QRect ink = inkOf(shown, shown.rect().adjusted(2, 2, -2, -2), face);
            const QRect freeInk = inkOf(free, free.rect().adjusted(2, 2, -2, -2), face);
            ASSERT_FALSE(freeInk.isEmpty()) << key->text().toStdString();
            EXPECT_EQ(ink, freeInk.translated(-spare, -spare))
                << key->text().toStdString() << (down ? " held down" : "") << " in "
                << QFontInfo(key->font()).family().toStdString() << " " << key->font().pixelSize()
                << " px";
        }
        key->setDown(false);
    }

    std::string family(const char* name, int index = -1) {
        return QFontInfo(at(name, index)->font()).family().toStdString();
    }
    int pixels(const char* name, int index = -1) { return at(name, index)->font().pixelSize(); }

    Window window;
};

TEST_F(Captions, EveryTextIsDrawnWhole) {
    expectWhole(static_cast<QLabel*>(at("Label1")), QStringLiteral("Tallwood"));
    for (const char* text : {"D = 4294967295", "H = 7FFFFFFF"})
        expectWhole(static_cast<QLabel*>(at("Label2")), QString::fromLatin1(text));
    // Rods 8 and 9 have the narrow labels.
    for (int rod : {9, 8, 0})
        for (char digit = '0'; digit <= '9'; ++digit)
            expectWhole(static_cast<QLabel*>(at("Lab1", rod)), QString(QLatin1Char(digit)));
    const std::tuple<const char*, int, Key> keys[] = {{"Command5", -1, Key::HexDec},
                                                      {"Command6", -1, Key::Hex},
                                                      {"Command1", 2, Key::HexPlus},
                                                      {"Command1", 3, Key::HexMinus}};
    for (const auto& [name, index, which] : keys)
        expectWhole(static_cast<KeyButton*>(at(name, index)), which);
}

// Under a set-up whose fonts are known, the window draws with them, and only
// the fonts too wide for their box are smaller than the design's 16 and 10
// pixels (12 and 7.5 points).
TEST_F(Captions, TheFontsFoundAndTheirSizes) {
    const QByteArray setup = qgetenv("RODWISE_FONT_SETUP");
    if (setup.isEmpty())
        GTEST_SKIP() << "the machine's own fonts: any family may be found";
    if (setup == "chosen") {
        EXPECT_EQ(family("Label1"), "AR PL SungtiL GB");
        EXPECT_EQ(family("Command6"), "WenQuanYi Micro Hei");
        EXPECT_EQ(pixels("Label1"), 16);
    } else {
        ASSERT_EQ(setup, "dejavu");
        EXPECT_EQ(family("Label1"), "DejaVu Serif");
        EXPECT_EQ(family("Command6"), "DejaVu Sans");
        // "Tallwood" takes 73 pixels at 16 and has 64; at 15 it takes 69,
        // at 14 64.
        EXPECT_EQ(pixels("Label1"), 14);
    }
    EXPECT_EQ(pixels("Label2"), 16);
    EXPECT_EQ(pixels("Lab1", 0), 16);
    EXPECT_EQ(pixels("Command5"), 10); // both draw "Hex" inside a key's 21-pixel face
}

} // namespace

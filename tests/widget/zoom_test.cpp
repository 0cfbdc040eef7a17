// The zoom: the window's controls at their design places times the zoom, the
// pictures drawn at their device size, the zoom keys and the wheel, and the
// kept setting with the command line over it. Expected places are worked out
// by hand from the design in twips: a pixel is 15 twips at 100 %, 7.5 at
// 200 %, 12 at 125 %, rounded to the nearest (a half up).
#include "tests/widget/window_fixture.h"

#include "ui/platform/start_options.h"
#include "ui/widgets/images.h"
#include "ui/widgets/key_pictures.h"
#include "ui/widgets/widgets.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QWheelEvent>

#include <algorithm>

namespace {

using Zoom = WindowTest;

const QImage& pictureOf(QWidget* widget) {
    return *static_cast<Picture*>(widget)->image();
}

// The pictures have the zoom's pixels times the screen's density, which is 2
// in the run under QT_SCALE_FACTOR=2.
TEST_F(Zoom, ControlsAndPicturesAtTwoSteps) {
    const int density = std::max(1, qEnvironmentVariableIntValue("RODWISE_EXPECTED_DENSITY"));
    window.setZoom(200);
    EXPECT_EQ(window.size(), QSize(876, 560));                // 6570 x 4200
    EXPECT_EQ(rectOf("title"), QRect(60, 32, 128, 32));       // 450, 240, 960 x 240
    EXPECT_EQ(rectOf(Key::Multiply), QRect(230, 34, 51, 30)); // 1725, 255, 380 x 225
    EXPECT_EQ(rectOf(lower(0), 0), QRect(626, 232, 66, 36));  // 4695, 1740, 495 x 270
    EXPECT_EQ(rectOf("bar", 0), QRect(32, 448, 660, 24));     // 240, 3360, 4950 x 180
    EXPECT_EQ(pictureOf(at(lower(0), 0)).size(), QSize(66, 36) * density);
    EXPECT_EQ(pictureOf(at("bar", 0)).size(), QSize(880, 30) * density);
    // A screen reader's review finds a cell, and its rod, where they are drawn.
    const QRect cell = QAccessible::queryAccessibleInterface(at(lower(0), 0))->rect();
    EXPECT_EQ(cell, QRect(window.mapToGlobal(QPoint(626, 232)), QSize(66, 36)));
    const QAccessibleInterface* board = QAccessible::queryAccessibleInterface(window.board());
    EXPECT_TRUE(board->child(0)->rect().contains(cell.center()));
    // A bead's rim is two pixels at 200 %: the top rows of a bead's tip.
    const QImage& bead = images::cell(Image::Bead, {66, 36});
    EXPECT_EQ(bead.pixel(33, 0), bead.pixel(33, 1));
    EXPECT_NE(bead.pixel(33, 1), bead.pixel(33, 2));

    // 125 %: cells 22.5 pixels high, whole pixels that still touch.
    window.setZoom(125);
    EXPECT_EQ(window.size(), QSize(548, 350));
    EXPECT_EQ(rectOf(lower(0), 0), QRect(391, 145, 42, 23)); // 1740 to 2010
    EXPECT_EQ(rectOf(lower(0), 1), QRect(391, 168, 42, 22)); // 2010 to 2280
    EXPECT_EQ(pictureOf(at(lower(0), 1)).size(), QSize(42, 22) * density);
}

// FNV-1a over each pixel's red, green and blue: the checksums below were
// taken from the pictures of the program before it had a zoom.
quint64 checksum(const QImage& image) {
    quint64 hash = 1469598103934665603ull;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            for (int shift : {0, 8, 16}) {
                hash ^= (image.pixel(x, y) >> shift) & 0xFF;
                hash *= 1099511628211ull;
            }
    return hash;
}

TEST(ZoomPictures, At100PercentThePicturesOfOldPixelForPixel) {
    EXPECT_EQ(checksum(images::cell(Image::Gap)), 0xf6d958b58dfa4d83u);
    EXPECT_EQ(checksum(images::cell(Image::Bead)), 0xc7c6086dc09f5e31u);
    EXPECT_EQ(checksum(images::cell(Image::ExtraBead)), 0x109e71c757311988u);
    EXPECT_EQ(checksum(images::bar(0, {440, 15})), 0x3a5fe5c4cf8f0ffbu);
    EXPECT_EQ(checksum(images::bar(1, {420, 15})), 0x56689938720dadd7u);
    const std::pair<Key, std::array<quint64, 2>> keys[] = {
        {Key::Multiply, {0x3600b2a3ad90abeeu, 0x76db4b4374f07656u}},
        {Key::Divide, {0xa2c7301587afb921u, 0xbb122a6f688a6af2u}},
        {Key::Equals, {0xeee5f4a51dc80d8du, 0x6da87e3ef9ccb6ddu}},
        {Key::Clear, {0x2cb62958065173f9u, 0x356dee01cdcea5dcu}}};
    for (const auto& [key, sums] : keys) {
        EXPECT_EQ(checksum(key_pictures::symbol(key)), sums[0]) << int(key);
        EXPECT_EQ(checksum(key_pictures::bead(key)), sums[1]) << int(key);
    }
}

// The offscreen screen is 800 x 600: 175 % (767 x 490) is the largest step
// it holds. A zoom changes neither the board nor the result line.
TEST_F(Zoom, KeysAndWheelStepWithinTheScreen) {
    Heard heard;
    type("25=");
    const std::string number = board();
    const std::string result = window.calculator().panel.resultLine().caption;
    heard.clear();
    const auto ctrl = [this](Qt::Key key, Qt::KeyboardModifiers more = {}) {
        QTest::keyClick(window.windowHandle(), key, Qt::ControlModifier | more);
        return window.zoom();
    };
    EXPECT_EQ(ctrl(Qt::Key_Plus), 125);
    EXPECT_EQ(ctrl(Qt::Key_Equal), 150);
    EXPECT_EQ(ctrl(Qt::Key_Plus, Qt::KeypadModifier), 175);
    EXPECT_EQ(ctrl(Qt::Key_Plus), 175);
    EXPECT_EQ(heard.said, QStringList({"Zoom 125 %", "Zoom 150 %", "Zoom 175 %",
                                       "Zoom 175 %, the largest the screen holds"}));
    EXPECT_EQ(ctrl(Qt::Key_Minus), 150);
    EXPECT_EQ(ctrl(Qt::Key_0), 100);
    EXPECT_EQ(ctrl(Qt::Key_Minus), 100);
    const auto wheel = [this](int degrees8) {
        const QPointF at = centre(lower(3), 2);
        QWheelEvent event(at, window.mapToGlobal(at), {}, {0, degrees8}, Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(window.childAt(at.toPoint()), &event);
        return window.zoom();
    };
    EXPECT_EQ(wheel(60), 100); // half a notch
    EXPECT_EQ(wheel(60), 125);
    EXPECT_EQ(wheel(360), 175);
    EXPECT_EQ(wheel(-240), 125);
    EXPECT_EQ(board(), number);
    EXPECT_EQ(window.calculator().panel.resultLine().caption, result);
    // The keys alone keep their meaning.
    window.setZoom(100);
    type("-");
    EXPECT_EQ(window.zoom(), 100);
}

// The settings file in a folder of the test's own, as a user's would be.
class KeptZoom : public ::testing::Test {
protected:
    void SetUp() override {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    }
    void write(const QByteArray& text) {
        QDir(folder.path()).mkpath(QStringLiteral("rodwise-hd"));
        QFile file(folder.filePath(QStringLiteral("rodwise-hd/rodwise-hd.conf")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    start_options::Start read(QStringList arguments) {
        return start_options::read(QStringList{QStringLiteral("rodwise-hd")} + arguments);
    }
    QTemporaryDir folder;
};

TEST_F(KeptZoom, RoundTripCommandLineAndDamage) {
    EXPECT_EQ(read({}).options.zoomPercent, 100);
    start_options::keepZoom(250);
    EXPECT_EQ(read({}).options.zoomPercent, 250);
    EXPECT_EQ(read({"--zoom", "200"}).options.zoomPercent, 200);
    EXPECT_EQ(read({"--zoom=150", "-platform", "offscreen", "-style", "Fusion", "-reverse"})
                  .options.zoomPercent,
              150);
    EXPECT_EQ(read({}).options.zoomPercent, 250); // the command line kept nothing
    EXPECT_EQ(read({"--zoom", "180"}).options.zoomPercent, 100);
    EXPECT_EQ(read({"--zoom", "180"}).warnings.size(), 1);

    write("[General]\nzoom=4000\ncontrast=high\n");
    EXPECT_EQ(read({}).options.zoomPercent, 100);
    EXPECT_EQ(read({}).warnings.size(), 1);
    EXPECT_EQ(read({}).options.highContrast, true);
    EXPECT_EQ(read({"--contrast", "normal"}).options.highContrast, false);
    write("\xff\xfe[General\nzoom\n=\x01");
    EXPECT_EQ(read({}).options.zoomPercent, 100);

    EXPECT_EQ(read({"--frobnicate"}).exitStatus, 2);
    EXPECT_EQ(read({"--frobnicate"}).output.count(u'\n'), 1);
    EXPECT_EQ(read({"--help"}).exitStatus, 0);
    EXPECT_EQ(read({"--version"}).output, "rodwise-hd 1.0.0\n");
}

} // namespace

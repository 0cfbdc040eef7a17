// The zoom: the window's controls at their design places times the zoom, the
// pictures drawn at their device size, the zoom keys and the wheel, and the
// kept setting with the command line over it. Expected places are worked out
// by hand from the design in twips: a pixel is 15 twips at 100 %, 7.5 at
// 200 %, 12 at 125 %, rounded to the nearest (a half up); expected colours
// from the palette and the pictures' design, at twice its coordinates.
#include "tests/widget/window_fixture.h"

#include "ui/platform/start_options.h"
#include "ui/widgets/images.h"
#include "ui/widgets/key_pictures.h"
#include "ui/widgets/palette.h"
#include "ui/widgets/widgets.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QWheelEvent>

#include <algorithm>
#include <tuple>
#include <vector>

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

    // 125 %: cells 22.5 pixels high, whole pixels that still touch.
    window.setZoom(125);
    EXPECT_EQ(window.size(), QSize(548, 350));
    EXPECT_EQ(rectOf(lower(0), 0), QRect(391, 145, 42, 23)); // 1740 to 2010
    EXPECT_EQ(rectOf(lower(0), 1), QRect(391, 168, 42, 22)); // 2010 to 2280
    EXPECT_EQ(pictureOf(at(lower(0), 1)).size(), QSize(42, 22) * density);

    // Twice the pixels, by the zoom or by the screen: a bead cell as shown,
    // at 200 % or at 100 % under a scale factor of 2, is the 200 % picture
    // (its pixels are ZoomPictures' below) one for one, never the 100 % one
    // stretched.
    window.setZoom(200 / density);
    const QImage shownCell =
        at(lower(0), 1)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(shownCell == images::cell(Image::Bead, {66, 36}))
        << "the cell shows other pixels than the 200 % picture's";
}

// The pictures at 200 %, drawn afresh at twice the pixels: colours at named
// points, worked out by hand from ui/widgets/palette.cpp and the drawing rules
// in twice the 100 % picture's coordinates. A 100 % picture stretched, or a
// bead a pixel off, misses the edges; a wrong colour, the colours.
struct Sample {
    int x, y;
    QRgb colour;
};
using Samples = std::vector<std::tuple<const char*, QImage, std::vector<Sample>>>;

void expectColours(const Samples& pictures) {
    for (const auto& [what, picture, samples] : pictures)
        for (const auto& [x, y, colour] : samples)
            EXPECT_EQ(picture.pixel(x, y) & 0xFFFFFF, colour) << what << " at " << x << "," << y;
}

// The everyday palette's colours. A bead's rim is its wood at 100/165 of its
// HSV value, hue and saturation kept: C68C60 (value 198, hue 25.88 degrees,
// saturation 0.515) gives 78553A, B77C52 (183, 24.95, 0.552) gives 6F4B32.
constexpr QRgb field = 0x8EB9E3, beadField = 0x8FBAE4, extraField = 0x9285B1, rodLit = 0xA89274,
               rodShade = 0x8C7658, wood = 0xC68C60, extraWood = 0xB77C52, rim = 0x78553A,
               extraRim = 0x6F4B32, keyField = 0x887C90, keyCorner = 0xD8D8D8, silver = 0xC0C0C0,
               black = 0x000000, white = 0xFFFFFF, yellow = 0xFFFF00;

// The bare rod: the 100 % columns 15 (lit) and 16 (shaded) are 30-31 and
// 32-33. A bead fills x 2 to 63 (at 100 %, 1 to 31) and every row, its rim two
// pixels thick; its middle row, 18, is the wood itself inside the rim. Its
// tips are 22 wide: rows 0 and 35 at x 22 to 43. Row 1 is 24 wide (22 + 40 /
// 18, to the box's even width), at 21 to 44, where a 100 % bead stretched
// would still be 22 wide; so is row 34 (22 + 40 / 17).
TEST(ZoomPictures, CellsAt200Percent) {
    const QImage gap = images::cell(Image::Gap, {66, 36});
    const QImage bead = images::cell(Image::Bead, {66, 36});
    const QImage extra = images::cell(Image::ExtraBead, {66, 36});
    expectColours({
        {"rod", gap, {{29, 0, field}, {30, 0, rodLit}, {31, 35, rodLit}, {32, 0, rodShade}}},
        {"rod", gap, {{33, 35, rodShade}, {34, 18, field}}},
        {"middle", bead, {{1, 18, beadField}, {2, 18, rim}, {3, 18, rim}, {4, 18, wood}}},
        {"middle", bead, {{33, 18, wood}, {63, 18, rim}, {64, 18, beadField}}},
        {"tip", bead, {{21, 0, beadField}, {22, 0, rim}, {43, 0, rim}, {44, 0, beadField}}},
        {"tip", bead, {{20, 1, beadField}, {21, 1, rim}, {44, 1, rim}, {45, 1, beadField}}},
        {"tip", bead, {{20, 34, beadField}, {21, 34, rim}, {21, 35, beadField}, {22, 35, rim}}},
        {"extra", extra, {{33, 18, extraWood}, {1, 18, extraField}, {2, 18, extraRim}}},
        {"extra", extra, {{21, 0, extraField}, {22, 0, extraRim}}},
    });
    // Two rows of rim, not three.
    EXPECT_EQ(bead.pixel(33, 1) & 0xFFFFFF, rim);
    EXPECT_NE(bead.pixel(33, 2) & 0xFFFFFF, rim);
    EXPECT_NE(bead.pixel(33, 33) & 0xFFFFFF, rim);
}

// The flat bead leaves a 100 % row of black, two rows, above and below: it
// fills rows 2 to 33, its middle row (18) x 2 to 63. The extra bead's stripes,
// the 100 % rows 5-6 and 12-13, are rows 10-13 and 24-27; row 10 (42 wide, at
// 12 to 53) keeps its two rim pixels at each end yellow.
TEST(ZoomPictures, HighContrastCellsAt200Percent) {
    palette::useHighContrast(true);
    const QImage bead = images::cell(Image::Bead, {66, 36});
    const QImage extra = images::cell(Image::ExtraBead, {66, 36});
    expectColours({
        {"rows", bead, {{33, 1, black}, {33, 2, white}, {33, 33, white}, {33, 34, black}}},
        {"middle", bead, {{1, 18, black}, {2, 18, white}, {63, 18, white}, {64, 18, black}}},
        {"stripe", extra, {{33, 9, yellow}, {33, 10, black}, {33, 13, black}, {33, 14, yellow}}},
        {"stripe", extra, {{33, 23, yellow}, {33, 24, black}, {33, 27, black}, {33, 28, yellow}}},
        {"ends", extra, {{11, 10, black}, {12, 10, yellow}, {13, 10, yellow}, {14, 10, black}}},
        {"ends", extra, {{52, 10, yellow}, {53, 10, yellow}, {54, 10, black}}},
        {"bar", images::bar(0, {880, 30}), {{0, 0, white}, {879, 29, white}}},
    });
    palette::useHighContrast(false);
}

// Each of a bar's fifteen greys takes two rows; the bottom bar (0) is dark on
// top. A key's face: the corner (the 100 % triangle 0,0 7,0 0,7) on the field;
// "=" in its box 4,1 14 x 13 has bars 9 wide from x 7 at rows 5-6 and 9-10:
// x 14 to 31 at rows 10-13 and 18-21. "/" has its bar at rows 7-8 (14-17) and
// dots 2 across at 10.5,3 and 10.5,11 (4 across at 21,6 and 21,22). A held
// key's bead: "*" 27 x 12, the bead at x 2 to 51 of 54, its middle row 12 the
// wood; "/" cut across its 100 % rows 5-6.
TEST(ZoomPictures, BarsAndKeysAt200Percent) {
    const QImage top = images::bar(1, {840, 30});
    const QImage bottom = images::bar(0, {880, 30});
    const QImage equals = key_pictures::symbol(Key::Equals, 2.0);
    const QImage divide = key_pictures::symbol(Key::Divide, 2.0);
    const QImage times = key_pictures::bead(Key::Multiply, 2.0);
    const QImage cut = key_pictures::bead(Key::Divide, 2.0);
    expectColours({
        {"top bar", top, {{0, 0, 0x7B7B7B}, {839, 1, 0x7B7B7B}, {0, 2, 0x707070}}},
        {"top bar", top, {{0, 29, 0x090909}}},
        {"bottom bar", bottom, {{0, 0, 0x090909}, {0, 27, 0x707070}, {879, 29, 0x7B7B7B}}},
        {"=", equals, {{1, 1, keyCorner}, {39, 29, keyField}, {22, 9, keyField}}},
        {"=", equals, {{22, 10, black}, {22, 13, black}, {22, 14, keyField}, {22, 17, keyField}}},
        {"=", equals, {{22, 18, black}, {22, 21, black}, {22, 22, keyField}}},
        {"=", equals, {{13, 11, keyField}, {14, 11, black}, {31, 11, black}, {32, 11, keyField}}},
        {"/", divide, {{22, 7, black}, {22, 11, keyField}, {22, 14, black}, {22, 17, black}}},
        {"/", divide, {{22, 19, keyField}, {22, 23, black}}},
        {"* held", times, {{0, 0, silver}, {1, 12, silver}, {2, 12, rim}, {27, 12, wood}}},
        {"* held", times, {{52, 12, silver}}},
        {"/ held", cut, {{20, 10, silver}, {20, 13, silver}}},
    });
    EXPECT_NE(cut.pixel(20, 9) & 0xFFFFFF, silver);
    EXPECT_NE(cut.pixel(20, 14) & 0xFFFFFF, silver);
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

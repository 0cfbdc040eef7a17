#include "tests/widget/window_fixture.h"
#include "ui/widgets/images.h"
#include "ui/widgets/key_pictures.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusVirtualObject>

#include <cmath>
#include <map>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// The high-contrast colours as designed, written here rather than read from
// the code: a disabled key's caption, and black at 0.7 over white, a disabled
// picture key's symbol.
constexpr QRgb black = 0x000000, white = 0xFFFFFF, yellow = 0xFFFF00, rod = 0xC0C0C0;
constexpr QRgb dimCaption = 0x505050, dimSymbol = 0x4D4D4D;

QRgb rgb(const QImage& image, QPoint at) {
    return image.pixel(at) & 0xFFFFFF;
}

} // namespace

// Every pair of colours that touch in the high-contrast palette, with its
// ratio worked out by hand.
TEST(Contrast, EveryMeetingPairIsAtLeastSevenToOne) {
    const std::tuple<const char*, QRgb, QRgb, double> meetings[] = {
        {"bead, bars, beam, held key's bead, result line on black", white, black, 21.0},
        {"mark on a bar, ring and check, captions and symbols on white", white, black, 21.0},
        {"extra bead and labels on black, stripes on the extra bead", yellow, black, 19.56},
        {"bare rod on its field", rod, black, 11.54},
        {"disabled key's caption on white", white, dimCaption, 8.06},
        {"disabled picture key's symbol on white", white, dimSymbol, 8.45},
    };
    for (const auto& [where, light, dark, stated] : meetings) {
        const double ratio = (luminance(light) + 0.05) / (luminance(dark) + 0.05);
        EXPECT_NEAR(ratio, stated, 0.005) << where;
        EXPECT_GE(ratio, 7.0) << where;
    }
}

class ContrastWindow : public WindowTest {
protected:
    void TearDown() override { window.useContrast(false); }
};

// The pictures and the window use exactly the colours of the table above.
TEST_F(ContrastWindow, DrawsTheTablesColours) {
    window.useContrast(true);
    // The rod; a bead with a row of field above (it never touches a rod); the
    // extra bead, its stripes black inside and yellow at the row's ends; a bar;
    // the bead of a held key.
    const std::pair<QImage, std::vector<std::pair<QPoint, QRgb>>> pictures[] = {
        {images::cell(Image::Gap), {{{0, 0}, black}, {{15, 0}, rod}, {{16, 17}, rod}}},
        {images::cell(Image::Bead), {{{16, 9}, white}, {{16, 0}, black}}},
        {images::cell(Image::ExtraBead),
         {{{16, 9}, yellow}, {{6, 5}, yellow}, {{7, 5}, black}, {{6, 12}, black}}},
        {images::bar(0, images::barSize(0)), {{{200, 7}, white}}},
        {key_pictures::bead(Key::Multiply), {{{0, 0}, black}, {{13, 6}, white}}},
    };
    for (const auto& [image, samples] : pictures)
        for (const auto& [at, colour] : samples)
            EXPECT_EQ(rgb(image, at), colour) << at.x() << "," << at.y();

    type("<"); // the mark, on rod 1
    const QImage all = shown(&window);
    EXPECT_EQ(rgb(all, {centre(lower(1), 0).x(), centre("bar", 1).y()}), black);
    EXPECT_EQ(rgb(all, rectOf("beam").bottomLeft() + QPoint(2, -1)), white);
    EXPECT_EQ(rgb(all, {0, 0}), black);
    EXPECT_EQ(rgb(all, rectOf(Key::Convert).topLeft() + QPoint(3, 3)), white);
}

namespace {

// The desktop's settings portal as the test wants it, on a connection of its
// own to the test's private session bus.
class StandInPortal : public QDBusVirtualObject {
public:
    explicit StandInPortal(std::map<QString, QVariantMap> settings)
        : settings_(std::move(settings)),
          bus_(QDBusConnection::connectToBus(QDBusConnection::SessionBus, "stand-in")) {
        bus_.registerVirtualObject("/org/freedesktop/portal/desktop", this);
        bus_.registerService("org.freedesktop.portal.Desktop");
    }

    void change(const QString& space, const QString& key, const QVariant& value) {
        auto signal = QDBusMessage::createSignal(
            "/org/freedesktop/portal/desktop", "org.freedesktop.portal.Settings", "SettingChanged");
        bus_.send(signal << space << key << QVariant::fromValue(QDBusVariant(value)));
    }

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.member() != QLatin1String("ReadAll"))
            return false;
        QDBusArgument all;
        all.beginMap(QMetaType::fromType<QString>(), QMetaType::fromType<QVariantMap>());
        for (const auto& [space, values] : settings_) {
            all.beginMapEntry();
            all << space << values;
            all.endMapEntry();
        }
        all.endMap();
        return connection.send(message.createReply(QVariant::fromValue(all)));
    }

private:
    std::map<QString, QVariantMap> settings_;
    QDBusConnection bus_;
};

} // namespace

// On a private session bus (its ctest entry starts one) where the test plays
// the portal: GNOME 43's portal has only the accessibility switch; a later one
// the appearance contrast too, which then decides. A change repaints the
// board at once and tells a screen reader nothing; back to everyday, the
// window is what it was.
TEST_F(ContrastWindow, FollowsTheDesktopsSetting) {
    if (qEnvironmentVariableIsEmpty("RODWISE_PRIVATE_BUS"))
        GTEST_SKIP() << "needs the private session bus of its ctest entry";
    const QImage everyday = shown(&window);
    auto high = [&] { return rgb(shown(at(lower(0), 0)), {0, 0}) == black; };
    auto painted = [](Spy& spy, QWidget* widget) {
        return QTest::qWaitFor([&] { return spy.got.count(widget) > 0; });
    };
    StandInPortal portal({{"org.gnome.desktop.a11y.interface", {{"high-contrast", true}}}});
    Spy paints({QEvent::Paint});
    Heard heard;
    window.useContrast(std::nullopt);
    ASSERT_TRUE(QTest::qWaitFor(high));
    EXPECT_TRUE(painted(paints, at(lower(0), 0)) && painted(paints, at("bar", 0)));

    portal.change("org.freedesktop.appearance", "contrast", 0u);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !high(); }));
    EXPECT_EQ(shown(&window), everyday);
    paints.got.clear();
    portal.change("org.freedesktop.appearance", "contrast", 1u);
    ASSERT_TRUE(QTest::qWaitFor(high));
    EXPECT_TRUE(painted(paints, at(upper(9), 2)));
    EXPECT_TRUE(heard.said.isEmpty() && heard.rods.isEmpty() && heard.notifications.isEmpty());
}

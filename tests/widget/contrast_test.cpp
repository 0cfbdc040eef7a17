#include "tests/widget/heard.h"
#include "ui/widgets/images.h"
#include "ui/widgets/palette.h"
#include "window_fixture.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusVirtualObject>

#include <cmath>
#include <map>

namespace {

// The high-contrast colours as designed, written here rather than read from
// the code.
constexpr QRgb black = 0x000000, white = 0xFFFFFF, yellow = 0xFFFF00, rod = 0xC0C0C0;
constexpr QRgb dimCaption = 0x505050; // a disabled key's caption
constexpr QRgb dimSymbol = 0x4D4D4D;  // black at 0.7 over white: a disabled picture key

// WCAG 2.1's relative luminance and contrast ratio.
double luminance(QRgb c) {
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}
double ratio(QRgb a, QRgb b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QRgb rgb(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

} // namespace

// Every pair of colours that touch in the high-contrast palette, with its
// ratio worked out by hand.
TEST(Contrast, EveryMeetingPairIsAtLeastSevenToOne) {
    struct Meeting {
        const char* where;
        QRgb a, b;
        double stated;
    } const meetings[] = {
        {"bead on its field", white, black, 21.0},
        {"extra bead on its field", yellow, black, 19.56},
        {"stripe across the extra bead", black, yellow, 19.56},
        {"bare rod on its field", rod, black, 11.54},
        {"bar on a field and on the window", white, black, 21.0},
        {"keyboard mark on a bar", black, white, 21.0},
        {"beam on a field", white, black, 21.0},
        {"radio button's ring and check in its white well", black, white, 21.0},
        {"key caption, key symbol on the face", black, white, 21.0},
        {"held key's bead on its field, its symbol on the bead", white, black, 21.0},
        {"disabled key's caption", dimCaption, white, 8.06},
        {"disabled picture key's symbol", dimSymbol, white, 8.45},
        {"title and rod labels on the window", yellow, black, 19.56},
        {"result line on the window", white, black, 21.0},
    };
    for (const Meeting& m : meetings) {
        EXPECT_NEAR(ratio(m.a, m.b), m.stated, 0.005) << m.where;
        EXPECT_GE(ratio(m.a, m.b), 7.0) << m.where;
    }
}

class ContrastWindow : public WindowTest {
protected:
    void TearDown() override { window.useContrast(false); }
};

// The pictures and the window use exactly the colours of the table above.
TEST_F(ContrastWindow, DrawsTheTablesColours) {
    window.useContrast(true);
    const QImage gap = images::cell(Image::Gap), bead = images::cell(Image::Bead);
    const QImage extra = images::cell(Image::ExtraBead);
    const struct {
        const QImage& image;
        int x, y;
        QRgb colour;
    } samples[] = {{gap, 0, 0, black},
                   {gap, 15, 0, rod},
                   {gap, 16, 17, rod},
                   {bead, 16, 9, white},
                   // A row of field above and below: a bead never touches a rod.
                   {bead, 16, 0, black},
                   {bead, 16, 17, black},
                   {extra, 16, 9, yellow},
                   {extra, 0, 9, black},
                   // The stripes, black inside, yellow at the row's ends.
                   {extra, 6, 5, yellow},
                   {extra, 7, 5, black},
                   {extra, 5, 12, yellow},
                   {extra, 6, 12, black},
                   {images::bar(0), 200, 7, white},
                   {images::keySymbol(Key::Equals), 19, 14, white},
                   {images::keyBead(Key::Multiply), 0, 0, black},
                   {images::keyBead(Key::Multiply), 13, 6, white}};
    for (const auto& [image, x, y, colour] : samples)
        EXPECT_EQ(rgb(image, x, y), colour) << x << "," << y;

    type("<"); // the mark, on rod 1
    const QImage all = shown(&window);
    const QPoint markAt(centre(lower(1), 0).x(), centre("bar", 1).y());
    EXPECT_EQ(rgb(all, markAt.x(), markAt.y()), black);
    EXPECT_EQ(rgb(all, centre("bar", 1).x() + 100, centre("bar", 1).y()), white);
    EXPECT_EQ(rgb(all, rectOf("beam").left() + 2, rectOf("beam").bottom() - 1), white);
    EXPECT_EQ(rgb(all, 0, 0), black);
    const QRect face = rectOf(Key::Convert);
    EXPECT_EQ(rgb(all, face.left() + 3, face.top() + 3), white);
    // Labels: yellow strokes (thin ones never quite reach full yellow),
    // their edges blended only with black.
    const QRect title = rectOf("title");
    int brightest = 0;
    for (int y = title.top(); y <= title.bottom(); ++y)
        for (int x = title.left(); x <= title.right(); ++x) {
            const QRgb c = rgb(all, x, y);
            brightest = std::max(brightest, qRed(c));
            ASSERT_TRUE(qRed(c) == qGreen(c) && qBlue(c) == 0) << x << "," << y;
        }
    EXPECT_GE(brightest, 0xE0);
}

namespace {

const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString settingsInterface = QStringLiteral("org.freedesktop.portal.Settings");

// The desktop's settings portal as the test wants it, on its own connection
// to the test's private session bus.
class StandInPortal : public QDBusVirtualObject {
public:
    explicit StandInPortal(std::map<QString, QVariantMap> settings)
        : settings_(std::move(settings)),
          bus_(QDBusConnection::connectToBus(QDBusConnection::SessionBus, "stand-in")) {
        bus_.registerVirtualObject(portalPath, this);
        bus_.registerService(QStringLiteral("org.freedesktop.portal.Desktop"));
    }
    ~StandInPortal() override {
        bus_.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop"));
        bus_.unregisterObject(portalPath);
        QDBusConnection::disconnectFromBus("stand-in");
    }

    void change(const QString& space, const QString& key, const QVariant& value) {
        settings_[space][key] = value;
        QDBusMessage signal =
            QDBusMessage::createSignal(portalPath, settingsInterface, "SettingChanged");
        signal << space << key << QVariant::fromValue(QDBusVariant(value));
        bus_.send(signal);
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
        connection.send(message.createReply(QVariant::fromValue(all)));
        return true;
    }

private:
    std::map<QString, QVariantMap> settings_;
    QDBusConnection bus_;
};

} // namespace

// Runs on a private session bus (the ctest entry starts one), where the test
// plays the desktop's portal.
class ContrastDesktop : public ContrastWindow {
protected:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("RODWISE_PRIVATE_BUS"))
            GTEST_SKIP() << "needs the private session bus of its ctest entry";
        ContrastWindow::SetUp();
    }
    bool high() { return rgb(shown(at(lower(0), 0)), 0, 0) == black; }
};

// GNOME 43's portal has only the accessibility switch; a later one the
// appearance contrast, which then decides. A change repaints the board at
// once and says nothing to a screen reader; back to everyday, the window is
// what it was.
TEST_F(ContrastDesktop, FollowsTheDesktopsSetting) {
    const QImage everyday = shown(&window);
    StandInPortal portal({{"org.gnome.desktop.a11y.interface", {{"high-contrast", true}}}});
    Spy painted({QEvent::Paint});
    Heard heard;
    window.useContrast(std::nullopt);
    ASSERT_TRUE(QTest::qWaitFor([&] { return high(); }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return painted.got.count(at(lower(0), 0)) > 0; }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return painted.got.count(at("bar", 0)) > 0; }));

    portal.change("org.freedesktop.appearance", "contrast", 0u);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !high(); }));
    EXPECT_EQ(shown(&window), everyday);

    painted.got.clear();
    portal.change("org.freedesktop.appearance", "contrast", 1u);
    ASSERT_TRUE(QTest::qWaitFor([&] { return high(); }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return painted.got.count(at(upper(9), 2)) > 0; }));
    EXPECT_TRUE(heard.said.isEmpty() && heard.rods.isEmpty() && heard.notifications.isEmpty());
}

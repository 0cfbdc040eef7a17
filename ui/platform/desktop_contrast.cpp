#include "ui/platform/desktop_contrast.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QObject>

#include <optional>

namespace desktop_contrast {
namespace {

const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
const QString path = QStringLiteral("/org/freedesktop/portal/desktop");
const QString interface = QStringLiteral("org.freedesktop.portal.Settings");
const QString appearance = QStringLiteral("org.freedesktop.appearance");
const QString gnomeA11y = QStringLiteral("org.gnome.desktop.a11y.interface");
const QString gnomeInterface = QStringLiteral("org.gnome.desktop.interface");

// The settings heard so far, and what the window was last told.
class Follower : public QObject {
    Q_OBJECT
public:
    Follower(QObject* owner, std::function<void(bool)> changed)
        : QObject(owner), changed_(std::move(changed)) {}

    void take(const QString& space, const QString& key, const QVariant& value) {
        if (space == appearance && key == QLatin1String("contrast"))
            contrast_ = value.toUInt();
        else if (space == gnomeA11y && key == QLatin1String("high-contrast"))
            a11y_ = value.toBool();
        else if (space == gnomeInterface && key == QLatin1String("gtk-theme"))
            theme_ = value.toString();
    }

    // The most specific setting the desktop offers decides.
    void decide() {
        const bool high = contrast_ ? *contrast_ == 1
                          : a11y_   ? *a11y_
                          : theme_  ? theme_->startsWith(QLatin1String("HighContrast"))
                                    : false;
        if (high == told_)
            return;
        told_ = high;
        changed_(high);
    }

public Q_SLOTS:
    // SettingChanged (namespace, key, value).
    void settingChanged(const QDBusMessage& change) {
        const QList<QVariant> args = change.arguments();
        if (args.size() != 3)
            return;
        take(args[0].toString(), args[1].toString(), args[2].value<QDBusVariant>().variant());
        decide();
    }

private:
    std::function<void(bool)> changed_;
    std::optional<uint> contrast_;
    std::optional<bool> a11y_;
    std::optional<QString> theme_;
    bool told_ = false;
};

// ReadAll's answer, a{sa{sv}}: each namespace asked for with its keys.
void takeAll(Follower& follower, const QDBusArgument& all) {
    all.beginMap();
    while (!all.atEnd()) {
        QString space;
        QVariantMap values;
        all.beginMapEntry();
        all >> space >> values;
        all.endMapEntry();
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            follower.take(space, it.key(), it.value());
    }
    all.endMap();
}

} // namespace

void follow(QObject* owner, std::function<void(bool high)> changed) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    auto* follower = new Follower(owner, std::move(changed));
    // Listening first, so that no change between the question and its answer
    // is missed.
    bus.connect(service, path, interface, QStringLiteral("SettingChanged"), follower,
                SLOT(settingChanged(QDBusMessage)));
    // ReadAll, not ReadOne: GNOME 43's portal predates ReadOne, and one
    // question covers the three places the setting may be.
    QDBusMessage ask =
        QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("ReadAll"));
    ask << QStringList{appearance, gnomeA11y, gnomeInterface};
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(ask), follower);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, follower,
                     [follower](QDBusPendingCallWatcher* call) {
                         call->deleteLater();
                         const QDBusMessage reply = call->reply();
                         if (reply.type() != QDBusMessage::ReplyMessage ||
                             reply.arguments().size() != 1)
                             return;
                         takeAll(*follower, reply.arguments().at(0).value<QDBusArgument>());
                         follower->decide();
                     });
}

} // namespace desktop_contrast

#include "desktop_contrast.moc"

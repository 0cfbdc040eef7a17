#pragma once

#include <QAccessible>
#include <QStringList>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

// A message said assertively, interrupting the screen reader: marked "!" where
// Qt tells the politeness (6.8 and later), as Heard records it.
inline QString assertive(const QString& message) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    return u'!' + message;
#else
    return message;
#endif
}

// What assistive technology is told, as Qt's accessibility API tells it: the
// announcements (with Qt 6.8 an announcement event, "!" before an assertive
// one; before it a notification that appears, read as Orca 43 reads it: its
// name, after its role unless it lies in a status bar), the object that takes
// the focus, and the rods whose name changes with their digit ("Rod 3, 7").
class Heard {
public:
    Heard() {
        current() = this;
        // As when a screen reader listens: Qt tells of changes only then.
        platform()->setActive(true);
        QAccessible::installUpdateHandler(&Heard::record);
    }
    ~Heard() {
        QAccessible::installUpdateHandler(nullptr);
        platform()->setActive(false);
        current() = nullptr;
    }
    Heard(const Heard&) = delete;
    Heard& operator=(const Heard&) = delete;

    void clear() {
        said = focus = rods = {};
        notifications = {};
    }

    QStringList said, focus, rods;
    // The notifications that appeared, in turn: Orca reads each one's text
    // when it gets to it, maybe after the next message.
    QList<QAccessibleInterface*> notifications;

private:
    static QPlatformAccessibility* platform() {
        return QGuiApplicationPrivate::platformIntegration()->accessibility();
    }
    static Heard*& current() {
        static Heard* heard = nullptr;
        return heard;
    }
    static void record(QAccessibleEvent* event) {
        Heard* heard = current();
        QAccessibleInterface* iface = event->accessibleInterface();
        if (!heard || !iface)
            return;
        const QString name = iface->text(QAccessible::Name);
        switch (event->type()) {
        case QAccessible::ObjectShow:
            if (iface->role() == QAccessible::Notification) {
                const bool plain = iface->parent()->role() == QAccessible::StatusBar;
                heard->said << (plain ? name : "notification " + name);
                heard->notifications << iface;
            }
            break;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        case QAccessible::Announcement: {
            const auto* announcement = static_cast<QAccessibleAnnouncementEvent*>(event);
            const bool interrupts =
                announcement->politeness() == QAccessible::AnnouncementPoliteness::Assertive;
            heard->said << (interrupts ? "!" : "") + announcement->message();
            break;
        }
#endif
        case QAccessible::Focus:
            heard->focus << name;
            break;
        case QAccessible::NameChanged:
            if (iface->role() == QAccessible::SpinBox)
                heard->rods << name;
            break;
        default:
            break;
        }
    }
};

#include "ui/assistive/speech.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>
#include <QtGlobal>

namespace speech {

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

void say(QWidget* window, const QString& message, Politeness politeness) {
    QAccessibleAnnouncementEvent announcement(window, message);
    announcement.setPoliteness(politeness == Politeness::Assertive
                                   ? QAccessible::AnnouncementPoliteness::Assertive
                                   : QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&announcement);
}

#else

namespace {

// A hidden widget whose accessible role is a notification, read as its
// accessible name.
class Announcer : public QWidget {
public:
    explicit Announcer(QWidget* window) : QWidget(window) {
        setObjectName(QStringLiteral("Announcer"));
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }
};

class Notification : public QAccessibleWidget {
public:
    explicit Notification(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Notification) {}
};

QAccessibleInterface* notifications(const QString&, QObject* object) {
    if (auto* announcer = dynamic_cast<Announcer*>(object))
        return new Notification(announcer);
    return nullptr;
}

} // namespace

// A notification has no urgency of its own: every message is read in turn.
void say(QWidget* window, const QString& message, Politeness) {
    static const bool installed = [] {
        QAccessible::installFactory(notifications);
        return true;
    }();
    (void)installed;
    // By name: without a meta-object of its own, any widget passes for an
    // Announcer in findChild's cast.
    auto* announcer = dynamic_cast<Announcer*>(
        window->findChild<QWidget*>(QStringLiteral("Announcer"), Qt::FindDirectChildrenOnly));
    if (!announcer)
        announcer = new Announcer(window);
    // A notification is read when it appears. The widget itself stays hidden:
    // shown, it would be read again in a review of the window, and nothing of
    // it needs drawing.
    announcer->setAccessibleName(message);
    QAccessibleEvent appears(announcer, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&appears);
}

#endif

} // namespace speech

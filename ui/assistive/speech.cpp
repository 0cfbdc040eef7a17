#include "ui/assistive/speech.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>
#include <QtGlobal>

#include <array>
#include <cstddef>

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

// Orca 43 reads a notification that appears with its role first
// ("notification 7"), save one that lies in a status bar: that one it reads
// as its text alone, as it reads a program's status messages. So a message
// is given to a hidden notification in a hidden status bar of the window's
// own.
class Notification : public QWidget {
public:
    explicit Notification(QWidget* statusBar) : QWidget(statusBar) {}
};

// Orca reads a notification's text when it gets to the event, and of two
// events of one notification still waiting it reads only the later. So
// messages go to eight notifications in turn: a message keeps its text until
// the eighth after it, however quickly they come.
class StatusBar : public QWidget {
public:
    explicit StatusBar(QWidget* window) : QWidget(window) {
        setObjectName(QStringLiteral("Announcements"));
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        for (Notification*& notification : notifications_)
            notification = new Notification(this);
        hide();
    }
    Notification* next() {
        next_ = (next_ + 1) % notifications_.size();
        return notifications_[next_];
    }

private:
    std::array<Notification*, 8> notifications_{};
    std::size_t next_ = 0;
};

QAccessibleInterface* announcements(const QString&, QObject* object) {
    if (auto* statusBar = dynamic_cast<StatusBar*>(object))
        return new QAccessibleWidget(statusBar, QAccessible::StatusBar);
    if (auto* notification = dynamic_cast<Notification*>(object))
        return new QAccessibleWidget(notification, QAccessible::Notification);
    return nullptr;
}

} // namespace

// A program cannot tell Orca 43 how urgent a message is, and Orca 48 does not
// weigh an announcement's politeness either: both read messages in turn, and
// cut short what they are saying at every key press and click, before the
// program gets it. A refusal, which always follows one, thus interrupts here
// as it does with Qt 6.8.
void say(QWidget* window, const QString& message, Politeness) {
    static const bool installed = [] {
        QAccessible::installFactory(announcements);
        return true;
    }();
    (void)installed;
    // By name: without a meta-object of its own, any widget passes for a
    // StatusBar in findChild's cast.
    auto* statusBar = dynamic_cast<StatusBar*>(
        window->findChild<QWidget*>(QStringLiteral("Announcements"), Qt::FindDirectChildrenOnly));
    if (!statusBar)
        statusBar = new StatusBar(window);
    // A notification is read when it appears. It stays hidden, as its status
    // bar does: shown, the message would be read again in a review of the
    // window, and nothing of it needs drawing.
    Notification* notification = statusBar->next();
    notification->setAccessibleName(message);
    QAccessibleEvent appears(notification, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&appears);
}

#endif

} // namespace speech

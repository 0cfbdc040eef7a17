#pragma once

class QString;
class QWidget;

// The one way the window speaks to a screen reader: a result, a refusal, the
// state after a clear. Qt 6.4 has no announcement event (Qt 6.8 brings
// QAccessibleAnnouncementEvent) and its AT-SPI bridge drops QAccessible::Alert,
// so the message is given to a hidden notification that shows itself; screen
// readers read a notification when it appears. Only this file knows how.
namespace speech {

// Hands message to assistive technology, if any listens, and returns at once.
void say(QWidget* window, const QString& message);

} // namespace speech

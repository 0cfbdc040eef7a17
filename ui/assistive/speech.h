#pragma once

class QString;
class QWidget;

// The one way the window speaks to a screen reader: a result, a refusal, the
// state after a clear. With Qt 6.8 or newer the message goes out as an
// announcement. Qt 6.4 has no announcement event and its AT-SPI bridge drops
// QAccessible::Alert, so there the message is given to a hidden notification
// in a hidden status bar that shows itself: screen readers read a
// notification when it appears, and Orca 43 reads one in a status bar without
// its role. Which of the two is chosen when the program is built, in this
// file alone.
namespace speech {

// How a message takes its turn: a polite one waits until the screen reader
// has finished what it is saying, an assertive one interrupts it.
enum class Politeness { Polite, Assertive };

// Hands message to assistive technology, if any listens, and returns at once.
void say(QWidget* window, const QString& message, Politeness politeness = Politeness::Polite);

} // namespace speech

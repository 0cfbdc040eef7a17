#pragma once

#include "calc/shown_number.h"
#include "ui/widgets/board_keys.h"
#include "ui/widgets/layout.h"
#include "ui/window/window.h"

#include <QAccessible>
#include <QClipboard>
#include <QStringList>
#include <QTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>

// Lets a failing test show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// WCAG 2.1's relative luminance and contrast ratio.
inline double luminance(QRgb c) {
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}
inline double contrast(QRgb a, QRgb b) {
    return (std::max(luminance(a), luminance(b)) + 0.05) /
           (std::min(luminance(a), luminance(b)) + 0.05);
}

// Records which objects receive events of the given types.
struct Spy : QObject {
    explicit Spy(std::set<QEvent::Type> types) : types(types) { qApp->installEventFilter(this); }
    bool eventFilter(QObject* object, QEvent* event) override {
        if (types.count(event->type()))
            got.insert(object);
        return false;
    }
    std::set<QEvent::Type> types;
    std::multiset<QObject*> got;
};

// A widget as drawn.
inline QImage shown(QWidget* widget) {
    QImage image(widget->size(), QImage::Format_RGB32);
    widget->render(&image);
    return image;
}

// Typed characters, to the window's focus widget: "<" and ">" are Left and
// Right, "\t" Tab and "\b" Backtab, "\r" Return, "\n" the keypad's Enter,
// "!" Escape.
inline void typeInto(QWidget& window, std::string_view keys) {
    constexpr std::string_view named = "<>\t\b\r\n!";
    const Qt::Key codes[] = {Qt::Key_Left,   Qt::Key_Right, Qt::Key_Tab,   Qt::Key_Backtab,
                             Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape};
    for (char c : keys)
        if (const auto n = named.find(c); n != named.npos)
            QTest::keyClick(window.windowHandle(), codes[n],
                            c == '\n' ? Qt::KeypadModifier : Qt::NoModifier);
        else
            QTest::keyClick(window.windowHandle(), c);
}

// The calculator's window, shown and active, with input as the window system
// delivers it: a click at a point of the window to whatever widget lies
// there, keys to the focus widget.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.ringBell = [this] { ++bells; };
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QString lower(int rod) { return QStringLiteral("lowerDeck%1").arg(rod); }
    QString upper(int rod) { return QStringLiteral("upperDeck%1").arg(rod); }
    QWidget* at(const QString& name, int index = -1) {
        if (QWidget* widget = window.control(name, index))
            return widget;
        throw std::invalid_argument("no control " + name.toStdString());
    }
    QRect rectOf(const QString& name, int index = -1) {
        return QRect(at(name, index)->mapTo(&window, QPoint(0, 0)), at(name, index)->size());
    }
    QPoint centre(const QString& name, int index = -1) { return rectOf(name, index).center(); }
    QWidget* at(Key key) { return at("key", static_cast<int>(key)); }
    QRect rectOf(Key key) { return rectOf("key", static_cast<int>(key)); }
    QPoint centre(Key key) { return rectOf(key).center(); }
    // What a screen reader is given for an object.
    static QAccessibleInterface* reader(QObject* object) {
        return QAccessible::queryAccessibleInterface(object);
    }

    void click(const QString& name, int index = -1, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(window.windowHandle(), button, {}, centre(name, index));
    }
    void click(Key key) { click("key", static_cast<int>(key)); }
    // A paste of text, by Ctrl+V or another key sequence.
    void paste(const QString& text, QKeySequence keys = QKeySequence::Paste) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keySequence(window.windowHandle(), keys);
    }
    // Typed characters (see typeInto above).
    void type(std::string_view keys) { typeInto(window, keys); }
    // The number on the rods, as "*" would take it, and the beeps so far.
    std::string board() { return window.calculator().calculation.boardNumber(); }
    int beeps() { return bells; }
    // The pending repaint, now, as the event loop would run it.
    void repaint() {
        QEvent request(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(&window, &request);
    }

    Window window;
    int bells = 0;
};

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
// the focus, the rods whose name changes with their digit ("Rod 3, 7"), and
// the board's number their description reads, told with it.
class Heard {
public:
    Heard() {
        current = this;
        // As when a screen reader listens: Qt tells of changes only then.
        platform()->setActive(true);
        QAccessible::installUpdateHandler(&Heard::record);
    }
    ~Heard() {
        QAccessible::installUpdateHandler(nullptr);
        platform()->setActive(false);
        current = nullptr;
    }
    Heard(const Heard&) = delete;
    Heard& operator=(const Heard&) = delete;

    void clear() {
        said = focus = rods = boardReads = {};
        notifications = {};
    }

    QStringList said, focus, rods, boardReads;
    // The notifications that appeared, in turn: Orca reads each one's text
    // when it gets to it, maybe after the next message.
    QList<QAccessibleInterface*> notifications;

private:
    static QPlatformAccessibility* platform() {
        return QGuiApplicationPrivate::platformIntegration()->accessibility();
    }
    // The one that listens now: Qt's handler is a plain function.
    inline static Heard* current = nullptr;
    static void record(QAccessibleEvent* event) {
        QAccessibleInterface* iface = event->accessibleInterface();
        if (!current || !iface)
            return;
        const QString name = iface->text(QAccessible::Name);
        switch (event->type()) {
        case QAccessible::ObjectShow:
            if (iface->role() == QAccessible::Notification) {
                const bool plain = iface->parent()->role() == QAccessible::StatusBar;
                current->said << (plain ? name : "notification " + name);
                current->notifications << iface;
            }
            break;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        case QAccessible::Announcement: {
            const auto* announcement = static_cast<QAccessibleAnnouncementEvent*>(event);
            const bool interrupts =
                announcement->politeness() == QAccessible::AnnouncementPoliteness::Assertive;
            current->said << (interrupts ? "!" : "") + announcement->message();
            break;
        }
#endif
        case QAccessible::Focus:
            current->focus << name;
            break;
        case QAccessible::NameChanged:
            if (iface->role() == QAccessible::SpinBox)
                current->rods << name;
            break;
        case QAccessible::DescriptionChanged:
            if (iface->role() == QAccessible::SpinBox)
                current->boardReads << iface->text(QAccessible::Description);
            break;
        default:
            break;
        }
    }
};

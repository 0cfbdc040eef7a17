#pragma once

#include "ui/widgets/board_keys.h"
#include "ui/widgets/layout.h"
#include "ui/window/window.h"

#include <QTest>

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>

// Lets a failing test show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
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

// A widget as drawn at a device pixel ratio.
inline QImage shown(QWidget* widget, double ratio = 1) {
    QImage image(widget->size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    widget->render(&image);
    image.setDevicePixelRatio(1);
    return image;
}

// The calculator's window, shown and active, with input as the window system
// delivers it: a click at a point of the window to whatever widget lies
// there, keys to the focus widget.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
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

    void click(const QString& name, int index = -1, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(window.windowHandle(), button, {}, centre(name, index));
    }
    void click(Key key) {
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, centre(key));
    }
    // Typed characters: "<" and ">" are Left and Right, "\t" Tab and "\b"
    // Backtab, "\r" Return, "\n" the keypad's Enter, "!" Escape.
    void type(std::string_view keys) {
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
    // The pending repaint, now, as the event loop would run it.
    void repaint() {
        QEvent request(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(&window, &request);
    }

    Window window;
};

#include "ui/window.h"

#include <QTest>

#include <gtest/gtest.h>

#include <set>

namespace {

class PaintSpy : public QObject {
public:
    std::multiset<QObject*> painted;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted.insert(object);
        return false;
    }
};

// The pending repaint, now, as the event loop would run it.
void repaint(Window& window) {
    QEvent request(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(&window, &request);
}

TEST(Repaint, APressRepaintsOnlyTheCellsItChanges) {
    Window window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    repaint(window);
    QWidget* cell3 = window.control(u"Pic3", 3);
    QWidget* cell0 = window.control(u"Pic3", 0); // rod 3 at 0: the gap by the beam
    PaintSpy spy;
    qApp->installEventFilter(&spy);

    QTest::mouseClick(cell3, Qt::LeftButton); // the gap moves to cell 3
    repaint(window);
    EXPECT_EQ(spy.painted, (std::multiset<QObject*>{cell0, cell3}));

    spy.painted.clear();
    QTest::mouseClick(cell3, Qt::LeftButton); // the gap is there already
    repaint(window);
    EXPECT_TRUE(spy.painted.empty());
}

} // namespace

// Press-to-repaint of the window under the offscreen platform: one mouse press
// on a bead cell, delivered to the cell as the window delivers it, then the
// repaint that the press asked for, until the changed widgets have painted and
// the window's backing store is flushed. The "painted" counter is the number of
// widgets that painted per press: only the changed cells of the pressed rod.

#include "ui/widgets/layout.h"
#include "ui/window/lesson_strip.h"
#include "ui/window/window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <set>

namespace {

Window* window = nullptr;

// Counts the paint events of every widget, and names the widgets that painted.
class PaintCounter : public QObject {
public:
    int count = 0;
    std::set<QString> painted;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++count;
            painted.insert(object->objectName() + "(" + object->property("index").toString() + ")");
        }
        return false;
    }
};

// Stops counting, and reports the widgets painted per iteration and their names.
void report(benchmark::State& state, PaintCounter& counter) {
    qApp->removeEventFilter(&counter);
    state.counters["painted"] =
        benchmark::Counter(counter.count, benchmark::Counter::kAvgIterations);
    QStringList names;
    for (const QString& name : counter.painted)
        names << name;
    state.SetLabel(names.isEmpty() ? "nothing painted" : names.join(' ').toStdString());
}

QWidget* cell(Deck deck, int rod, int index) {
    const std::string_view name = layout::deckName(deck, rod);
    return window->control(QString::fromUtf8(name.data(), qsizetype(name.size())), index);
}

// Runs the posted repaint now, as the event loop would: the dirty widgets
// paint into the backing store, which is then flushed.
void repaint() {
    QEvent request(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(window, &request);
}

// A mouse press in the middle of the widget, as the window delivers it.
void deliverPress(QWidget* target, Qt::MouseButton button) {
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QMouseEvent event(QEvent::MouseButtonPress, at, target->mapToGlobal(at), button, button,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

void press(QWidget* target, Qt::MouseButton button) {
    deliverPress(target, button);
    repaint();
}

struct Press {
    Deck deck;
    int index;
    Qt::MouseButton button;
};

// Presses the given cells of `rod` in turn, over and over, each by
// `pressOnce`, after a round that reaches the steady state; counts what paints.
template <typename PressOnce>
void cycle(benchmark::State& state, int rod, std::initializer_list<Press> presses,
           PressOnce pressOnce) {
    std::vector<std::pair<QWidget*, Qt::MouseButton>> targets;
    for (const Press& p : presses)
        targets.emplace_back(cell(p.deck, rod, p.index), p.button);
    for (const auto& [target, button] : targets)
        pressOnce(target, button);

    PaintCounter counter;
    qApp->installEventFilter(&counter);
    std::size_t next = 0;
    for (auto _ : state) {
        pressOnce(targets[next].first, targets[next].second);
        next = (next + 1) % targets.size();
    }
    report(state, counter);
}

// Presses the given cells of rod 4 on a cleared board.
void run(benchmark::State& state, std::initializer_list<Press> presses) {
    window->calculator().calculation.press(Key::Clear); // a cleared board
    window->sync();
    repaint();
    cycle(state, 4, presses, press);
}

// The gap of the lower deck moves: two cells change.
void lowerDeck(benchmark::State& state) {
    run(state, {{Deck::Lower, 1, Qt::LeftButton}, {Deck::Lower, 3, Qt::LeftButton}});
}

// A lower deck press, a press taking the 5 away, and a right press that sets
// the lower deck and puts the 5 back: two, two and four cells change.
void bothDecks(benchmark::State& state) {
    run(state, {{Deck::Lower, 1, Qt::LeftButton},
                {Deck::Upper, 0, Qt::LeftButton},
                {Deck::Lower, 4, Qt::RightButton}});
}

// A press on the gap where it already is changes nothing.
void noChange(benchmark::State& state) {
    run(state, {{Deck::Lower, 2, Qt::LeftButton}});
}

// Ctrl+Z and Ctrl+Y in turn after a lower deck press, each answered and
// repainted: the two cells whose picture the undo or redo changes, and no
// other widget.
void undoRedo(benchmark::State& state) {
    window->calculator().calculation.press(Key::Clear);
    window->sync();
    repaint();
    press(cell(Deck::Lower, 4, 3), Qt::LeftButton);
    PaintCounter counter;
    qApp->installEventFilter(&counter);
    bool undo = true;
    for (auto _ : state) {
        QKeyEvent key(QEvent::KeyPress, undo ? Qt::Key_Z : Qt::Key_Y, Qt::ControlModifier);
        QCoreApplication::sendEvent(window, &key);
        repaint();
        undo = !undo;
    }
    report(state, counter);
}

void key(QObject* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(target, &event);
}

// A lesson on a cleared board, as the learner begins it: Ctrl+L, "27+45" in
// the exercise line and Enter; its first step, setting 27, is under way.
void beginLesson() {
    window->calculator().calculation.press(Key::Clear);
    window->sync();
    key(window, Qt::Key_L, Qt::ControlModifier);
    QLineEdit* line = window->lessonStrip()->exerciseLine();
    line->setText(QStringLiteral("27+45"));
    key(line, Qt::Key_Return);
    QCoreApplication::processEvents(); // the window laid out at its new size
    repaint();
}

// Escape: the lesson ends, the strip closes and the window shrinks back.
void endLesson() {
    key(window, Qt::Key_Escape);
    QCoreApplication::processEvents();
    repaint();
}

// Presses on rod `rod` in a lesson, each checked by the lesson and answered
// by the window (its strip, the rods' descriptions, what is said), then every
// event the answer posted (the strip's layout requests among them) and the
// repaint.
void runInLesson(benchmark::State& state, int rod, std::initializer_list<Press> presses) {
    beginLesson();
    cycle(state, rod, presses, [](QWidget* target, Qt::MouseButton button) {
        deliverPress(target, button);
        QCoreApplication::sendPostedEvents();
        repaint();
    });
    endLesson();
}

// Setting 27: one and two beads on the tens rod in turn, both on the way, so
// the lesson has nothing to say and only the cells repaint.
void lessonOnTheWay(benchmark::State& state) {
    runInLesson(state, 1, {{Deck::Lower, 1, Qt::LeftButton}, {Deck::Lower, 2, Qt::LeftButton}});
}

// Setting 27: a bead on rod 4, a miss that the strip shows and the speech
// seam says, then taken off again, back on the way, the miss cleared. The
// hint's rings, drawn after the second miss, stay until the step is done.
void lessonMissAndBack(benchmark::State& state) {
    runInLesson(state, 4, {{Deck::Lower, 1, Qt::LeftButton}, {Deck::Lower, 0, Qt::LeftButton}});
}

// The same at 400 %: each cell 132 x 72 pixels, drawn once per size.
void lowerDeckAt400(benchmark::State& state) {
    window->setZoom(400);
    lowerDeck(state);
    window->setZoom(100);
}

// One zoom step, every control moved and the window painted whole: up through
// the steps to 400 % and down again, each step once its pictures and fonts
// exist.
void zoomStep(benchmark::State& state) {
    std::vector<int> steps(layout::zoomSteps.begin(), layout::zoomSteps.end());
    steps.insert(steps.end(), layout::zoomSteps.rbegin() + 1, layout::zoomSteps.rend() - 1);
    for (const int step : steps) // draws each size's pictures and fits its fonts
        window->setZoom(step);
    std::size_t next = 0;
    for (auto _ : state) {
        window->setZoom(steps[next]);
        repaint();
        next = (next + 1) % steps.size();
    }
    window->setZoom(100);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Window w;
    window = &w;
    w.show();
    QCoreApplication::processEvents();
    repaint();

    benchmark::RegisterBenchmark("press to repaint/lower deck, 2 cells", lowerDeck)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("press to repaint/both decks, 2, 2 and 4 cells", bothDecks)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("press to repaint/no change", noChange)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("press to repaint/lower deck at 400 %, 2 cells", lowerDeckAt400)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("lesson press to repaint/on the way, 2 cells", lessonOnTheWay)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("lesson press to repaint/a miss and back, 2 cells and the news",
                                 lessonMissAndBack)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("undo or redo to repaint/lower deck, 2 cells", undoRedo)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("zoom step to repaint, 100 to 400 % and back", zoomStep)
        ->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

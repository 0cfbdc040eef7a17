// Lessons in adding and subtracting on the beads: the strip, the words heard,
// the misses, the hint's rings and the rods' descriptions.

#include "tests/widget/window_fixture.h"
#include "tests/worked_lessons.h"
#include "ui/assistive/lesson_words.h"
#include "ui/widgets/palette.h"
#include "ui/widgets/widgets.h"
#include "ui/window/lesson_strip.h"
#include "ui/window/tape_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

class LessonTest : public WindowTest {
protected:
    // Ctrl+L, the exercise and Enter.
    void begin(const char* exercise) {
        QTest::keyClick(window.windowHandle(), Qt::Key_L, Qt::ControlModifier);
        type(exercise);
        type("\r");
    }
    Picture* cell(Deck deck, int rod, int index) {
        return static_cast<Picture*>(at(deck == Deck::Upper ? upper(rod) : lower(rod), index));
    }
    // The cells ringed, as "rod:deck:cell" ("1u0" is rod 1's upper cell 0).
    QStringList ringed() {
        QStringList marked;
        for (int rod = 0; rod < rodCount; ++rod)
            for (const auto& [deck, cells, letter] :
                 {std::tuple{Deck::Upper, upperCellCount, 'u'}, {Deck::Lower, lowerCellCount, 'l'}})
                for (int c = 0; c < cells; ++c)
                    if (cell(deck, rod, c)->marked())
                        marked << QStringLiteral("%1%2%3").arg(rod).arg(letter).arg(c);
        return marked;
    }
    QString rodDescription(int rod) {
        return reader(window.board())->child(rod)->text(QAccessible::Description);
    }
};

// Each step's words, for the lessons worked by hand.
TEST(LessonWords, EachStepNamesItsPlaceAndItsMoves) {
    for (const WorkedLesson& w : workedLessons) {
        const auto exercise = std::get<lesson::Exercise>(lesson::readExercise(w.text, w.base));
        const std::vector<lesson::Step> steps = lesson::stepsOf(exercise, {});
        ASSERT_EQ(steps.size(), w.steps.size());
        for (std::size_t i = 0; i < steps.size(); ++i)
            EXPECT_EQ(lesson_words::step(steps[i], exercise), w.steps[i].words);
    }
}

// 27 + 45 by the mouse: the steps heard as they begin, two misses and the
// hint's rings (repainted, in both palettes) and words, a press on the way
// unheard, the end on the strip and the tape; no bell throughout.
TEST_F(LessonTest, ByBeadPressesWithMissesAndAHint) {
    const Heard heard;
    begin("27+45");
    LessonStrip* strip = window.lessonStrip();
    ASSERT_TRUE(strip->isVisible());
    EXPECT_EQ(window.height(), 280 + 100);
    EXPECT_EQ(heard.said.last(), "Lesson: 27 + 45. Set 27 on the rods.");
    click(lower(1), 2);
    click(upper(0), 1);
    click(lower(0), 2);
    EXPECT_EQ(heard.said.last(), "Tens: add 4. Put down the upper bead, take off one lower bead.");
    EXPECT_EQ(strip->stepLabel()->text(), heard.said.last());
    click(lower(1), 3);
    EXPECT_EQ(heard.said.last(), "Expected 6 on the tens rod; it shows 3.");
    EXPECT_EQ(strip->newsLabel()->text(), heard.said.last());
    EXPECT_EQ(ringed(), QStringList());
    const Spy painted({QEvent::Paint});
    click(lower(2), 1);
    repaint();
    EXPECT_EQ(heard.said.last(),
              "Expected 0 on the hundreds rod; it shows 1. The beads to move are marked.");
    EXPECT_EQ(ringed(), QStringList({"1u0", "1u1", "1l1", "1l2"}));
    for (const auto& [deck, c] : {std::pair{Deck::Upper, 0}, {Deck::Upper, 1}, {Deck::Lower, 1}})
        EXPECT_EQ(painted.got.count(cell(deck, 1, c)), 1u);
    EXPECT_TRUE(heard.boardReads.contains(rodDescription(1))); // told
    EXPECT_EQ(rodDescription(1), "The board reads 137. To move: Put down the upper bead, take "
                                 "off one lower bead.");
    EXPECT_EQ(rodDescription(0), "The board reads 137");
    // In either palette every colour of a ringed cell meets the ring's outer
    // or its inner line at least 3 : 1.
    for (const bool high : {true, false}) {
        window.useContrast(high);
        const QImage ringedCell = shown(cell(Deck::Lower, 1, 1));
        const QImage plainCell = shown(cell(Deck::Lower, 3, 1));
        const QRgb outer = ringedCell.pixel(0, ringedCell.height() / 2) & 0xFFFFFF;
        const QRgb inner = ringedCell.pixel(3, ringedCell.height() / 2) & 0xFFFFFF;
        EXPECT_EQ(outer, ringedCell.pixel(ringedCell.width() / 2, 1) & 0xFFFFFF);
        EXPECT_EQ(std::pair(outer, inner),
                  high ? std::pair(0xFFFFFFu, 0u) : std::pair(0x80u, 0xFFFFFFu));
        for (int y = 0; y < plainCell.height(); ++y)
            for (int x = 0; x < plainCell.width(); ++x) {
                const QRgb around = plainCell.pixel(x, y) & 0xFFFFFF;
                EXPECT_GE(std::max(contrast(outer, around), contrast(inner, around)), 3.0)
                    << high << " " << std::hex << around;
            }
    }
    click(lower(2), 0);
    const qsizetype heardBefore = heard.said.size();
    click(lower(1), 1); // back on the way: nothing more is said
    EXPECT_EQ(heard.said.size(), heardBefore);
    EXPECT_EQ(strip->newsLabel()->text(), "");
    click(upper(1), 1);
    EXPECT_EQ(ringed(), QStringList());
    click(upper(0), 0);
    click(lower(1), 2);
    EXPECT_EQ(heard.said.last(), "27 + 45 = 72. Steps: 3, hints: 1.");
    EXPECT_EQ(strip->stepLabel()->text(), heard.said.last());
    EXPECT_EQ(board(), "72");
    EXPECT_EQ(beeps(), 0);
    window.toggleTape();
    EXPECT_EQ(reader(window.tapeWindow()->list())->child(0)->text(QAccessible::Name),
              "27 + 45 = 72");
}

// A wrong exercise, answered on the strip and heard, with nothing begun;
// then 100 − 58 by typed digits alone: Ctrl+Z takes a miss back without a
// word of the lesson's, and Escape leaves the answer on the rods. In
// hexadecimal mode an exercise is read in hexadecimal.
TEST_F(LessonTest, ByTypedDigitsWithUndoAndEscape) {
    const Heard heard;
    begin("3-4");
    EXPECT_EQ(window.lessonStrip()->newsLabel()->text(), "The answer would be below zero.");
    EXPECT_EQ(heard.said.last(), window.lessonStrip()->newsLabel()->text());
    EXPECT_TRUE(!window.calculator().lesson() && window.lessonStrip()->exerciseLine()->hasFocus());
    type("!"); // no lesson to end: the strip closes without a word
    EXPECT_FALSE(window.lessonStrip()->isVisible());
    EXPECT_EQ(heard.said.last(), "The answer would be below zero.");
    begin("100-58");
    EXPECT_TRUE(window.board()->hasFocus());
    type("<<1");
    EXPECT_EQ(heard.said.last(), "Tens: subtract 5. Borrow 1 from the hundreds, give back 5.");
    type(">5<0");
    EXPECT_EQ(heard.said.last(), "Units: subtract 8. Borrow 1 from the tens, give back 2. Tens: "
                                 "subtract 1. Put up 4 lower beads, take off the upper bead.");
    type(">9"); // tens: the upper bead stays, 4 lower beads go up: on the way
    EXPECT_EQ(heard.said.last(), "9");
    type(">3");
    EXPECT_EQ(heard.said.last(), "Expected 2 on the units rod; it shows 3.");
    QTest::keyClick(window.windowHandle(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(heard.said.last(), "Undone. The board reads 90");
    EXPECT_EQ(window.lessonStrip()->newsLabel()->text(), ""); // back on the way
    type("2<4");
    EXPECT_EQ(heard.said.last(), "100 − 58 = 42. Steps: 3, hints: 0.");
    type("!");
    EXPECT_EQ(heard.said.last(), "Lesson ended.");
    EXPECT_FALSE(window.lessonStrip()->isVisible());
    EXPECT_EQ(window.height(), 280);
    EXPECT_EQ(board(), "42");
    type("!"); // outside a lesson Escape clears, as ever
    EXPECT_EQ(board(), "0");
    window.key(Key::Hexadecimal)->click();
    begin("F+1");
    EXPECT_EQ(heard.said.last(), "Lesson: F + 1. Set F on the rods.");
}

} // namespace

#include "ui/assistive/lesson_words.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace lesson_words {
namespace {

class LessonWords {
    Q_DECLARE_TR_FUNCTIONS(LessonWords)
};

using lesson::Rule;
using lesson::Sign;

QString written(std::uint64_t number, int base) {
    return QString::fromStdString(lesson::written(number, base));
}

// A place by its rod, as a sentence names it after "the" or alone.
QString placeName(int rod, int base) {
    static const std::array<const char*, rodCount> decimal{
        QT_TRANSLATE_NOOP("LessonWords", "units"),
        QT_TRANSLATE_NOOP("LessonWords", "tens"),
        QT_TRANSLATE_NOOP("LessonWords", "hundreds"),
        QT_TRANSLATE_NOOP("LessonWords", "thousands"),
        QT_TRANSLATE_NOOP("LessonWords", "ten thousands"),
        QT_TRANSLATE_NOOP("LessonWords", "hundred thousands"),
        QT_TRANSLATE_NOOP("LessonWords", "millions"),
        QT_TRANSLATE_NOOP("LessonWords", "ten millions"),
        QT_TRANSLATE_NOOP("LessonWords", "hundred millions"),
        QT_TRANSLATE_NOOP("LessonWords", "billions")};
    if (base == 10 || rod == 0)
        return LessonWords::tr(decimal.at(std::size_t(rod)));
    //: A hexadecimal place: the 16s, the 256s.
    return LessonWords::tr("%1s").arg(std::uint64_t(1) << (4 * rod));
}

// Sentences one after the other: a space between them in English, none in
// Chinese.
QString joined(const QStringList& sentences) {
    QString text = sentences.value(0);
    for (qsizetype i = 1; i < sentences.size(); ++i)
        //: Two sentences, one after the other.
        text = LessonWords::tr("%1 %2").arg(text, sentences.at(i));
    return text;
}

QString capitalized(QString text) {
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

QString beads(int change, const char* one, const char* many) {
    return std::abs(change) == 1 ? LessonWords::tr(one)
                                 : LessonWords::tr(many).arg(std::abs(change));
}

QString upperMove(int change) {
    if (change > 0)
        return change == 5 ? LessonWords::tr("put down the upper bead")
                           : LessonWords::tr("put down both upper beads");
    return change == -5 ? LessonWords::tr("take off the upper bead")
                        : LessonWords::tr("take off both upper beads");
}

QString lowerMove(int change) {
    return change > 0 ? beads(change, QT_TRANSLATE_NOOP("LessonWords", "put up one lower bead"),
                              QT_TRANSLATE_NOOP("LessonWords", "put up %1 lower beads"))
                      : beads(change, QT_TRANSLATE_NOOP("LessonWords", "take off one lower bead"),
                              QT_TRANSLATE_NOOP("LessonWords", "take off %1 lower beads"));
}

// The moves of one rule on one rod, in the order the rule makes them.
QStringList moves(const lesson::RodMove& move, Sign sign, int base) {
    QStringList decks;
    if (move.upperChange != 0)
        decks << upperMove(move.upperChange);
    if (move.lowerChange != 0)
        decks << lowerMove(move.lowerChange);
    // Lower beads put up before the upper bead comes off: 七上二去五进一.
    if (move.lowerChange > 0 && move.upperChange < 0)
        std::reverse(decks.begin(), decks.end());
    const QString left = placeName(move.rod + 1, base);
    if (move.rule == Rule::WithBase)
        decks = {sign == Sign::Plus
                     ? LessonWords::tr("take off %1").arg(written(base - move.digit, base))
                     : LessonWords::tr("give back %1").arg(written(base - move.digit, base))};
    if (!move.reachesLeft())
        return decks;
    if (sign == Sign::Plus)
        return decks << LessonWords::tr("carry 1 to the %1").arg(left);
    return QStringList{LessonWords::tr("borrow 1 from the %1").arg(left)} + decks;
}

// A decimal rule's rhyme where the language has one; the moves otherwise.
// A translation of "{moves}" fills in {d}, the digit, and {n}, the rule's
// other number, as the rhymes say numbers.
QString rule(const lesson::RodMove& move, Sign sign, int base) {
    const QString said = LessonWords::tr("%1.").arg(
        capitalized(moves(move, sign, base).join(LessonWords::tr(", "))));
    if (base != 10)
        return said;
    struct Rhyme {
        const char* source;
        const char* comment;
    };
    static const std::array<Rhyme, 8> rhymes{{
        QT_TRANSLATE_NOOP3("LessonWords", "{moves}", "add directly: 四上四"),
        QT_TRANSLATE_NOOP3("LessonWords", "{moves}", "add with 5: 四下五去一"),
        QT_TRANSLATE_NOOP3("LessonWords", "{moves}", "add with 10: 七去三进一"),
        QT_TRANSLATE_NOOP3("LessonWords", "{moves}", "add with 10 and 5: 七上二去五进一"),
        QT_TRANSLATE_NOOP3("LessonWords", "{moves}", "subtract directly: 四下四"),
        QT_TRANSLATE_NOOP3("LessonWords", "{moves}", "subtract with 5: 一上四去五"),
        QT_TRANSLATE_NOOP3("LessonWords", "{moves}", "subtract with 10: 一退一还九"),
        QT_TRANSLATE_NOOP3("LessonWords", "{moves}", "subtract with 10 and 5: 六退一还五去一"),
    }};
    const Rhyme& rhyme = rhymes.at(std::size_t(move.rule) + (sign == Sign::Plus ? 0 : 4));
    const int other = move.rule == Rule::WithFive          ? 5 - move.digit
                      : move.rule == Rule::WithBase        ? 10 - move.digit
                      : move.rule == Rule::WithBaseAndFive ? move.digit - 5
                                                           : move.digit;
    //: The digits 1 to 9 as the rhymes say them, comma-separated.
    const QStringList numerals = LessonWords::tr("1,2,3,4,5,6,7,8,9").split(u',');
    const auto numeral = [&](int n) {
        return n >= 1 && n <= numerals.size() ? numerals.at(n - 1) : QString::number(n);
    };
    return QCoreApplication::translate("LessonWords", rhyme.source, rhyme.comment)
        .replace(QStringLiteral("{moves}"), said)
        .replace(QStringLiteral("{d}"), numeral(move.digit))
        .replace(QStringLiteral("{n}"), numeral(other));
}

// One rod's rule as a sentence of its own: "Tens: add 4. Put down ...".
QString rodSentence(const lesson::RodMove& move, Sign sign, int base) {
    const QString place = capitalized(placeName(move.rod, base));
    const QString digit = written(std::uint64_t(move.digit), base);
    const QString head = sign == Sign::Plus ? LessonWords::tr("%1: add %2.").arg(place, digit)
                                            : LessonWords::tr("%1: subtract %2.").arg(place, digit);
    return joined({head, rule(move, sign, base)});
}

} // namespace

QString exercise(const lesson::Exercise& exercise) {
    return QStringLiteral("%1 %2 %3")
        .arg(written(exercise.first, exercise.base),
             exercise.sign == Sign::Plus ? QStringLiteral("+") : QStringLiteral("\u2212"),
             written(exercise.second, exercise.base));
}

QString step(const lesson::Step& step, const lesson::Exercise& exercise) {
    if (step.rod < 0)
        return LessonWords::tr("Set %1 on the rods.").arg(written(exercise.first, exercise.base));
    // A carry or a borrow put straight on or off the next rod is said by the
    // rule before it; any other takes a sentence of its own.
    QStringList sentences;
    for (const lesson::RodMove& move : step.moves)
        if (sentences.isEmpty() || move.rule != Rule::Direct)
            sentences << rodSentence(move, exercise.sign, exercise.base);
    return joined(sentences);
}

QString news(const lesson::Progress& progress, const lesson::Lesson* lesson) {
    using Kind = lesson::Progress::Kind;
    switch (progress.kind) {
    case Kind::OnTheWay:
        return {};
    case Kind::Begun:
        return joined({LessonWords::tr("Lesson: %1.").arg(exercise(lesson->exercise())),
                       step(lesson->step(), lesson->exercise())});
    case Kind::NextStep:
    case Kind::SteppedBack:
        return step(lesson->step(), lesson->exercise());
    case Kind::Missed: {
        const int base = lesson->exercise().base;
        const QString missed =
            LessonWords::tr("Expected %1 on the %2 rod; it shows %3.")
                .arg(written(std::uint64_t(progress.expected), base), placeName(progress.rod, base),
                     written(std::uint64_t(progress.shows), base));
        return lesson->hinted() ? joined({missed, LessonWords::tr("The beads to move are marked.")})
                                : missed;
    }
    case Kind::Finished:
        return LessonWords::tr("%1 = %2. Steps: %3, hints: %4.")
            .arg(exercise(lesson->exercise()),
                 written(lesson->exercise().answer(), lesson->exercise().base))
            .arg(lesson->steps().size())
            .arg(lesson->hints());
    case Kind::Refused:
        switch (progress.refusal) {
        case lesson::Refusal::NotAnExercise:
            return LessonWords::tr("Not an exercise: type two whole numbers with + or − between "
                                   "them, such as 27+45.");
        case lesson::Refusal::DoesNotFit:
            return LessonWords::tr("The numbers and the answer must fit on the rods.");
        case lesson::Refusal::Negative:
            return LessonWords::tr("The answer would be below zero.");
        }
        break;
    case Kind::Ended:
        return LessonWords::tr("Lesson ended.");
    }
    return {};
}

QString hint(const lesson::Lesson& lesson, int rod) {
    if (!lesson.hinted() || lesson.finished() || !lesson.step().changes(rod))
        return {};
    const lesson::Step& step = lesson.step();
    const lesson::Exercise& exercise = lesson.exercise();
    if (step.rod < 0)
        return LessonWords::tr("To move: set %1.")
            .arg(written(std::uint64_t(step.target.at(std::size_t(rod))), exercise.base));
    for (const lesson::RodMove& move : step.moves)
        if (move.rod == rod)
            return LessonWords::tr("To move: %1").arg(rule(move, exercise.sign, exercise.base));
    return {};
}

} // namespace lesson_words

#include "calc/lesson/lesson.h"
#include "tests/worked_lessons.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>

using namespace lesson;

namespace {

// The number the rods show, read as a user reads them.
std::uint64_t numberOn(const Rods& rods, int base) {
    std::uint64_t number = 0;
    for (int rod = rodCount - 1; rod >= 0; --rod)
        number = number * std::uint64_t(base) + std::uint64_t(rods.at(std::size_t(rod)));
    return number;
}

// A board showing the rods, as a user sets them.
Board boardOf(const Rods& rods, int base) {
    Board board;
    board.useHexadecimalDigits(base == 16);
    for (int rod = 0; rod < rodCount; ++rod)
        board.setRod(rod, rods.at(std::size_t(rod)));
    return board;
}

Exercise read(const char* text, int base) {
    return std::get<Exercise>(readExercise(text, base));
}

} // namespace

TEST(Lesson, WorkedExercisesGoStepByStep) {
    for (const WorkedLesson& w : workedLessons) {
        const std::vector<Step> steps = stepsOf(read(w.text, w.base), Rods{});
        ASSERT_EQ(steps.size(), w.steps.size()) << w.text;
        for (std::size_t i = 0; i < steps.size(); ++i) {
            std::string rules;
            for (const RodMove& move : steps[i].moves)
                rules += "DFBA"[int(move.rule)];
            EXPECT_EQ(
                std::tuple(steps[i].rod, steps[i].digit, numberOn(steps[i].target, w.base), rules),
                std::tuple(w.steps[i].rod, w.steps[i].digit, w.steps[i].target,
                           std::string(w.steps[i].rules)))
                << w.text << " step " << i;
        }
    }
}

TEST(Lesson, ExercisesAreReadOrRefused) {
    EXPECT_EQ(read(" 100 \u2212 58 ", 10), (Exercise{100, Sign::Minus, 58, 10}));
    EXPECT_EQ(read("ff+a", 16), (Exercise{255, Sign::Plus, 10, 16}));
    using F = Refusal;
    // clang-format off
    for (const auto& [text, base, refusal] : std::vector<std::tuple<const char*, int, Refusal>>{
             {"", 10, F::NotAnExercise}, {"27", 10, F::NotAnExercise}, {"2.5+1", 10, F::NotAnExercise},
             {"F+1", 10, F::NotAnExercise}, {"1+2+3", 10, F::NotAnExercise}, {"3-4", 10, F::Negative},
             {"9999999999+1", 10, F::DoesNotFit}, {"99999999999999999999999+0", 10, F::DoesNotFit},
             {"FFFFFFFF+1", 16, F::DoesNotFit}, {"100000000-1", 16, F::DoesNotFit}})
        // clang-format on
        EXPECT_EQ(std::get<Refusal>(readExercise(text, base)), refusal) << text;
    EXPECT_EQ(read("9999999998+1", 10).answer(), 9999999999u);
}

// Random exercises: following the steps from the first number ends on the
// answer; each step changes exactly the rods its moves name; and the moves
// name exactly the beads between the step's start and its target on a board.
TEST(Lesson, StepsOfRandomExercisesLeadToTheAnswer) {
    const unsigned seed = std::random_device{}();
    std::printf("lesson seed %u\n", seed);
    std::mt19937_64 random(seed);
    for (int round = 0; round < 2000; ++round) {
        const int base = round % 2 ? 16 : 10;
        const std::uint64_t largest = base == 16 ? 0xFFFFFFFFu : 9999999999u;
        std::uint64_t a = random() % (largest + 1) >> (random() % 33);
        std::uint64_t b = random() % (largest + 1) >> (random() % 33);
        const Sign sign = random() % 2 ? Sign::Plus : Sign::Minus;
        if (sign == Sign::Minus && b > a)
            std::swap(a, b);
        if (sign == Sign::Plus && a + b > largest)
            b = largest - a;
        SCOPED_TRACE(std::to_string(a) + (sign == Sign::Plus ? "+" : "-") + std::to_string(b) +
                     " base " + std::to_string(base) + " seed " + std::to_string(seed));
        const std::vector<Step> steps = stepsOf(Exercise{a, sign, b, base}, Rods{});
        EXPECT_EQ(numberOn(steps.front().target, base), a);
        for (std::size_t i = 1; i < steps.size(); ++i) {
            const Step& step = steps[i];
            ASSERT_EQ(step.start, steps[i - 1].target);
            const Board start = boardOf(step.start, base);
            const Board target = boardOf(step.target, base);
            std::vector<bool> named(rodCount);
            for (const RodMove& move : step.moves) {
                named.at(std::size_t(move.rod)) = true;
                EXPECT_EQ(move.upperChange,
                          target.upperValue(move.rod) - start.upperValue(move.rod));
                EXPECT_EQ(move.lowerChange,
                          target.lowerValue(move.rod) - start.lowerValue(move.rod));
                const int change = move.upperChange + move.lowerChange;
                const int carried = move.reachesLeft() ? base : 0;
                EXPECT_EQ(change, sign == Sign::Plus ? move.digit - carried : carried - move.digit);
            }
            for (int rod = 0; rod < rodCount; ++rod)
                EXPECT_EQ(named.at(std::size_t(rod)), step.changes(rod)) << rod;
        }
        const std::uint64_t answer = sign == Sign::Plus ? a + b : a - b;
        ASSERT_EQ(numberOn(steps.back().target, base), answer);
    }
}

// A board that shows the first number already starts at the first digit;
// the answer there already finishes the lesson.
TEST(Lesson, StartsFromTheBoardAsItStands) {
    Board board;
    board.setRod(0, 9);
    Lesson lesson(read("9+7", 10), board);
    EXPECT_EQ(lesson.stepNumber(), 1u);
    board.setRod(0, 6);
    board.setRod(1, 1);
    EXPECT_EQ(Lesson(read("9+7", 10), board).stepNumber(), 0u);
    Lesson done(read("16+0", 10), board);
    EXPECT_TRUE(done.finished());
    // An undo across a step: that step again, no miss.
    Board fresh;
    Lesson back(read("9+7", 10), fresh);
    fresh.setRod(0, 9);
    EXPECT_EQ(back.follow(fresh).kind, Progress::Kind::NextStep);
    fresh.setRod(0, 5);
    EXPECT_EQ(back.follow(fresh).kind, Progress::Kind::SteppedBack);
    EXPECT_EQ(std::tuple(back.stepNumber(), back.misses()), std::tuple(0u, 0));
}

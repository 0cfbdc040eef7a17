#include "lesson/lesson.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>

using namespace lesson;

namespace {

using R = Rule;

struct WorkedStep {
    int rod;
    int digit;
    std::uint64_t target; // the rods' number after the step, in the base
    std::vector<Rule> rules;
};

struct Worked {
    const char* text;
    int base;
    std::vector<WorkedStep> steps;
};

// Worked by hand from the method's rules: one step a non-zero digit of the
// second number, highest place first; each rod a carry or borrow reaches
// takes the 1 with a rule of its own.
const std::vector<Worked> worked{
    {"9+7", 10, {{-1, 0, 9, {}}, {0, 7, 16, {R::WithBase, R::Direct}}}},
    {"36+75",
     10,
     {{-1, 0, 36, {}},
      {1, 7, 106, {R::WithBase, R::Direct}},
      {0, 5, 111, {R::WithBase, R::Direct}}}},
    {"27+45",
     10,
     {{-1, 0, 27, {}}, {1, 4, 67, {R::WithFive}}, {0, 5, 72, {R::WithBase, R::Direct}}}},
    {"99+1", 10, {{-1, 0, 99, {}}, {0, 1, 100, {R::WithBase, R::WithBase, R::Direct}}}},
    {"12-6", 10, {{-1, 0, 12, {}}, {0, 6, 6, {R::WithBaseAndFive, R::Direct}}}},
    {"100-58",
     10,
     {{-1, 0, 100, {}},
      {1, 5, 50, {R::WithBase, R::Direct}},
      {0, 8, 42, {R::WithBase, R::WithFive}}}},
    {"6+7", 10, {{-1, 0, 6, {}}, {0, 7, 13, {R::WithBaseAndFive, R::Direct}}}},
    {"F+1", 16, {{-1, 0, 0xF, {}}, {0, 1, 0x10, {R::WithBase, R::Direct}}}},
    {"9+9", 16, {{-1, 0, 9, {}}, {0, 9, 0x12, {R::WithBase, R::Direct}}}},
};

// The number the rods show, read as a user reads them.
std::uint64_t numberOn(const Rods& rods, int base) {
    std::uint64_t number = 0;
    for (int rod = rodCount - 1; rod >= 0; --rod)
        number = number * std::uint64_t(base) + std::uint64_t(rods.at(std::size_t(rod)));
    return number;
}

Exercise read(const char* text, int base) {
    return std::get<Exercise>(readExercise(text, base));
}

} // namespace

TEST(Lesson, WorkedExercisesGoStepByStep) {
    for (const Worked& w : worked) {
        SCOPED_TRACE(w.text);
        const std::vector<Step> steps = stepsOf(read(w.text, w.base), Rods{});
        ASSERT_EQ(steps.size(), w.steps.size());
        for (std::size_t i = 0; i < steps.size(); ++i) {
            EXPECT_EQ(steps[i].rod, w.steps[i].rod);
            EXPECT_EQ(steps[i].digit, w.steps[i].digit);
            EXPECT_EQ(numberOn(steps[i].target, w.base), w.steps[i].target);
            std::vector<Rule> rules;
            for (const RodMove& move : steps[i].moves)
                rules.push_back(move.rule);
            EXPECT_EQ(rules, w.steps[i].rules) << "step " << i;
        }
    }
}

TEST(Lesson, ExercisesAreReadOrRefused) {
    EXPECT_EQ(read(" 100 \u2212 58 ", 10), (Exercise{100, Sign::Minus, 58, 10}));
    EXPECT_EQ(read("ff+a", 16), (Exercise{255, Sign::Plus, 10, 16}));
    for (const auto& [text, base, refusal] : std::vector<std::tuple<const char*, int, Refusal>>{
             {"", 10, Refusal::NotAnExercise},
             {"27", 10, Refusal::NotAnExercise},
             {"2.5+1", 10, Refusal::NotAnExercise},
             {"F+1", 10, Refusal::NotAnExercise},
             {"1+2+3", 10, Refusal::NotAnExercise},
             {"9999999999+1", 10, Refusal::DoesNotFit},
             {"99999999999999999999999+0", 10, Refusal::DoesNotFit},
             {"FFFFFFFF+1", 16, Refusal::DoesNotFit},
             {"100000000-1", 16, Refusal::DoesNotFit},
             {"3-4", 10, Refusal::Negative},
         })
        EXPECT_EQ(std::get<Refusal>(readExercise(text, base)), refusal) << text;
    EXPECT_EQ(read("9999999998+1", 10).answer(), 9999999999u);
}

// Random exercises: following the steps from the first number ends on the
// answer; each step changes only the rods its moves name; and the moves name
// exactly the beads between the step's start and its target on a real board.
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
            Board start;
            Board target;
            start.useHexadecimalDigits(base == 16);
            target.useHexadecimalDigits(base == 16);
            for (int rod = 0; rod < rodCount; ++rod) {
                ASSERT_TRUE(start.setRod(rod, step.start.at(std::size_t(rod))));
                ASSERT_TRUE(target.setRod(rod, step.target.at(std::size_t(rod))));
            }
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
            for (int rod = 0; rod < rodCount; ++rod) {
                if (!named.at(std::size_t(rod))) {
                    EXPECT_EQ(step.start.at(std::size_t(rod)), step.target.at(std::size_t(rod)));
                }
            }
        }
        const std::uint64_t answer = sign == Sign::Plus ? a + b : a - b;
        ASSERT_EQ(numberOn(steps.back().target, base), answer);
    }
}

// A learner at work on 27 + 45, press by press, as the mouse makes them.
TEST(Lesson, FollowsTheLearnerPressByPress) {
    using K = Progress::Kind;
    Board board;
    Lesson lesson(read("27+45", 10), board);
    const auto press = [&](int rod, Deck deck, int cell) {
        board.press(rod, {deck, cell});
        return lesson.follow(board);
    };
    EXPECT_EQ(press(1, Deck::Lower, 2).kind, K::OnTheWay);
    EXPECT_EQ(press(0, Deck::Upper, 1).kind, K::OnTheWay);
    EXPECT_EQ(press(0, Deck::Lower, 2).kind, K::NextStep); // 27 set
    // Tens: add 4 with the upper bead: down 5, off 1.
    EXPECT_EQ(press(1, Deck::Upper, 1).kind, K::OnTheWay);
    EXPECT_EQ(press(1, Deck::Lower, 3), (Progress{K::Missed, {}, 1, 6, 8}));
    EXPECT_FALSE(lesson.hinted());
    EXPECT_EQ(press(2, Deck::Lower, 1), (Progress{K::Missed, {}, 2, 0, 1}));
    EXPECT_TRUE(lesson.hinted());
    EXPECT_TRUE(lesson.marks(1, Deck::Upper, 0) && lesson.marks(1, Deck::Upper, 1));
    EXPECT_TRUE(lesson.marks(1, Deck::Lower, 1) && lesson.marks(1, Deck::Lower, 2));
    EXPECT_FALSE(lesson.marks(1, Deck::Lower, 3) || lesson.marks(0, Deck::Lower, 2) ||
                 lesson.marks(1, Deck::Upper, 2));
    EXPECT_EQ(press(2, Deck::Lower, 0), (Progress{K::Missed, {}, 1, 6, 8})); // tens still past
    EXPECT_EQ(press(1, Deck::Lower, 2).kind, K::OnTheWay);                   // back on the way: 57
    EXPECT_EQ(press(1, Deck::Lower, 1).kind, K::NextStep);                   // 67
    EXPECT_FALSE(lesson.hinted());
    // Units: add 5 with 10: the carry first, then take off the upper bead.
    EXPECT_EQ(press(1, Deck::Lower, 2).kind, K::OnTheWay);
    EXPECT_EQ(press(0, Deck::Upper, 0).kind, K::Finished);
    EXPECT_TRUE(lesson.finished());
    EXPECT_EQ(lesson.hints(), 1);
    EXPECT_EQ(lesson.misses(), 3);
    EXPECT_EQ(lesson.steps().size(), 3u);
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
}

#include "calculator_driver.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

using namespace driver;

namespace {

// One undo or redo of a script and what it leaves: the number the answer says
// the board reads ("" when there was nothing to undo or redo, and nothing
// changed), the result line ("-" while hidden), and a script without undo that
// leaves everything the same.
struct Seen {
    std::string reads, line, same;
};

// Runs "Undo" or "Redo" and checks what it answers and leaves.
void check(Calculator& c, const std::string& word, const Seen& seen) {
    using O = Answer::Outcome;
    const bool undo = word == "Undo";
    const Answer answer = undo ? c.undo() : c.redo();
    const Answer expected = seen.reads.empty()
                                ? Answer{undo ? O::NothingToUndo : O::NothingToRedo}
                                : Answer{undo ? O::Undone : O::Redone, 0, seen.reads};
    EXPECT_EQ(answer, expected);
    const Label& line = c.panel.resultLine();
    EXPECT_EQ(line.visible ? line.caption : "-", seen.line);
    Calculator same;
    enter(same, seen.same);
    EXPECT_EQ(dump(c), dump(same)) << seen.same;
}

} // namespace

// Scripts with undo and redo among their events, and what each undo and redo
// leaves, in turn. Each event that changes something is one step: a key, a
// typed digit (two bead presses), a paste, the point, the beam, the labels, a
// bead press; a number of the script is a bead press for each rod it changes.
// An event that changes nothing is no step, and no undo ever rings the bell.
TEST(History, EachUndoAndRedoLeavesTheStateOfItsStep) {
    struct Row {
        std::string script;
        std::vector<Seen> after;
    };
    // clang-format off
    const Row rows[] = {
        {"Type1:1 Type0:2 * Type0:3 = Undo Undo Undo Redo Redo Redo Redo",
         {{"3", "", "12 * 3"}, {"0", "", "12 *"}, {"12", "", "12"},
          {"0", "", "12 *"}, {"3", "", "12 * 3"}, {"36", "-", "12 * 3 ="}, {"", "-", "12 * 3 ="}}},
        // A refusal is undone with the board it cleared; a new event drops the redo.
        {"5 / = Undo Redo Undo 5 = Redo",
         {{"0", "", "5 /"}, {"0", "-", "5 / ="}, {"0", "", "5 /"}, {"", "-", "5 / 5 ="}}},
        // The result line and the keys "H-D" disabled come back.
        {"Hex 5 * 3 = = Undo Undo", {{"15", "H = F", "Hex 5 * 3 ="}, {"3", "H = 5", "Hex 5 * 3"}}},
        {"Hex Type1:15 Type0:15 H-D Undo Undo Undo Undo Undo",
         {{"FF", "", "Hex FF"}, {"F0", "", "Hex F0"}, {"0", "", "Hex"}, {"0", "", ""},
          {"", "", ""}}},
        // A second "Bar" or "C", a bead already in place and a refused paste
        // change nothing; a paste is one step however many rods it lays.
        {"Bar Bar 12 C C ^3.0 Paste:x Paste:725 Undo Undo Undo Undo Undo Undo",
         {{"0", "", "Bar 12 C"}, {"12", "", "Bar 12"}, {"2", "", "Bar 2"}, {"0", "", "Bar"},
          {"0", "", ""}, {"", "", ""}}},
        {"Bar Type2:7 @2 Beam Label Undo Undo Undo Redo Undo Undo Undo",
         {{"0.00", "", "Bar 7.00 Beam"}, {"7.00", "", "Bar 7.00"}, {"700", "", "Bar 700"},
          {"7.00", "", "Bar 7.00"}, {"700", "", "Bar 700"}, {"0", "", "Bar"}, {"0", "", ""}}},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.script);
        Calculator c;
        std::istringstream words{row.script};
        std::size_t seen = 0;
        for (std::string word; words >> word;) {
            if (word != "Undo" && word != "Redo")
                enter(c, word);
            else if (seen < row.after.size())
                check(c, word, row.after[seen++]);
        }
        EXPECT_EQ(seen, row.after.size());
    }
}

// 1,001 changes: the last 1,000 are undone, the first is kept no longer.
TEST(History, KeepsTheLastThousandChanges) {
    Calculator c;
    for (int i = 0; i <= 1000; ++i)
        enter(c, i % 2 == 0 ? "Bar" : "Label");
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(c.undo().outcome, Answer::Outcome::Undone) << i;
    EXPECT_EQ(c.undo().outcome, Answer::Outcome::NothingToUndo);
    EXPECT_TRUE(c.panel.rodLabel(0).visible);
}

namespace {

// One user event of any kind, as a word of the driver's scripts.
std::string anyEvent(std::mt19937& random) {
    const auto pick = [&random](int n) { return std::uniform_int_distribution(0, n - 1)(random); };
    const std::string rod = std::to_string(pick(rodCount));
    switch (pick(10)) {
    case 0:
    case 1:
    case 2:
        return std::string(keyCaptions[std::size_t(pick(keyCount))]);
    case 3:
    case 4:
    case 5: {
        const bool upper = pick(2) == 0;
        return (upper ? "^" : "v") + rod + '.' +
               std::to_string(pick(upper ? upperCellCount : lowerCellCount)) + "lrm"[pick(3)];
    }
    case 6:
        return "Type" + rod + ':' + std::to_string(pick(16));
    case 7: {
        const char* texts[] = {"12.5", "FF", "7", "D=99", "0.25", "x", "99999999999"};
        return std::string("Paste:") + texts[pick(7)];
    }
    case 8:
        return '@' + rod;
    default:
        return std::vector<std::string>{"Beam", "Bar", "Label"}[std::size_t(pick(3))];
    }
}

} // namespace

// Random events, each state after a change kept as it was made: undoing every
// change gives them back newest first and ends at start-up; redoing every one
// gives them back in turn; a new change after an undo leaves nothing to redo.
// The seed is printed, and RODWISE_SEED runs another.
TEST(History, RandomEventsAreUndoneAndRedoneStepByStep) {
    const char* chosen = std::getenv("RODWISE_SEED");
    const unsigned seed = chosen ? unsigned(std::stoul(chosen)) : 20240611u;
    std::cout << "seed " << seed << '\n';
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    for (int run = 0; run < 200; ++run) {
        Calculator c;
        std::vector<CalculatorState> states{c.state()};
        std::string events;
        for (int i = 0; i < 30; ++i) {
            const std::string event = anyEvent(random);
            events += event + ' ';
            enter(c, event);
            if (c.state() != states.back())
                states.push_back(c.state());
        }
        SCOPED_TRACE(events);
        for (std::size_t k = states.size() - 1; k > 0; --k) {
            const Answer answer = c.undo();
            ASSERT_EQ(std::pair(answer.outcome, answer.bells),
                      std::pair(Answer::Outcome::Undone, 0));
            ASSERT_TRUE(c.state() == states[k - 1]) << "undo to step " << k - 1;
        }
        ASSERT_EQ(c.undo().outcome, Answer::Outcome::NothingToUndo);
        for (std::size_t k = 1; k < states.size(); ++k) {
            ASSERT_EQ(c.redo().outcome, Answer::Outcome::Redone);
            ASSERT_TRUE(c.state() == states[k]) << "redo to step " << k;
        }
        ASSERT_EQ(c.redo().outcome, Answer::Outcome::NothingToRedo);
        ASSERT_TRUE(c.state() == states.back());
        // Back some steps, then a radio button not yet checked: a change.
        for (std::size_t k = std::size_t(random() % states.size()); k > 0; --k)
            c.undo();
        c.choosePoint((c.panel.checkedPoint() + 1) % rodCount);
        const CalculatorState changed = c.state();
        EXPECT_EQ(c.redo().outcome, Answer::Outcome::NothingToRedo);
        EXPECT_TRUE(c.state() == changed);
    }
}

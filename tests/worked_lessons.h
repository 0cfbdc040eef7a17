#pragma once

#include <cstdint>
#include <vector>

// Lessons worked by hand from the method's rules: one step a non-zero digit
// of the second number, highest place first; each rod a carry or a borrow
// reaches takes the 1 with a rule of its own. A step's rules, one letter a
// rod from the place's leftwards: D direct, F with 5, B with the base, A with
// the base and 5.
struct WorkedStep {
    int rod; // -1: the first number set
    int digit;
    std::uint64_t target; // the rods' number after the step, in the base
    const char* rules;
    const char* words;
};

struct WorkedLesson {
    const char* text;
    int base;
    std::vector<WorkedStep> steps;
};

// clang-format off
inline const std::vector<WorkedLesson> workedLessons{
    {"9+7", 10, {{-1, 0, 9, "", "Set 9 on the rods."},
                 {0, 7, 16, "BD", "Units: add 7. Take off 3, carry 1 to the tens."}}},
    {"1+7", 10, {{-1, 0, 1, "", "Set 1 on the rods."},
                 {0, 7, 8, "D", "Units: add 7. Put down the upper bead, put up 2 lower beads."}}},
    {"6+7", 10, {{-1, 0, 6, "", "Set 6 on the rods."},
                 {0, 7, 13, "AD", "Units: add 7. Put up 2 lower beads, take off the upper bead, carry 1 to the tens."}}},
    {"36+75", 10, {{-1, 0, 36, "", "Set 36 on the rods."},
                   {1, 7, 106, "BD", "Tens: add 7. Take off 3, carry 1 to the hundreds."},
                   {0, 5, 111, "BD", "Units: add 5. Take off 5, carry 1 to the tens."}}},
    {"27+45", 10, {{-1, 0, 27, "", "Set 27 on the rods."},
                   {1, 4, 67, "F", "Tens: add 4. Put down the upper bead, take off one lower bead."},
                   {0, 5, 72, "BD", "Units: add 5. Take off 5, carry 1 to the tens."}}},
    {"99+1", 10, {{-1, 0, 99, "", "Set 99 on the rods."},
                  {0, 1, 100, "BBD", "Units: add 1. Take off 9, carry 1 to the tens. Tens: add 1. Take off 9, carry 1 to the hundreds."}}},
    {"12-6", 10, {{-1, 0, 12, "", "Set 12 on the rods."},
                  {0, 6, 6, "AD", "Units: subtract 6. Borrow 1 from the tens, put down the upper bead, take off one lower bead."}}},
    {"100-58", 10, {{-1, 0, 100, "", "Set 100 on the rods."},
                    {1, 5, 50, "BD", "Tens: subtract 5. Borrow 1 from the hundreds, give back 5."},
                    {0, 8, 42, "BF", "Units: subtract 8. Borrow 1 from the tens, give back 2. Tens: subtract 1. Put up 4 lower beads, take off the upper bead."}}},
    {"F+1", 16, {{-1, 0, 0xF, "", "Set F on the rods."},
                 {0, 1, 0x10, "BD", "Units: add 1. Take off F, carry 1 to the 16s."}}},
    {"9+9", 16, {{-1, 0, 9, "", "Set 9 on the rods."},
                 {0, 9, 0x12, "BD", "Units: add 9. Take off 7, carry 1 to the 16s."}}},
    {"A-3", 16, {{-1, 0, 0xA, "", "Set A on the rods."},
                 {0, 3, 7, "F", "Units: subtract 3. Put up 2 lower beads, take off the upper bead."}}},
};
// clang-format on

#include "calc/pasted_number.h"
#include "calc/shown_number.h"
#include "form_driver.h"

#include <gtest/gtest.h>

#include <string>

using namespace driver;
using namespace std::string_literals;

namespace {

// All ten rods, rod 9 first.
std::string rods(const Form2& f) {
    std::string digits;
    for (int rod = rodCount - 1; rod >= 0; --rod)
        digits += "0123456789ABCDEF"[f.upvalAt(rod) + f.lowvalAt(rod)];
    return digits;
}

// The board that `start` leaves, with the point after rod `dot`.
void prepare(Form2& f, const char* start, int dot) {
    enter(f, start);
    f.userClicksOption(dot);
}

struct Case {
    int dot;
    std::string text;
    const char* laid; // the ten rods, rod 9 first
};

// A number lays the rods written down and leaves exactly the state that
// clicking those values rod by rod gives.
void expectLaid(const char* start, std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        Started f, want;
        prepare(f, start, c.dot);
        prepare(want, start, c.dot);
        EXPECT_TRUE(calc::paste(f, c.text)) << c.text;
        EXPECT_EQ(rods(f), c.laid) << c.text;
        for (int i = 0; i < rodCount; ++i)
            setRod(want, rodCount - 1 - i, std::stoi(std::string(1, c.laid[i]), nullptr, 16));
        EXPECT_EQ(dump(f), dump(want)) << start << " / " << c.text;
    }
}

// A refused text adds one beep and changes nothing else.
void expectRefused(const char* start, int dot, std::initializer_list<std::string> texts) {
    for (const std::string& text : texts) {
        Started f, want;
        prepare(f, start, dot);
        prepare(want, start, dot);
        want.controls().beep();
        EXPECT_FALSE(calc::paste(f, text)) << text;
        EXPECT_EQ(dump(f), dump(want)) << start << " / " << text;
    }
}

} // namespace

TEST(Paste, DecimalNumbersLieAroundThePoint) {
    expectLaid("4 * 9999999999", {{2, "7", "0000000700"},
                                  {2, "1.27", "0000000127"},
                                  {0, "5.", "0000000005"},
                                  {1, ".5", "0000000005"},
                                  {0, "9876543210", "9876543210"},
                                  {9, "1.23456789", "1234567890"},
                                  {3, " \t0012.500\r\n", "0000012500"},
                                  {2, "D = 3.81\n", "0000000381"},
                                  // A hexadecimal number, as its decimal value.
                                  {2, "H = 3039", "0001234500"},
                                  {0, "H = 2540be3ff", "9999999999"},
                                  {0, std::string(63, ' ') + "5", "0000000005"}});
    // Too many whole digits or decimals for the point.
    expectRefused("4 * 9999999999", 0, {".5", "12345678901"});
    expectRefused("4 * 9999999999", 1, {"1234567890", "1.50"});
    expectRefused("4 * 9999999999", 9, {"10", "0.1234567890", "H = A"});
    expectRefused("4 * 9999999999", 0, {"H = 2540BE400", "H = 7B.8", "H = "});
}

TEST(Paste, DecimalModeRefusesAnythingButDigitsAndOnePoint) {
    expectRefused("4 * 9999999999", 2,
                  {"", " \r\n", ".", "1.2.3", "12a", "-5", "+5", "1e5", "1,000", "1,5",
                   "D = ", "D = H = 5", "d = 5", "5 5", "\xEF\xBC\x95", "5\xC2\xA0", "5\0"s,
                   std::string(64, ' ') + "5", std::string(1 << 20, '7')});
}

TEST(Paste, HexadecimalNumbersTakeRodsZeroToSeven) {
    expectLaid("Hex 3 * 9ABCDEF", {{0, "FF", "00000000FF"},
                                   {0, " aBc\n", "0000000ABC"},
                                   {0, "7FFFFFFF", "007FFFFFFF"},
                                   {0, "H = FF0", "0000000FF0"},
                                   // A decimal number, in hexadecimal digits.
                                   {0, "D = 255", "00000000FF"},
                                   {0, "D = 4294967295", "00FFFFFFFF"}});
    // A long hexadecimal result shows digits on rods 8 and 9 too.
    expectLaid("Hex 7FFFFFF * 10 =", {{0, "5", "0000000005"}});
    expectRefused("Hex 3 * 9ABCDEF", 0,
                  {"123456789", "000000001", "G", "F.F", "0x1F", "-1", "F F", "", "D = 4294967296",
                   "D = 2.5", "D = A"});
}

// The window's own presses receive them, both decks of every rod, rod 9
// first; a refusal presses nothing.
TEST(Paste, PressesBothDecksOfEveryRod) {
    Started f;
    enter(f, "Hex");
    std::string pressed;
    const auto record = [&pressed](int rod, board::BeadPress p) {
        pressed += std::to_string(rod) + (p.deck == Deck::Upper ? "U" : "L") +
                   std::to_string(p.index) + ' ';
    };
    EXPECT_TRUE(calc::paste(f, "F7", record) && !calc::paste(f, "F7G", record));
    EXPECT_EQ(pressed,
              "9U0 9L0 8U0 8L0 7U0 7L0 6U0 6L0 5U0 5L0 4U0 4L0 3U0 3L0 2U0 2L0 1U1 1L5 0U5 0L2 ");
    EXPECT_EQ(rods(f), "0000000000");
    EXPECT_EQ(f.controls().beepCount(), 1);
}

// Copy, a board set back to zero, then paste: the same board as before,
// pictures, enabled cells and rod labels included.
TEST(Paste, LaysAgainWhatCopyCopied) {
    for (const char* script :
         {"9876543210", "0.000000001", "1.27 * 3.00 =", "Hex 7FFFFFFF", "Hex 0"}) {
        Started f;
        enter(f, script);
        const std::string copied = calc::shownNumber(f), before = dump(f);
        f.Frame1_Click();
        EXPECT_TRUE(calc::paste(f, copied)) << copied;
        EXPECT_EQ(dump(f), before) << script;
    }
}

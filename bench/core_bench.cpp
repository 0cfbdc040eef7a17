// Latency of each core handler. Every case prepares a realistic state, then
// presses one key or bead. "/handler" times the press alone (a clock read on
// each side, whose cost "clock overhead" shows); "/setup+handler" times the
// preparation and the press together, with no clock inside the loop.

#include "calc/calculator.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <initializer_list>
#include <string>

namespace {

// Sets the rods to the digits given, most significant first, the last on rod 0;
// digits above 9 need hexadecimal mode.
void setDigits(Calculator& c, std::initializer_list<int> digits) {
    int rod = static_cast<int>(digits.size());
    for (int d : digits) {
        --rod;
        if (d >= 10) {
            c.board.press(rod, {Deck::Upper, upperCellFor(10)});
            c.board.press(rod, {Deck::Lower, d - 10});
        } else if (d >= 5) {
            c.board.press(rod, {Deck::Lower, d - 5}, MouseButton::Right);
        } else {
            c.board.press(rod, {Deck::Upper, upperCellFor(0)});
            c.board.press(rod, {Deck::Lower, d});
        }
    }
}

void press(Calculator& c, Key key) {
    c.calculation.press(key);
}

// 1.5 x 2.5 with the point at rod 2, waiting for "=".
void decimalOperands(Calculator& c) {
    press(c, Key::Clear);
    c.calculation.choosePoint(2);
    setDigits(c, {1, 5, 0});
    press(c, Key::Multiply);
    setDigits(c, {2, 5, 0});
}

// FF x 10 in hexadecimal mode, waiting for "=".
void hexOperands(Calculator& c) {
    press(c, Key::Hexadecimal);
    setDigits(c, {15, 15});
    press(c, Key::Multiply);
    setDigits(c, {1, 0});
}

struct Case {
    const char* name;
    void (*setup)(Calculator&);
    void (*handler)(Calculator&);
};

const Case cases[] = {
    {"clock overhead", [](Calculator&) {}, [](Calculator&) {}},
    {"bead press, lower deck",
     [](Calculator& c) {
         c.board.press(3, {Deck::Lower, 0});
     },
     [](Calculator& c) {
         c.board.press(3, {Deck::Lower, 4});
     }},
    {"bead press, lower deck right button",
     [](Calculator& c) {
         c.board.press(3, {Deck::Lower, 0});
     },
     [](Calculator& c) {
         c.board.press(3, {Deck::Lower, 4}, MouseButton::Right);
     }},
    {"bead press, upper deck",
     [](Calculator& c) {
         c.board.press(3, {Deck::Upper, 0});
     },
     [](Calculator& c) {
         c.board.press(3, {Deck::Upper, upperCellFor(5)});
     }},
    {"* decimal, 5 digits on the rods",
     [](Calculator& c) {
         press(c, Key::Clear);
         c.calculation.choosePoint(2);
         setDigits(c, {1, 2, 3, 4, 5});
     },
     [](Calculator& c) { press(c, Key::Multiply); }},
    {"* hexadecimal, 7FFFFFFF on the rods",
     [](Calculator& c) {
         press(c, Key::Hexadecimal);
         setDigits(c, {7, 15, 15, 15, 15, 15, 15, 15});
     },
     [](Calculator& c) { press(c, Key::Multiply); }},
    {"= decimal, 1.5 x 2.5 laid onto the rods", decimalOperands,
     [](Calculator& c) { press(c, Key::Equals); }},
    {"= hexadecimal, FF x 10 laid onto the rods", hexOperands,
     [](Calculator& c) { press(c, Key::Equals); }},
    {"C after a result",
     [](Calculator& c) {
         decimalOperands(c);
         press(c, Key::Equals);
     },
     [](Calculator& c) { press(c, Key::Clear); }},
    {"Hex with digits on the rods",
     [](Calculator& c) {
         setDigits(c, {9, 8, 7, 6});
     },
     [](Calculator& c) { press(c, Key::Hexadecimal); }},
    {"H-D hexadecimal rods",
     [](Calculator& c) {
         press(c, Key::Hexadecimal);
         setDigits(c, {7, 15, 15, 15, 15, 15, 15, 15});
     },
     [](Calculator& c) { press(c, Key::Convert); }},
    {"H-D decimal result",
     [](Calculator& c) {
         decimalOperands(c);
         press(c, Key::Equals);
     },
     [](Calculator& c) { press(c, Key::Convert); }},
    // Through the calculator's own door, which keeps the state before the
    // press for undo: the cost of keeping it, beside the plain press above.
    {"bead press, lower deck, kept for undo",
     [](Calculator& c) {
         c.pressBead(3, {Deck::Lower, 0});
     },
     [](Calculator& c) {
         c.pressBead(3, {Deck::Lower, 4});
     }},
    // The same in a lesson, setting 27 of 27+45: the press is checked
    // against the step as well, on the way both times.
    {"bead press in a lesson, kept for undo and checked",
     [](Calculator& c) {
         if (c.lesson() == nullptr)
             c.beginLesson("27+45");
         c.pressBead(1, {Deck::Lower, 1});
     },
     [](Calculator& c) {
         c.pressBead(1, {Deck::Lower, 2});
     }},
    {"undo of a bead press",
     [](Calculator& c) {
         c.pressBead(3, {Deck::Lower, 0});
         c.pressBead(3, {Deck::Lower, 4});
     },
     [](Calculator& c) { c.undo(); }},
};

// What the kept changes hold at most: one whole state each. No text of a
// state outgrows the string's own buffer (the longest, a result line such as
// "D = 4294967295", has 14 characters), so sizeof tells it all, but for the
// deque's few bookkeeping blocks.
void printKeptMemory() {
    const std::size_t each = sizeof(CalculatorState);
    std::printf("undo keeps %zu changes of %zu bytes each: %.0f KiB\n", History::limit, each,
                double(History::limit * each) / 1024.0);
}

void handlerAlone(benchmark::State& state, const Case& c) {
    Calculator calculator;
    for (auto _ : state) {
        c.setup(calculator);
        const auto start = std::chrono::steady_clock::now();
        c.handler(calculator);
        benchmark::ClobberMemory();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}

void setupAndHandler(benchmark::State& state, const Case& c) {
    Calculator calculator;
    for (auto _ : state) {
        c.setup(calculator);
        c.handler(calculator);
        benchmark::ClobberMemory();
    }
}

} // namespace

int main(int argc, char** argv) {
    for (const Case& c : cases) {
        benchmark::RegisterBenchmark((std::string(c.name) + "/handler").c_str(), handlerAlone, c)
            ->UseManualTime();
        benchmark::RegisterBenchmark((std::string(c.name) + "/setup+handler").c_str(),
                                     setupAndHandler, c);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    printKeptMemory();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Latency of each core handler. Every case prepares a realistic state, then
// presses one key or bead. "/handler" times the press alone (a clock read on
// each side, whose cost "clock overhead" shows); "/setup+handler" times the
// preparation and the press together, with no clock inside the loop.

#include "app/form2.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <initializer_list>
#include <string>

namespace {

// Sets the rods to the digits given, most significant first, the last on rod 0;
// digits above 9 need hexadecimal mode.
void setDigits(Form2& f, std::initializer_list<int> digits) {
    int rod = static_cast<int>(digits.size());
    for (int d : digits) {
        --rod;
        if (d >= 10) {
            f.UpperDeck_MouseDown(rod, 1, 1);
            f.LowerDeck_MouseDown(rod, d - 10, 1);
        } else if (d >= 5) {
            f.LowerDeck_MouseDown(rod, d - 5, 2);
        } else {
            f.UpperDeck_MouseDown(rod, 0, 1);
            f.LowerDeck_MouseDown(rod, d, 1);
        }
    }
}

// 1.5 x 2.5 with the point at rod 2, waiting for "=".
void decimalOperands(Form2& f) {
    f.Command4_Click();
    f.userClicksOption(2);
    setDigits(f, {1, 5, 0});
    f.Command1_Click(0);
    setDigits(f, {2, 5, 0});
}

// FF x 10 in hexadecimal mode, waiting for "=".
void hexOperands(Form2& f) {
    f.Command6_Click();
    setDigits(f, {15, 15});
    f.Command1_Click(0);
    setDigits(f, {1, 0});
}

struct Case {
    const char* name;
    void (*setup)(Form2&);
    void (*handler)(Form2&);
};

const Case cases[] = {
    {"clock overhead", [](Form2&) {}, [](Form2&) {}},
    {"bead press, lower deck", [](Form2& f) { f.LowerDeck_MouseDown(3, 0, 1); },
     [](Form2& f) { f.LowerDeck_MouseDown(3, 4, 1); }},
    {"bead press, lower deck right button", [](Form2& f) { f.LowerDeck_MouseDown(3, 0, 1); },
     [](Form2& f) { f.LowerDeck_MouseDown(3, 4, 2); }},
    {"bead press, upper deck", [](Form2& f) { f.UpperDeck_MouseDown(3, 0, 1); },
     [](Form2& f) { f.UpperDeck_MouseDown(3, 5, 1); }},
    {"* decimal, 5 digits on the rods",
     [](Form2& f) {
         f.Command4_Click();
         f.userClicksOption(2);
         setDigits(f, {1, 2, 3, 4, 5});
     },
     [](Form2& f) { f.Command1_Click(0); }},
    {"* hexadecimal, 7FFFFFFF on the rods",
     [](Form2& f) {
         f.Command6_Click();
         setDigits(f, {7, 15, 15, 15, 15, 15, 15, 15});
     },
     [](Form2& f) { f.Command1_Click(0); }},
    {"= decimal, 1.5 x 2.5 laid onto the rods", decimalOperands,
     [](Form2& f) { f.Command3_Click(); }},
    {"= hexadecimal, FF x 10 laid onto the rods", hexOperands,
     [](Form2& f) { f.Command3_Click(); }},
    {"C after a result",
     [](Form2& f) {
         decimalOperands(f);
         f.Command3_Click();
     },
     [](Form2& f) { f.Command4_Click(); }},
    {"Hex with digits on the rods",
     [](Form2& f) {
         setDigits(f, {9, 8, 7, 6});
     },
     [](Form2& f) { f.Command6_Click(); }},
    {"H-D hexadecimal rods",
     [](Form2& f) {
         f.Command6_Click();
         setDigits(f, {7, 15, 15, 15, 15, 15, 15, 15});
     },
     [](Form2& f) { f.Command5_Click(); }},
    {"H-D decimal result",
     [](Form2& f) {
         decimalOperands(f);
         f.Command3_Click();
     },
     [](Form2& f) { f.Command5_Click(); }},
};

void handlerAlone(benchmark::State& state, const Case& c) {
    Form2 form;
    form.Form_Load();
    for (auto _ : state) {
        c.setup(form);
        const auto start = std::chrono::steady_clock::now();
        c.handler(form);
        benchmark::ClobberMemory();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}

void setupAndHandler(benchmark::State& state, const Case& c) {
    Form2 form;
    form.Form_Load();
    for (auto _ : state) {
        c.setup(form);
        c.handler(form);
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
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

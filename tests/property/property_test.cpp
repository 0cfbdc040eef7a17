// A million random user events on the core, in runs of about a thousand from
// start-up; after each one the rules of core_invariants.h must hold.
// RODWISE_SEED picks the events.

#include "tests/property/core_invariants.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

using namespace rodwise_check;

namespace {

// A clipboard's text: mostly digits of either base, at times with a point, a
// result line's prefix or blanks around, now and then with a character that
// no number holds.
std::string clipboardText(std::mt19937_64& rng) {
    const auto pick = [&rng](std::size_t n) { return std::size_t(rng() % n); };
    std::string text;
    for (std::size_t n = 1 + pick(pick(4) == 0 ? 12 : 4); n > 0; --n)
        text += "0123456789abcdefABCDEF"[pick(pick(3) == 0 ? 22 : 10)];
    if (pick(3) == 0)
        text.insert(pick(text.size() + 1), 1, '.');
    if (pick(8) == 0)
        text[pick(text.size())] = " -,e\x85"[pick(5)];
    if (pick(4) == 0)
        text = (pick(2) == 0 ? "D = " : " H = ") + text + "\r\n";
    return text;
}

// About a thousand events: calculations, a fifth of them in hexadecimal, now
// and then after a radio button: digits set with the beads or pasted, mostly
// an operator and more digits, "=" or "H-D"; after each, a little noise on
// every control.
std::vector<Event> session(std::mt19937_64& rng) {
    const auto pick = [&rng](unsigned n) { return unsigned(rng() % n); };
    std::vector<Event> out;
    while (out.size() < 1000) {
        const bool hex = pick(5) == 0;
        if (hex)
            out.push_back({Kind::Hex});
        if (pick(7) == 0)
            out.push_back({Kind::Radio, int(pick(10))});
        for (int part = 0, parts = pick(5) == 0 ? 1 : 2; part < parts; ++part) {
            if (part == 1)
                out.push_back({pick(2) == 0 ? Kind::Mul : Kind::Div});
            if (pick(4) == 0) {
                out.push_back({Kind::Paste, 0, 0, 1, clipboardText(rng)});
                continue;
            }
            // A few digits, mostly on the low rods so that most results fit.
            for (int rod = 0, rods = 1 + int(pick(pick(10) == 0 ? 10 : 4)); rod < rods; ++rod) {
                const int v = int(pick(hex && rod < 8 ? 16 : 10)), up = std::min(v / 5 * 5, 10);
                out.insert(out.end(),
                           {{Kind::Upper, rod, up == 10 ? 1 : up}, {Kind::Lower, rod, v - up}});
            }
        }
        out.push_back({pick(5) == 0 ? Kind::HexDec : Kind::Equals});
        for (unsigned n = pick(5); n > 0; --n)
            out.push_back(decode(pick(256), pick(256)));
    }
    return out;
}

// Runs the events from start-up, counting those that the window delivers;
// returns the first rule broken and the event, "" when none.
std::string replay(const std::vector<Event>& events, std::size_t& delivered) {
    Form2 form;
    form.Form_Load();
    for (const Event& e : events) {
        if (!deliverable(form, e))
            continue;
        ++delivered;
        if (const std::string broken = step(form, e); !broken.empty())
            return broken + " (" + describe(e) + ")";
    }
    return {};
}

TEST(CoreProperty, EveryEventKeepsTheRules) {
    const char* env = std::getenv("RODWISE_SEED");
    const std::uint64_t seed = env != nullptr ? std::strtoull(env, nullptr, 10) : 20240611;
    std::printf("RODWISE_SEED=%llu\n", static_cast<unsigned long long>(seed));
    std::mt19937_64 rng(seed);
    for (std::size_t delivered = 0; delivered < 1'000'000;) {
        std::vector<Event> run = session(rng), trial;
        const std::string broken = replay(run, delivered);
        if (broken.empty())
            continue;
        // Drops one event at a time, the latest first, while the same rule
        // still breaks.
        for (std::size_t i = run.size(), ignored = 0; i-- > 0;) {
            trial = run;
            trial.erase(trial.begin() + long(i));
            if (replay(trial, ignored).starts_with(broken.substr(0, broken.find(':') + 1)))
                run = trial;
        }
        std::string list;
        for (const Event& e : run)
            list += "\n  " + describe(e);
        FAIL() << "RODWISE_SEED=" << seed << ": delivered event " << delivered << " breaks "
               << broken << "\nFrom start-up, these " << run.size()
               << " events break the same rule:" << list;
    }
}

} // namespace

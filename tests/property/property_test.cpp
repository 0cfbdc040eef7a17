// A million random user events on the core, in runs of about a thousand from
// start-up; after each one the rules of core_invariants.h must hold.
// RODWISE_SEED picks the events.

#include "tests/property/core_invariants.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

using namespace rodwise_check;

namespace {

// About a thousand events: calculations, a fifth of them in hexadecimal, of
// two numbers typed or pasted around an operator, then "=" or "H-D"; after
// each, a little noise on every control. A number has digits of either base,
// mostly on the low rods so that most results fit, and at times a point (typed,
// it picks a radio button); a pasted one may have a result line's prefix and
// blanks around it, or a character that no number holds.
std::vector<std::string> session(std::mt19937_64& rng) {
    const auto pick = [&rng](std::size_t n) { return std::size_t(rng() % n); };
    std::vector<std::string> out;
    while (out.size() < 1000) {
        const bool hex = pick(5) == 0;
        if (hex)
            out.push_back("Hex");
        for (const std::string then : {pick(2) == 0 ? "*" : "/", pick(5) == 0 ? "H-D" : "="}) {
            const bool paste = pick(4) == 0;
            std::string text;
            for (std::size_t n = 1 + pick(pick(10) == 0 ? 10 : 4); n > 0; --n)
                text += "0123456789ABCDEFabcdef"[pick(
                    hex || (paste && pick(3) == 0) ? 16 + 6 * paste : 10)];
            if (pick(3) == 0)
                text.insert(pick(text.size()) + !paste, 1, '.');
            if (paste && pick(8) == 0)
                text[pick(text.size())] = " -,e\x85"[pick(5)];
            if (paste && pick(4) == 0)
                text = (pick(2) == 0 ? "D = " : " H = ") + text + "\r\n";
            out.insert(out.end(), {paste ? pasteEvent + text : text, then});
        }
        for (std::size_t n = pick(5); n > 0; --n)
            out.push_back(decode(unsigned(pick(256)), unsigned(pick(256))));
    }
    return out;
}

// The first rule that the events break from start-up and the event, "" when none.
std::string replay(const std::vector<std::string>& events) {
    driver::Started form;
    for (const std::string& e : events)
        if (const std::string broken = step(form, e); !broken.empty())
            return broken + " (" + e + ")";
    return {};
}

TEST(CoreProperty, EveryEventKeepsTheRules) {
    const char* env = std::getenv("RODWISE_SEED");
    const std::uint64_t seed = env != nullptr ? std::strtoull(env, nullptr, 10) : 20240611;
    std::mt19937_64 rng(seed);
    for (int run = 0; run < 1000; ++run) {
        std::vector<std::string> events = session(rng);
        const std::string broken = replay(events), rule = broken.substr(0, broken.find(':') + 1);
        if (broken.empty())
            continue;
        // Drops one event at a time, the latest first, while the same rule breaks.
        for (std::size_t i = events.size(); i-- > 0;)
            if (auto fewer = events;
                fewer.erase(fewer.begin() + long(i)), replay(fewer).starts_with(rule))
                events = fewer;
        std::string list;
        for (const std::string& e : events)
            list += "\n  " + e;
        FAIL() << "RODWISE_SEED=" << seed << ", run " << run << " breaks " << broken
               << "\nFrom start-up, these events break the same rule:" << list;
    }
}

} // namespace

// A million random user events on the core; after each one the rules of
// core_invariants.h must hold. RODWISE_SEED picks the session and
// RODWISE_EVENTS its length.

#include "tests/property/core_invariants.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <random>
#include <vector>

using namespace rodwise_check;

namespace {

std::uint64_t fromEnv(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 10) : fallback;
}

// Mostly whole calculations: digits set with the beads, an operator, digits,
// "=", now and then "Hex", "H-D", "C" or a radio button; the rest is noise on
// every control.
class Session {
public:
    explicit Session(std::uint64_t seed) : rng_(seed) {}

    void next(bool hex, std::vector<Event>& out) {
        const unsigned roll = pick(100);
        if (roll < 80 && chance(hex ? 10 : 25)) {
            out.push_back({Kind::Hex});
            hex = true;
        }
        if (roll < 70) {
            if (chance(15))
                out.push_back({Kind::Radio, int(pick(10))});
            number(hex, out);
            out.push_back({chance(50) ? Kind::Mul : Kind::Div});
            number(hex, out);
            out.push_back({Kind::Equals});
            for (Kind k : {Kind::Equals, Kind::HexDec, Kind::Clear})
                if (chance(20))
                    out.push_back({k});
        } else if (roll < 80) {
            number(hex, out);
            out.push_back({Kind::HexDec});
        } else {
            for (unsigned n = 1 + pick(8); n > 0; --n)
                out.push_back(decode(pick(256), pick(256)));
        }
    }

private:
    unsigned pick(unsigned n) { return unsigned(rng_() % n); }
    bool chance(unsigned percent) { return pick(100) < percent; }

    // A few digits, mostly on the low rods, so that most results fit.
    void number(bool hex, std::vector<Event>& out) {
        const int rods = 1 + int(pick(chance(10) ? 10 : 4));
        for (int rod = 0; rod < rods; ++rod) {
            const int v = int(pick(hex && rod < 8 ? 16 : 10));
            const int fives = v >= 10 ? 10 : v >= 5 ? 5 : 0;
            const int button = chance(80) ? 1 : 4;
            if (fives == 5 && chance(50)) { // the right button sets 5 + the cell
                out.push_back({Kind::Lower, rod, v - 5, 2});
                continue;
            }
            const Event upper{Kind::Upper, rod, fives == 10 ? 1 : fives, button};
            const Event lower{Kind::Lower, rod, v - fives, button};
            const bool lowerFirst = chance(25);
            out.push_back(lowerFirst ? lower : upper);
            out.push_back(lowerFirst ? upper : lower);
        }
    }

    std::mt19937_64 rng_;
};

// Runs the events on a fresh form, skipping what the window would not
// deliver; returns the first rule broken and the events delivered up to it.
std::string replay(const std::vector<Event>& events, std::vector<Event>* delivered = nullptr) {
    Form2 form;
    form.Form_Load();
    for (const Event& e : events) {
        if (!deliverable(form, e))
            continue;
        if (delivered != nullptr)
            delivered->push_back(e);
        if (std::string broken = step(form, e); !broken.empty())
            return broken;
    }
    return {};
}

// Cuts a failing run down while the same rule still breaks: the oldest events
// first, then ever shorter stretches anywhere.
std::vector<Event> shrink(std::vector<Event> events, const std::string& rule) {
    int budget = 20000;
    const auto fails = [&](auto first, auto last) {
        --budget;
        return replay({first, last}).starts_with(rule);
    };
    std::size_t lo = 0;
    for (std::size_t hi = events.size() - 1; lo < hi;) {
        const std::size_t mid = (lo + hi + 1) / 2;
        if (fails(events.begin() + long(mid), events.end()))
            lo = mid;
        else
            hi = mid - 1;
    }
    events.erase(events.begin(), events.begin() + long(lo));
    for (std::size_t chunk = events.size() / 2; chunk > 0; chunk /= 2)
        for (std::size_t i = 0; i + chunk <= events.size() && budget > 0;) {
            auto trial = events;
            trial.erase(trial.begin() + long(i), trial.begin() + long(i + chunk));
            if (fails(trial.begin(), trial.end()))
                events = std::move(trial);
            else
                i += chunk;
        }
    return events;
}

TEST(CoreProperty, EveryEventKeepsTheRules) {
    const std::uint64_t seed = fromEnv("RODWISE_SEED", 20240611);
    const std::size_t total = fromEnv("RODWISE_EVENTS", 1'000'000);
    std::printf("RODWISE_SEED=%llu, %zu events\n", static_cast<unsigned long long>(seed), total);
    const auto start = std::chrono::steady_clock::now();
    Session session(seed);
    Form2 form;
    form.Form_Load();
    std::vector<Event> run, burst;
    run.reserve(total + 64);
    while (run.size() < total) {
        burst.clear();
        session.next(form.hexMode(), burst);
        for (const Event& e : burst) {
            if (!deliverable(form, e))
                continue;
            run.push_back(e);
            const std::string broken = step(form, e);
            if (broken.empty())
                continue;
            std::vector<Event> shortest;
            replay(shrink(run, broken.substr(0, broken.find(':') + 1)), &shortest);
            std::string list;
            for (const Event& s : shortest)
                list += "\n  " + describe(s);
            FAIL() << "RODWISE_SEED=" << seed << ": the run fails at its event " << run.size()
                   << " (" << describe(e) << "), " << broken << "\nThe shortest sequence found "
                   << "from start-up that breaks the same rule, " << shortest.size()
                   << " events:" << list;
        }
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%zu events in %.2f s, %.0f events/s\n", run.size(), took.count(),
                double(run.size()) / took.count());
}

} // namespace

#pragma once

// User events on the core and the rules that every event must keep, shared by
// the random-sequence test and the fuzz target.

#include "app/form2.h"
#include "convert/convert.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

namespace rodwise_check {

enum class Kind { Lower, Upper, Beam, Radio, Label, Bar, Mul, Div, Equals, Clear, HexDec, Hex };

struct Event {
    Kind kind = Kind::Beam;
    int rod = 0;   // also the radio button, rod label or bar clicked
    int index = 0; // the cell in its deck
    int button = 1;
};

// Two bytes make one event; bead presses come most often.
inline Event decode(unsigned a, unsigned b) {
    constexpr std::array<int, 16> kinds{0, 0, 0, 0, 1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    const auto kind = static_cast<Kind>(kinds[a % 16]);
    const int index = kind == Kind::Upper ? upperCellIndices[b / 10 % 3] : int(b / 10 % 6);
    return {kind, int(b % 10), index, std::array{1, 2, 4}[a / 16 % 3]};
}

// A toolkit delivers no press to a disabled cell or key and no click to a
// hidden label.
inline bool deliverable(const Form2& f, const Event& e) {
    constexpr std::array keys{Key::Multiply, Key::Divide, Key::Equals,
                              Key::Clear,    Key::HexDec, Key::Hex};
    const Controls& c = f.controls();
    if (e.kind <= Kind::Upper)
        return c.cellEnabled(e.kind == Kind::Lower ? Deck::Lower : Deck::Upper, e.rod, e.index);
    if (e.kind < Kind::Mul)
        return e.kind != Kind::Label || c.rodLabel(e.rod).visible;
    return c.keyEnabled(keys[std::size_t(e.kind) - std::size_t(Kind::Mul)]);
}

inline void apply(Form2& f, const Event& e) {
    using Handler = void (*)(Form2&, const Event&);
    static constexpr std::array<Handler, 12> handlers{
        [](Form2& f, const Event& e) { f.LowerDeck_MouseDown(e.rod, e.index, e.button); },
        [](Form2& f, const Event& e) { f.UpperDeck_MouseDown(e.rod, e.index, e.button); },
        [](Form2& f, const Event&) { f.Frame1_Click(); },
        [](Form2& f, const Event& e) { f.userClicksOption(e.rod); },
        [](Form2& f, const Event& e) { f.Lab1_Click(e.rod); },
        [](Form2& f, const Event& e) { f.Picture22_Click(e.rod % 2); },
        [](Form2& f, const Event&) { f.Command1_Click(0); },
        [](Form2& f, const Event&) { f.Command1_Click(1); },
        [](Form2& f, const Event&) { f.Command3_Click(); },
        [](Form2& f, const Event&) { f.Command4_Click(); },
        [](Form2& f, const Event&) { f.Command5_Click(); },
        [](Form2& f, const Event&) { f.Command6_Click(); }};
    handlers[std::size_t(e.kind)](f, e);
}

inline std::string describe(const Event& e) {
    constexpr std::array names{"lower", "upper", "beam", "radio", "rod label", "bar",
                               "*",     "/",     "=",    "C",     "H-D",       "Hex"};
    const std::string name = names[std::size_t(e.kind)];
    if (e.kind <= Kind::Upper)
        return name + " rod " + std::to_string(e.rod) + " cell " + std::to_string(e.index) +
               " button " + std::to_string(e.button);
    return e.kind == Kind::Radio || e.kind == Kind::Label ? name + " " + std::to_string(e.rod)
                                                          : name;
}

// A rod's cells, upper 0, 5 and 1 and lower 0 to 5, and the values that its
// decks show: -1 for a picture that no value has.
struct Rod {
    std::array<Cell, 3> up;
    std::array<Cell, lowerCellCount> low;
    int upper = -1, lower = -1;
};

inline Rod readRod(const Controls& c, int k) {
    Rod r;
    for (std::size_t i = 0; i < r.up.size(); ++i)
        r.up[i] = c.cell(Deck::Upper, k, upperCellIndices[i]);
    for (std::size_t i = 0; i < r.low.size(); ++i)
        r.low[i] = c.cell(Deck::Lower, k, int(i));
    for (int v : {0, 5, 10})
        if (r.up[0].image == (v == 0 ? Image::Gap : Image::Bead) &&
            r.up[1].image == (v == 5 ? Image::Gap : Image::Bead) &&
            r.up[2].image == (v == 10 ? Image::Gap : Image::ExtraBead))
            r.upper = v;
    const auto isGap = [](const Cell& cell) { return cell.image == Image::Gap; };
    const int gap = int(std::find_if(r.low.begin(), r.low.end(), isGap) - r.low.begin());
    r.lower = gap < lowerCellCount ? gap : -1;
    for (int i = 0; i < lowerCellCount; ++i) {
        const Image want = i == gap ? Image::Gap : i == 5 ? Image::ExtraBead : Image::Bead;
        if (r.low[std::size_t(i)].image != want)
            r.lower = -1;
    }
    return r;
}

// What the rules need to know of the state before an event.
struct Snapshot {
    int beeps = 0, dot = 0;
    bool firstnum = false, hex = false;
    double digit = 0, digit1 = 0, decimalBoard = 0, hexBoard = 0;
    std::array<bool, rodCount> lowerFiveOn{};
};

inline Snapshot snapshot(const Form2& f) {
    Snapshot s{f.controls().beepCount(), f.dot, f.firstnum, f.hexMode(), f.digit, f.digit1};
    for (int k = rodCount - 1; k >= 0; --k) {
        s.lowerFiveOn[std::size_t(k)] = f.controls().cellEnabled(Deck::Lower, k, 5);
        s.decimalBoard = s.decimalBoard * 10 + f.upvalAt(k) + f.lowvalAt(k);
        s.hexBoard = k < 8 ? s.hexBoard * 16 + f.upvalAt(k) + f.lowvalAt(k) : 0;
    }
    s.decimalBoard /= std::pow(10.0, f.dot);
    return s;
}

inline bool isNumber(std::string_view s, std::string_view digits = "0123456789") {
    return !s.empty() && s.find_first_not_of(digits) == s.npos && (s.size() == 1 || s[0] != '0');
}

inline std::string hexLine(double value) {
    char text[24];
    std::snprintf(text, sizeof text, "H = %llX", static_cast<unsigned long long>(value));
    return text;
}

// The first rule that event e broke, named before a colon; "" when all hold.
inline std::string violation(const Form2& f, const Event& e, const Snapshot& was) {
    const Controls& c = f.controls();
    const bool hex = f.hexMode();
    const bool hexWork = f.num2 == 4 || f.num2 == 5;
    const std::string& line = c.resultLine().caption;
    const int beeps = c.beepCount() - was.beeps;
    constexpr double limit = 2147483647;
    double onRods = 0, onHexRods = 0; // the digits shown, read in decimal and in hexadecimal
    bool cleared = !hex && f.digit == 0 && f.digit1 == 0 && !f.firstnum && f.dot == 0 &&
                   c.selectedOption() == 0 && line.empty() && c.keyEnabled(Key::Equals) &&
                   c.keyEnabled(Key::HexDec);
    for (int k = rodCount - 1; k >= 0; --k) {
        const auto rod = [k] { return std::to_string(k); };
        const Rod r = readRod(c, k);
        const int up = r.upper, low = r.lower;
        if (up < 0 || low < 0 || up != f.upvalAt(k) || low != f.lowvalAt(k))
            return "picture: rod " + rod() + " shows " + std::to_string(up) + "+" +
                   std::to_string(low);
        const int shown = up + low;
        const std::string& text = f.rodstrAt(k);
        const int read = isNumber(text) && text.size() <= 2 ? std::stoi(text) : -1;
        // A hexadecimal result leaves rods 8 and 9 reading 0 whatever they show.
        if (read < 0 || read > 15 || (read != shown && (k < 8 || read != 0)))
            return "rodstr: rod " + rod() + " reads '" + text + "'";
        const Label& label = c.rodLabel(k);
        if (f.digstrAt(k).size() != 1 || !isNumber(f.digstrAt(k)) || label.caption.size() > 1 ||
            !(label.caption.empty() || isNumber(label.caption)) ||
            label.visible != c.rodLabel(0).visible)
            return "digits: rod " + rod() + " digstr '" + f.digstrAt(k) + "'";

        // Only upper cell 1 and lower cell 5 are ever disabled. Lower cell 5
        // is enabled while upper cell 1 shows the gap; only a board reset
        // leaves it enabled after that.
        const auto on = [](const Cell& cell) { return cell.enabled; };
        const bool others =
            on(r.up[0]) && on(r.up[1]) && std::all_of(r.low.begin(), r.low.end() - 1, on);
        const bool upperOne = on(r.up[2]);
        const bool lowerFive = on(r.low[5]);
        const bool stale = e.kind > Kind::Upper || e.rod != k;
        if (!others || upperOne != (hex && k <= 7) || (up == 10 && !lowerFive) ||
            (lowerFive && (!upperOne || (up != 10 && !(stale && was.lowerFiveOn[std::size_t(k)])))))
            return "enabled: rod " + rod();
        onRods = onRods * 10 + shown;
        onHexRods = k < 8 ? onHexRods * 16 + shown : 0;
        cleared = cleared && shown == 0 && text == "0" && label.caption.empty();
    }

    if (c.keyEnabled(Key::HexPlus) || c.keyEnabled(Key::HexMinus) || !c.keyEnabled(Key::Multiply) ||
        !c.keyEnabled(Key::Divide) || !c.keyEnabled(Key::Clear) || !c.keyEnabled(Key::Hex))
        return "keys: a key enabled or disabled out of turn";
    const std::string_view body =
        std::string_view(line).substr(std::min<std::size_t>(4, line.size()));
    if (!line.empty() && !(line.starts_with("H = ") && isNumber(body, "0123456789ABCDEF")) &&
        !(line.starts_with("D = ") && isNumber(body)))
        return "result line: '" + line + "'";
    // Every refusal ends in the clear.
    if (beeps < 0 || beeps > 2 || (beeps > 0 && !cleared))
        return "refusal: " + std::to_string(beeps) + " beeps";

    // An operator key takes the rods as the first operand, unless decimal work
    // holds one; hexadecimal work refuses a second calculation and a first
    // operand above 7FFFFFFF.
    if (e.kind == Kind::Mul || e.kind == Kind::Div) {
        const bool refuse =
            was.hex && ((was.digit != 0 && was.digit1 != 0) || was.hexBoard > limit);
        const double take = was.hex ? was.hexBoard : was.firstnum ? was.digit : was.decimalBoard;
        if (beeps != int(refuse) ||
            (!refuse && (f.digit != take || (was.hex && line != hexLine(take)))))
            return "operand: took " + std::to_string(f.digit) + " for " + std::to_string(take);
    }
    if (e.kind == Kind::HexDec && hex && line != "D = " + std::to_string(std::llround(onHexRods)))
        return "conversion: '" + line + "'";
    if (e.kind != Kind::Equals)
        return {};

    // "=" applies the operation to the first operand and the rods, both 0 after
    // the clear that a start from nothing gets (a second hexadecimal "=" clears
    // and beeps first), and lays a result within the limits onto the rods and
    // their labels, or refuses it with the clear and the beep.
    const bool empty = !was.firstnum && was.digit == 0 && was.digit1 == 0;
    const bool again = hexWork && was.digit != 0 && was.digit1 != 0;
    const double first = empty || again ? 0 : was.digit;
    const double second = empty || again ? 0
                          : hexWork      ? was.digit1 + was.hexBoard
                                         : was.decimalBoard;
    const bool divide = f.num2 == 1 || f.num2 == 5;
    const double quotient = second == 0 ? 0 : first / second;
    const double want = !divide ? first * second : f.num2 == 5 ? std::floor(quotient) : quotient;
    const bool fits = (!divide || second != 0) && want < limit &&
                      (hexWork ? want != 0 : convert::fixedText(want, was.dot).size() <= 11);
    if (beeps != (fits ? 0 : (f.num2 == 1 && second == 0) || again ? 2 : 1))
        return "refusal: " + std::to_string(beeps) + " beeps for " + std::to_string(want);
    for (int k = 0; fits && k < (hexWork ? 8 : 10); ++k)
        if (c.rodLabel(k).caption != std::to_string(f.upvalAt(k) + f.lowvalAt(k)))
            return "digits: rod " + std::to_string(k) + " label '" + c.rodLabel(k).caption + "'";
    // A decimal result is rounded from its 15 significant digits to the places shown.
    const double scale = std::pow(10.0, f.dot);
    if (fits && (f.digit != want ||
                 (hexWork ? onRods != want || line != hexLine(want) || c.keyEnabled(Key::HexDec) ||
                                f.rodstrAt(8) != "0" || f.rodstrAt(9) != "0"
                          : f.numstrAt(3).size() > 11 ||
                                std::fabs(onRods / scale - want) > 0.5 / scale + want * 1e-14)))
        return "result: " + std::to_string(f.digit) + " for " + std::to_string(want) + ", rods " +
               std::to_string(onRods) + ", line '" + line + "'";
    return {};
}

// Delivers one event and returns the first rule it broke, "" when none.
inline std::string step(Form2& f, const Event& e) {
    const Snapshot was = snapshot(f);
    apply(f, e);
    return violation(f, e, was);
}

} // namespace rodwise_check

#pragma once

// User events on the core and the rules that every event must keep, shared by
// the random-sequence test and the fuzz target.

#include "app/form2.h"
#include "calc/pasted_number.h"
#include "convert/convert.h"
#include "tests/form_driver.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>

namespace rodwise_check {

enum class Kind {
    Lower,
    Upper,
    Beam,
    Radio,
    Label,
    Bar,
    Mul,
    Div,
    Equals,
    Clear,
    HexDec,
    Hex,
    Paste
};

struct Event {
    Kind kind = Kind::Beam;
    int rod = 0;   // also the radio button, rod label or bar clicked
    int index = 0; // the cell in its deck
    int button = 1;
    std::string text{}; // the clipboard's text for Ctrl+V
};

// Two bytes make one event; bead presses come most often. A first byte of 240
// or more is Ctrl+V, and the second byte modulo 80, as the index, tells how
// many of the bytes that follow are the clipboard's text.
inline Event decode(unsigned a, unsigned b) {
    if (a >= 240)
        return {Kind::Paste, 0, int(b % 80)};
    constexpr std::array<int, 16> kinds{0, 0, 0, 0, 1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    const auto kind = static_cast<Kind>(kinds[a % 16]);
    const int index = kind == Kind::Upper ? upperCellIndices[b / 10 % 3] : int(b / 10 % 6);
    return {kind, int(b % 10), index, std::array{1, 2, 4}[a / 16 % 3]};
}

// A toolkit delivers no press to a disabled cell or key and no click to a
// hidden label; Ctrl+V always arrives.
inline bool deliverable(const Form2& f, const Event& e) {
    const Controls& c = f.controls();
    if (e.kind == Kind::Paste)
        return true;
    if (e.kind <= Kind::Upper)
        return c.cellEnabled(e.kind == Kind::Lower ? Deck::Lower : Deck::Upper, e.rod, e.index);
    if (e.kind < Kind::Mul)
        return e.kind != Kind::Label || c.rodLabel(e.rod).visible;
    // "*", "/", then (after "H.+" and "H.-") "=", "C", "H-D" and "Hex" in the order of Key.
    return c.keyEnabled(Key(int(e.kind) - int(Kind::Mul) + (e.kind >= Kind::Equals ? 2 : 0)));
}

inline std::string describe(const Event& e) {
    constexpr std::array names{"lower", "upper", "beam", "radio", "rod label", "bar",  "*",
                               "/",     "=",     "C",    "H-D",   "Hex",       "paste"};
    std::string text = names[std::size_t(e.kind)];
    if (e.kind == Kind::Paste) {
        std::ostringstream quoted;
        for (const unsigned char ch : e.text)
            ch >= ' ' && ch < 127 ? quoted << ch : quoted << "\\x" << std::hex << int(ch);
        text += " '" + quoted.str() + "'";
    }
    if (e.kind <= Kind::Upper || e.kind == Kind::Radio || e.kind == Kind::Label)
        text += " " + std::to_string(e.rod);
    if (e.kind <= Kind::Upper)
        text += " cell " + std::to_string(e.index) + " button " + std::to_string(e.button);
    return text;
}

// What the rules need to know of the state before and after an event.
struct Snapshot {
    int beeps, dot;
    bool firstnum, hex;
    double digit, digit1, onRods = 0, hexBoard = 0; // the bead values read as decimal digits and
                                                    // as hexadecimal digits on rods 0-7
    std::array<bool, rodCount> lowerFiveOn{};
};

inline Snapshot snapshot(const Form2& f) {
    Snapshot s{f.controls().beepCount(), f.dot, f.firstnum, f.hexMode(), f.digit, f.digit1};
    for (int k = rodCount - 1; k >= 0; --k) {
        s.lowerFiveOn[std::size_t(k)] = f.controls().cellEnabled(Deck::Lower, k, 5);
        s.onRods = s.onRods * 10 + f.upvalAt(k) + f.lowvalAt(k);
        s.hexBoard = k < 8 ? s.hexBoard * 16 + f.upvalAt(k) + f.lowvalAt(k) : 0;
    }
    return s;
}

// The first rule that event e broke, named before a colon; "" when all hold.
inline std::string violation(const Form2& f, const Event& e, const Snapshot& was) {
    const Controls& c = f.controls();
    const Snapshot now = snapshot(f);
    const std::string& line = c.resultLine().caption;
    const int beeps = now.beeps - was.beeps;
    constexpr double limit = 2147483647;
    bool cleared = !now.hex && f.digit == 0 && f.digit1 == 0 && !f.firstnum && f.dot == 0 &&
                   c.selectedOption() == 0 && line.empty() && c.keyEnabled(Key::Equals) &&
                   c.keyEnabled(Key::HexDec);
    for (int k = 0; k < rodCount; ++k) {
        const int up = f.upvalAt(k), low = f.lowvalAt(k);
        const std::string rod = "rod " + std::to_string(k);
        // Upper cells 0, 5, 1 and lower cells 0 to 5 (0 gap, 1 bead, 2 extra
        // bead): each deck shows its value by its one gap. Only the extra
        // beads' cells, upper 1 and lower 5, are ever disabled: another
        // disabled cell reads "!".
        std::string seen, want = up == 0 ? "012" : up == 5 ? "102" : up == 10 ? "110" : "bad";
        want +=
            low >= 0 && low <= 5 ? std::string("111112").replace(std::size_t(low), 1, "0") : "bad";
        for (std::size_t i = 0; i < 9; ++i) {
            const Cell& cell = i < 3 ? c.cell(Deck::Upper, k, upperCellIndices[i])
                                     : c.cell(Deck::Lower, k, int(i) - 3);
            seen += cell.enabled || i == 2 || i == 8 ? char('0' + int(cell.image)) : '!';
        }
        if (seen != want)
            return "picture: " + rod + " holds " + std::to_string(up) + "+" + std::to_string(low) +
                   " but shows " + seen;
        // A hexadecimal result leaves rods 8 and 9 reading 0 whatever they show.
        const std::string& text = f.rodstrAt(k);
        if (text != std::to_string(up + low) && (k < 8 || text != "0"))
            return "rodstr: " + rod + " reads '" + text + "'";
        // Upper cell 1 takes presses on rods 0-7 in hexadecimal mode. Lower
        // cell 5 does while upper cell 1 shows the gap; only a board reset or
        // an event elsewhere leaves it enabled after that. A paste that lays
        // a number presses both decks of every rod.
        const bool upperOne = c.cellEnabled(Deck::Upper, k, 1), lowerFive = now.lowerFiveOn[k];
        const bool stale = (e.kind > Kind::Upper || e.rod != k) &&
                           !(e.kind == Kind::Paste && beeps == 0) && was.lowerFiveOn[k];
        if (upperOne != (now.hex && k <= 7) || (lowerFive && !upperOne) ||
            (up == 10 ? !lowerFive : lowerFive && !stale))
            return "enabled: " + rod;
        cleared = cleared && up + low == 0 && text == "0" && c.rodLabel(k).caption.empty();
    }

    if (c.keyEnabled(Key::HexPlus) || c.keyEnabled(Key::HexMinus) || !c.keyEnabled(Key::Multiply) ||
        !c.keyEnabled(Key::Divide) || !c.keyEnabled(Key::Clear) || !c.keyEnabled(Key::Hex))
        return "keys: a key enabled or disabled out of turn";
    // Every refusal ends in the clear, except a refused paste, which has
    // nothing to clear.
    if (beeps < 0 || beeps > 2 || (beeps > 0 && !cleared && e.kind != Kind::Paste))
        return "refusal: " + std::to_string(beeps) + " beeps";

    // An operator key remembers its operation and takes the rods as the first
    // operand, unless decimal work holds one; hexadecimal work refuses a
    // second calculation and a first operand above 7FFFFFFF.
    const double wasBoard = was.onRods / std::pow(10.0, was.dot);
    if (e.kind == Kind::Mul || e.kind == Kind::Div) {
        const bool refuse =
            was.hex && ((was.digit != 0 && was.digit1 != 0) || was.hexBoard > limit);
        const double take = was.hex ? was.hexBoard : was.firstnum ? was.digit : wasBoard;
        if (beeps != int(refuse) ||
            (!refuse && (f.digit != take || f.num2 != int(e.kind == Kind::Div) + 4 * was.hex ||
                         (was.hex && line != "H = " + convert::hexText(take)))))
            return "operand: took " + std::to_string(f.digit) + " for " + std::to_string(take);
    }
    // "H-D" shows the hexadecimal rods in decimal, or else the operand (the
    // result, or the rods read whole) in hexadecimal.
    if (e.kind == Kind::HexDec && beeps == 0 &&
        line != (now.hex ? "D = " + std::to_string(std::llround(now.hexBoard))
                         : "H = " + convert::hexText(f.digit)))
        return "conversion: '" + line + "'";
    if (e.kind != Kind::Equals)
        return {};

    // "=" applies the operation to the first operand and the rods, both 0 after
    // the clear that a start from nothing gets (a second hexadecimal "=" clears
    // and beeps first), and lays a result within the limits onto the rods and
    // their labels, or refuses it with the clear and the beep.
    const bool hexWork = f.num2 == 4 || f.num2 == 5, divide = f.num2 == 1 || f.num2 == 5;
    const bool empty = !was.firstnum && was.digit == 0 && was.digit1 == 0,
               again = hexWork && was.digit != 0 && was.digit1 != 0;
    const double first = empty || again ? 0 : was.digit;
    const double second = empty || again ? 0 : hexWork ? was.digit1 + was.hexBoard : wasBoard;
    const double quotient = second == 0 ? 0 : first / second;
    const double want = !divide ? first * second : hexWork ? std::floor(quotient) : quotient;
    const bool fits = (!divide || second != 0) && want < limit &&
                      (hexWork ? want != 0 : convert::fixedText(want, was.dot).size() <= 11);
    if (beeps != (fits ? 0 : (divide && !hexWork && second == 0) || again ? 2 : 1))
        return "refusal: " + std::to_string(beeps) + " beeps for " + std::to_string(want);
    for (int k = 0; fits && k < (hexWork ? 8 : 10); ++k)
        if (c.rodLabel(k).caption != std::to_string(f.upvalAt(k) + f.lowvalAt(k)))
            return "digits: rod " + std::to_string(k) + " label '" + c.rodLabel(k).caption + "'";
    // A decimal result is rounded from its 15 significant digits to the places shown.
    const double scale = std::pow(10.0, f.dot);
    if (fits &&
        (f.digit != want ||
         (hexWork ? now.onRods != want || line != "H = " + convert::hexText(want) ||
                        c.keyEnabled(Key::HexDec) || f.rodstrAt(8) != "0" || f.rodstrAt(9) != "0"
                  : f.numstrAt(3).size() > 11 ||
                        std::fabs(now.onRods / scale - want) > 0.5 / scale + want * 1e-14)))
        return "result: " + std::to_string(f.digit) + " for " + std::to_string(want) + ", rods " +
               std::to_string(now.onRods) + ", line '" + line + "'";
    return {};
}

// Ctrl+V lays the text's number and changes nothing beside the rods, or
// refuses the text with one beep and changes nothing at all. The number laid
// is read back by the C library from the text's last blank-separated word, in
// the base that a leading "D = " or "H = " names, or else in the mode's.
inline std::string pasteViolation(const Form2& f, const Event& e, bool laid, const Snapshot& was,
                                  const std::string& beside, const std::string& rods) {
    const int beeps = f.controls().beepCount() - was.beeps;
    if (driver::stateBesideRods(f) != beside)
        return "paste: changed more than the rods";
    if (!laid)
        return beeps == 1 && driver::rodState(f) == rods
                   ? ""
                   : "paste: refused with " + std::to_string(beeps) + " beeps or a changed board";
    const std::string blanks = " \t\r\n";
    const std::string body = e.text.substr(0, e.text.find_last_not_of(blanks) + 1);
    const std::string word = body.substr(body.find_last_of(blanks) + 1);
    const std::size_t start = body.find_first_not_of(blanks);
    const std::string prefix = start == std::string::npos ? "" : body.substr(start, 4);
    const bool hexText = prefix == "H = " || (prefix != "D = " && was.hex);
    const double value = hexText ? double(std::strtoull(word.c_str(), nullptr, 16))
                                 : std::strtod(word.c_str(), nullptr);
    const Snapshot now = snapshot(f);
    const bool read = was.hex ? now.hexBoard == value &&
                                    f.upvalAt(8) + f.lowvalAt(8) + f.upvalAt(9) + f.lowvalAt(9) == 0
                              : now.onRods == double(std::llround(value * std::pow(10, f.dot)));
    if (beeps != 0 || !read)
        return "paste: laid " + std::to_string(now.onRods) + " for '" + word + "' with " +
               std::to_string(beeps) + " beeps";
    return {};
}

// Delivers one event and returns the first rule it broke, "" when none.
inline std::string step(Form2& f, const Event& e) {
    const Snapshot was = snapshot(f);
    if (e.kind == Kind::Paste) {
        const std::string beside = driver::stateBesideRods(f), rods = driver::rodState(f);
        const bool laid = calc::paste(f, e.text);
        const std::string broken = pasteViolation(f, e, laid, was, beside, rods);
        return broken.empty() ? violation(f, e, was) : broken;
    }
    static constexpr void (*handlers[])(Form2&, const Event&) = {
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
    return violation(f, e, was);
}

} // namespace rodwise_check

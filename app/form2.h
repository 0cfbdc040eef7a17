#pragma once

#include "app/controls.h"

#include <array>
#include <cstdint>
#include <string>

// The calculator window's logic: its state and one handler per user event,
// named after the control and the event. The handlers live beside the part of
// the calculator they belong to (board/, calc/); this header is the one place
// the form is declared.
class Form2 {
public:
    using Integer = std::int16_t;

    Form2();
    Form2(const Form2&) = delete;
    Form2& operator=(const Form2&) = delete;

    // Start-up, the clear ("C"), the beam's radio buttons and the rod labels.
    void Form_Load();
    void Command4_Click();
    void Option1_Click(int Index);
    void Lab1_Click(int Index);
    void Picture22_Click(int Index);

    // A press on a bead cell; button is 1 (left), 2 (right) or 4 (middle).
    // Pic0_MouseDown ... pic9_MouseDown and Pic05_MouseDown ... pic95_MouseDown
    // are these two handlers with the rod as their first argument.
    void LowerDeck_MouseDown(int rod, int Index, int Button);
    void UpperDeck_MouseDown(int rod, int Index, int Button);
    // A click on the beam between the radio buttons.
    void Frame1_Click();

    // "*", "/", "H.+", "H.-" (Index 0 to 3), "=", "H-D" and "Hex".
    void Command1_Click(int Index);
    void Command3_Click();
    void Command5_Click();
    void Command6_Click();

    // A user's click on a radio button: it checks the button and runs its handler.
    void userClicksOption(int Index);

    Controls& controls() { return controls_; }
    const Controls& controls() const { return controls_; }

    // Read-only views of the private state, for the window and the tests.
    Integer upvalAt(int rod) const { return upval.at(idx(rod)); }
    Integer lowvalAt(int rod) const { return lowval.at(idx(rod)); }
    const std::string& rodstrAt(int rod) const { return rodstr.at(idx(rod)); }
    const std::string& digstrAt(int rod) const { return digstr.at(idx(rod)); }
    const std::string& numstrAt(int i) const { return numstr.at(idx(i)); }
    bool hexMode() const;
    // The hexadecimal number on rods 0 to 7, as the keys read it.
    double readHexBoard() const;

    double digit1 = 0;
    double digit = 0;
    Integer num2 = 0;
    Integer dot = 0;
    bool firstnum = false;

private:
    static std::size_t idx(int i) { return static_cast<std::size_t>(i); }

    void ResetBoard();
    void ShowNumber();

    // Pictures of a deck's value, shared by the bead handlers and the reset.
    void showUpperDeck(int rod, int value);
    void showLowerDeck(int rod, int value);
    void setRodText(int rod);
    // Lays one decimal digit onto a rod, as a result is shown.
    void showDigit(int rod, int value);

    // Reading the board as the operator keys and "=" read it.
    std::string joinRods() const;
    double readDecimalBoard(std::string& text);
    // "=" in hexadecimal work.
    void hexEquals();
    // Copies the digits of a shown result into the rod texts and rod labels.
    void copyResultDigits(int rods);

    Controls controls_;
    std::array<Integer, rodCount> upval{};
    std::array<Integer, rodCount> lowval{};
    std::array<std::string, rodCount> rodstr{};
    std::array<std::string, rodCount> digstr{};
    std::array<std::string, 11> numstr{};
};

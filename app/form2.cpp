#include "app/form2.h"

Form2::Form2() {
    controls_.onOptionClick([this](int index) { Option1_Click(index); });
}

void Form2::Form_Load() {
    Command4_Click();
}

// "C": back to the state of start-up, in decimal mode. The pending operation
// code and the visibility of the labels survive it.
void Form2::Command4_Click() {
    ResetBoard();
    for (int rod = 0; rod < rodCount; ++rod) {
        controls_.setCellEnabled(Deck::Upper, rod, 1, false);
        controls_.setCellEnabled(Deck::Lower, rod, 5, false);
    }
    for (int k = 0; k < rodCount; ++k) {
        numstr.at(idx(k)).assign(1, '0');
        digstr.at(idx(k)).assign(1, '0');
        controls_.rodLabel(k).caption.clear();
    }
    digit = 0;
    digit1 = 0;
    dot = 0;
    firstnum = false;
    controls_.selectOption(0);
    controls_.resultLine().caption.clear();
    controls_.setKeyEnabled(Key::Equals, true);
    controls_.setKeyEnabled(Key::HexPlus, false);
    controls_.setKeyEnabled(Key::HexMinus, false);
    controls_.setKeyEnabled(Key::HexDec, true);
}

void Form2::Option1_Click(int Index) {
    dot = static_cast<Integer>(Index);
}

void Form2::userClicksOption(int Index) {
    controls_.checkOption(Index);
    Option1_Click(Index);
}

void Form2::Lab1_Click(int /*Index*/) {
    for (int rod = 0; rod < rodCount; ++rod)
        controls_.rodLabel(rod).visible = false;
}

void Form2::Picture22_Click(int /*Index*/) {
    for (int rod = 0; rod < rodCount; ++rod)
        controls_.rodLabel(rod).visible = true;
}

// The mode lives in the controls: hexadecimal work is on while rod 0's second
// upper bead or its fifth lower bead can be clicked.
bool Form2::hexMode() const {
    return controls_.cellEnabled(Deck::Upper, 0, 1) || controls_.cellEnabled(Deck::Lower, 0, 5);
}

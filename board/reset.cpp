#include "app/form2.h"

// Every rod back to 0, images and values alike. Unlike the clear, this leaves
// every enabled state, key, label, operand and the decimal point alone.
void Form2::ResetBoard() {
    for (int rod = 0; rod < rodCount; ++rod) {
        showUpperDeck(rod, 0);
        showLowerDeck(rod, 0);
        rodstr.at(idx(rod)).assign(1, '0');
        lowval.at(idx(rod)) = 0;
        upval.at(idx(rod)) = 0;
    }
}

void Form2::Frame1_Click() {
    ResetBoard();
}

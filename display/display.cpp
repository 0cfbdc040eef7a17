#include "display/display.h"

Display::Display() {
    keys_.fill(true);
    showRodLabels(false);
}

void Display::showRodLabels(bool on) {
    for (Label& label : rodLabels_)
        label.visible = on;
}

void Display::beep() {
    ++beepCount_;
    if (sound_)
        sound_();
}

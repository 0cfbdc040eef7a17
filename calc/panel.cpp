#include "calc/panel.h"

Panel::Panel() {
    keys_.fill(true);
    showRodLabels(false);
}

void Panel::showRodLabels(bool on) {
    for (Label& label : rodLabels_)
        label.visible = on;
}

void Panel::beep() {
    ++beepCount_;
    if (sound_)
        sound_();
}

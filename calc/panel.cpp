#include "calc/panel.h"

Panel::Panel() {
    keys_.fill(true);
    showRodLabels(false);
}

void Panel::showRodLabels(bool on) {
    for (Label& label : rodLabels_)
        label.visible = on;
}

#include "calc/calculator.h"

#include "calc/pasted_number.h"

namespace {

Answer changed() {
    return {Answer::Outcome::Changed};
}

} // namespace

Answer Calculator::press(Key key) {
    if (!panel.keyEnabled(key))
        return {};
    return calculation.press(key);
}

Answer Calculator::pressBead(int rod, BeadPress cell, MouseButton button) {
    return board.press(rod, cell, button) ? changed() : Answer{};
}

Answer Calculator::typeDigit(int rod, int value) {
    return board.setRod(rod, value) ? changed() : Answer{};
}

Answer Calculator::paste(std::string_view text) {
    const std::optional<calc::Rods> rods =
        calc::pastedRods(text, calculation.hexadecimal(), calculation.point());
    if (!rods) {
        // Nothing has been entered yet, so unlike a refused result nothing
        // is cleared.
        return {Answer::Outcome::PasteRefused, 1};
    }
    // Rod 9 first, as a user would write the number down.
    for (int rod = rodCount - 1; rod >= 0; --rod)
        board.setRod(rod, (*rods)[std::size_t(rod)]);
    return {Answer::Outcome::Pasted, 0, calculation.boardNumber()};
}

Answer Calculator::choosePoint(int rod) {
    calculation.choosePoint(rod);
    return changed();
}

Answer Calculator::resetBoard() {
    board.reset();
    return changed();
}

Answer Calculator::showRodLabels(bool on) {
    panel.showRodLabels(on);
    return changed();
}

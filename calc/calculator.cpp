#include "calc/calculator.h"

#include "calc/pasted_number.h"

#include <utility>

namespace {

Answer changed() {
    return {Answer::Outcome::Changed};
}

} // namespace

template <typename Event> Answer Calculator::recorded(Event event) {
    CalculatorState before = state();
    Answer answer = event();
    if (state() == before)
        return answer;
    if (state().board != before.board)
        followLesson(answer);
    history_.record(std::move(before));
    return answer;
}

void Calculator::followLesson(Answer& answer) {
    answer.lesson = course_.follow(board);
    const lesson::Lesson* finished = course_.lesson();
    if (!answer.lesson || answer.lesson->kind != lesson::Progress::Kind::Finished)
        return;
    const lesson::Exercise& exercise = finished->exercise();
    const auto written = [&](std::uint64_t n) { return lesson::written(n, exercise.base); };
    answer.tape = TapeEntry{exercise.sign == lesson::Sign::Plus ? TapeEntry::Operation::Add
                                                                : TapeEntry::Operation::Subtract,
                            exercise.base == 16, written(exercise.first), written(exercise.second),
                            written(exercise.answer())};
}

Answer Calculator::beginLesson(std::string_view typed) {
    Answer answer;
    answer.lesson = course_.begin(typed, calculation.hexadecimal() ? 16 : 10, board);
    return answer;
}

Answer Calculator::endLesson() {
    Answer answer;
    answer.lesson = course_.end();
    return answer;
}

Answer Calculator::press(Key key) {
    return recorded([&] { return panel.keyEnabled(key) ? calculation.press(key) : Answer{}; });
}

Answer Calculator::pressBead(int rod, BeadPress cell, MouseButton button) {
    return recorded([&] { return board.press(rod, cell, button) ? changed() : Answer{}; });
}

Answer Calculator::typeDigit(int rod, int value) {
    return recorded([&] { return board.setRod(rod, value) ? changed() : Answer{}; });
}

Answer Calculator::paste(std::string_view text) {
    return recorded([&]() -> Answer {
        const std::optional<calc::Rods> rods =
            calc::pastedRods(text, calculation.hexadecimal(), calculation.point());
        if (!rods) {
            // Nothing has been entered yet, so unlike a refused result
            // nothing is cleared.
            return {Answer::Outcome::PasteRefused, 1};
        }
        // Rod 9 first, as a user would write the number down.
        for (int rod = rodCount - 1; rod >= 0; --rod)
            board.setRod(rod, (*rods)[std::size_t(rod)]);
        return {Answer::Outcome::Pasted, 0, calculation.boardNumber()};
    });
}

Answer Calculator::choosePoint(int rod) {
    return recorded([&] {
        calculation.choosePoint(rod);
        return changed();
    });
}

Answer Calculator::resetBoard() {
    return recorded([&] {
        board.reset();
        return changed();
    });
}

Answer Calculator::showRodLabels(bool on) {
    return recorded([&] {
        panel.showRodLabels(on);
        return changed();
    });
}

Answer Calculator::undo() {
    return restore(history_.undo(state()), Answer::Outcome::Undone, Answer::Outcome::NothingToUndo);
}

Answer Calculator::redo() {
    return restore(history_.redo(state()), Answer::Outcome::Redone, Answer::Outcome::NothingToRedo);
}

Answer Calculator::restore(std::optional<CalculatorState> kept, Answer::Outcome done,
                           Answer::Outcome nothing) {
    if (!kept)
        return {nothing};
    board = kept->board;
    panel = kept->panel;
    calculation.restore(std::move(kept->calculation));
    Answer answer{done, 0, calculation.boardNumber()};
    followLesson(answer);
    return answer;
}

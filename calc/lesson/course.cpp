#include "calc/lesson/course.h"

#include "convert/convert.h"

namespace lesson {
namespace {

bool blank(std::string_view text) {
    return convert::trimmed(text).empty();
}

} // namespace

Progress Course::begin(std::string_view typed, int base, const Board& board) {
    if (blank(typed)) {
        lesson_.emplace(seriesExercise(nextInSeries_++, base), board);
    } else {
        const std::variant<Exercise, Refusal> read = readExercise(typed, base);
        if (const auto* refusal = std::get_if<Refusal>(&read))
            return {Progress::Kind::Refused, *refusal};
        lesson_.emplace(std::get<Exercise>(read), board);
    }
    return {lesson_->finished() ? Progress::Kind::Finished : Progress::Kind::Begun};
}

std::optional<Progress> Course::follow(const Board& board) {
    if (!lesson_ || lesson_->finished())
        return std::nullopt;
    return lesson_->follow(board);
}

Progress Course::end() {
    lesson_.reset();
    return {Progress::Kind::Ended};
}

} // namespace lesson

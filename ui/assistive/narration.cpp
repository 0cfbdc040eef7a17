#include "ui/assistive/narration.h"

#include <QCoreApplication>

namespace narration {
namespace {

// The context of this file's texts in the translations.
struct Narration {
    Q_DECLARE_TR_FUNCTIONS(Narration)
};

} // namespace

QString message(const Answer& answer) {
    const QString shown = QString::fromStdString(answer.shown);
    using Outcome = Answer::Outcome;
    switch (answer.outcome) {
    case Outcome::Nothing:
    case Outcome::Changed:
    case Outcome::OperandTaken:
        return {};
    case Outcome::ResultLaid:
        return Narration::tr("Result %1").arg(shown);
    case Outcome::ResultWritten:
        return shown;
    case Outcome::Cleared:
        return Narration::tr("Cleared. Decimal mode.");
    case Outcome::HexadecimalMode:
        return Narration::tr("Cleared. Hexadecimal mode: rods 0 to 7 take 0 to F.");
    case Outcome::Pasted:
        return Narration::tr("Pasted %1").arg(shown);
    case Outcome::PasteRefused:
        return Narration::tr("Not a number the board can hold. Nothing changed.");
    case Outcome::Refused:
        return Narration::tr("Refused. The calculator is cleared.");
    case Outcome::Undone:
        return Narration::tr("Undone. The board reads %1").arg(shown);
    case Outcome::Redone:
        return Narration::tr("Redone. The board reads %1").arg(shown);
    case Outcome::NothingToUndo:
        return Narration::tr("Nothing to undo");
    case Outcome::NothingToRedo:
        return Narration::tr("Nothing to redo");
    }
    return {};
}

speech::Politeness politeness(const Answer& answer) {
    return answer.bells > 0 ? speech::Politeness::Assertive : speech::Politeness::Polite;
}

bool saysMarkedDigit(const Answer& answer) {
    return answer.outcome == Answer::Outcome::Changed;
}

bool marksRodZero(const Answer& answer) {
    using Outcome = Answer::Outcome;
    return answer.outcome == Outcome::Refused || answer.outcome == Outcome::Cleared ||
           answer.outcome == Outcome::HexadecimalMode;
}

} // namespace narration

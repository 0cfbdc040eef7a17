#include "ui/narration.h"

#include "app/form2.h"
#include "calc/shown_number.h"

#include <QCoreApplication>

namespace narration {
namespace {

// The context of this file's texts in the translations.
struct Narration {
    Q_DECLARE_TR_FUNCTIONS(Narration)
};

QString resultLine(const Form2& form) {
    return QString::fromStdString(form.controls().resultLine().caption);
}

} // namespace

QString message(const Form2& form, After after, bool refused) {
    if (refused)
        return Narration::tr("Refused. The calculator is cleared.");
    switch (after) {
    case After::Operator:
        return {};
    case After::Equals:
        // A hexadecimal result is written on the result line; a decimal one
        // lies on the rods alone.
        if (const Label& line = form.controls().resultLine(); line.visible && !line.caption.empty())
            return resultLine(form);
        return Narration::tr("Result %1").arg(QString::fromStdString(calc::boardNumber(form)));
    case After::Convert:
        return resultLine(form);
    case After::Clear:
        return Narration::tr("Cleared. Decimal mode.");
    case After::Hex:
        return Narration::tr("Cleared. Hexadecimal mode: rods 0 to 7 take 0 to F.");
    }
    return {};
}

bool marksRodZero(After after, bool refused) {
    return refused || after == After::Clear || after == After::Hex;
}

} // namespace narration

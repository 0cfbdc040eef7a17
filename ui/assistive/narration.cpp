#include "ui/assistive/narration.h"

#include "calc/calculator.h"
#include "calc/shown_number.h"

#include <QCoreApplication>

namespace narration {
namespace {

// The context of this file's texts in the translations.
struct Narration {
    Q_DECLARE_TR_FUNCTIONS(Narration)
};

QString resultLine(const Calculator& calculator) {
    return QString::fromStdString(calculator.panel.resultLine().caption);
}

} // namespace

QString message(const Calculator& calculator, Key key, bool refused) {
    if (refused)
        return Narration::tr("Refused. The calculator is cleared.");
    switch (key) {
    case Key::Multiply:
    case Key::Divide:
    case Key::HexPlus:
    case Key::HexMinus:
        return {};
    case Key::Equals:
        // A hexadecimal result is written on the result line; a decimal one
        // lies on the rods alone.
        if (const Label& line = calculator.panel.resultLine();
            line.visible && !line.caption.empty())
            return resultLine(calculator);
        return Narration::tr("Result %1")
            .arg(QString::fromStdString(calc::boardNumber(calculator)));
    case Key::Convert:
        return resultLine(calculator);
    case Key::Clear:
        return Narration::tr("Cleared. Decimal mode.");
    case Key::Hexadecimal:
        return Narration::tr("Cleared. Hexadecimal mode: rods 0 to 7 take 0 to F.");
    }
    return {};
}

bool marksRodZero(Key key, bool refused) {
    return refused || key == Key::Clear || key == Key::Hexadecimal;
}

} // namespace narration

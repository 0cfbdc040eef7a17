#include "ui/window/clipboard.h"

#include "calc/pasted_number.h"
#include "calc/shown_number.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace clipboard {
namespace {

// The context of this file's texts in the translations.
struct Keyboard {
    Q_DECLARE_TR_FUNCTIONS(Keyboard)
};

} // namespace

void copy(const Calculator& calculator) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(calc::shownNumber(calculator)));
}

Pasted paste(Calculator& calculator) {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    const QString text = data && data->hasText()
                             ? data->text().left(qsizetype(calc::pasteTextLimit) + 1)
                             : QString();
    if (!calc::paste(calculator, text.toStdString()))
        return {false, Keyboard::tr("Not a number the board can hold. Nothing changed.")};
    return {true,
            Keyboard::tr("Pasted %1").arg(QString::fromStdString(calc::boardNumber(calculator)))};
}

} // namespace clipboard

#include "ui/window/clipboard.h"

#include "app/form2.h"
#include "calc/pasted_number.h"
#include "calc/shown_number.h"
#include "ui/widgets/board_keys.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

namespace clipboard {
namespace {

// The context of this file's texts in the translations.
struct Keyboard {
    Q_DECLARE_TR_FUNCTIONS(Keyboard)
};

} // namespace

void copy(const Form2& form) {
    QApplication::clipboard()->setText(QString::fromStdString(calc::shownNumber(form)));
}

Pasted paste(Form2& form, BoardKeys& board) {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    const QString text = data && data->hasText()
                             ? data->text().left(qsizetype(calc::pasteTextLimit) + 1)
                             : QString();
    bool laid = false;
    // Announced as a whole below, not rod by rod.
    board.asOneChange(
        [&] {
            laid = calc::paste(form, text.toStdString(), [&board](int rod, board::BeadPress press) {
                board.pressBead(rod, press);
            });
        },
        true);
    if (!laid)
        return {false, Keyboard::tr("Not a number the board can hold. Nothing changed.")};
    return {true, Keyboard::tr("Pasted %1").arg(QString::fromStdString(calc::boardNumber(form)))};
}

} // namespace clipboard

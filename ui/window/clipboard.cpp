#include "ui/window/clipboard.h"

#include "calc/pasted_number.h"
#include "calc/shown_number.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace clipboard {

void copy(const Calculator& calculator) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(calc::shownNumber(calculator)));
}

std::string pasteText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText())
        return {};
    return data->text().left(qsizetype(calc::pasteTextLimit) + 1).toStdString();
}

} // namespace clipboard

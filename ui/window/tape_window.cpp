#include "ui/window/tape_window.h"

#include "ui/assistive/accessibility.h"

#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace {

// The context of the tape's texts in the translations.
struct Tape {
    Q_DECLARE_TR_FUNCTIONS(Tape)
};

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QString hexadecimal(const QString& number) {
    return Tape::tr("%1 (hex)").arg(number);
}

QChar operatorSign(TapeEntry::Operation operation) {
    switch (operation) {
    case TapeEntry::Operation::Multiply:
        return u'×';
    case TapeEntry::Operation::Divide:
        return u'÷';
    case TapeEntry::Operation::Add:
        return u'+';
    default:
        return u'−';
    }
}

bool ctrlWith(const QKeyEvent& event, Qt::Key key) {
    return event.key() == key && (event.modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
}

} // namespace

QString tapeLine(const TapeEntry& entry) {
    using Operation = TapeEntry::Operation;
    QString left = text(entry.first);
    if (entry.operation == Operation::ToDecimal) {
        left = hexadecimal(left);
    } else if (entry.operation != Operation::ToHexadecimal) {
        const QString second = text(entry.second);
        left = QStringLiteral("%1 %2 %3")
                   .arg(left, QString(operatorSign(entry.operation)),
                        entry.hexadecimal ? hexadecimal(second) : second);
    }
    const QString result = !entry.result               ? Tape::tr("refused")
                           : entry.hexadecimalResult() ? hexadecimal(text(*entry.result))
                                                       : text(*entry.result);
    return left + QStringLiteral(" = ") + result;
}

bool saveTape(const QString& path, const QStringList& lines) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    for (const QString& line : lines)
        file.write((line + u'\n').toUtf8());
    return file.flush() && file.error() == QFile::NoError;
}

TapeWindow::TapeWindow(QWidget* calculator, std::vector<TapeEntry>& entries,
                       std::function<void(const std::string&)> lay)
    : QWidget(calculator, Qt::Window), entries_(entries), lay_(std::move(lay)),
      list_(new QListWidget(this)) {
    setObjectName(QStringLiteral("tape"));
    setWindowTitle(Tape::tr("Tape — Rodwise H-D"));
    list_->setAccessibleName(Tape::tr("Tape"));
    list_->installEventFilter(this);
    auto* clearButton = new QPushButton(Tape::tr("Clear"), this);
    clearButton->setAccessibleDescription(Tape::tr("Empties the tape"));
    auto* column = new QVBoxLayout(this);
    column->addWidget(list_);
    column->addWidget(clearButton, 0, Qt::AlignRight);
    connect(clearButton, &QPushButton::clicked, this, [this] { clear(); });
    connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        lay_(calc::copiedResult(entries_.at(std::size_t(list_->row(item)))));
    });
    resize(calculator->width() / 2, calculator->height());
    move(calculator->frameGeometry().topRight() + QPoint(8, 0));
    catchUp();
}

void TapeWindow::catchUp() {
    for (std::size_t i = std::size_t(list_->count()); i < entries_.size(); ++i)
        list_->addItem(tapeLine(entries_[i]));
    if (list_->count() > 0)
        list_->setCurrentRow(list_->count() - 1);
}

void TapeWindow::keyPressEvent(QKeyEvent* event) {
    if (!takeKey(*event))
        QWidget::keyPressEvent(event);
}

bool TapeWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::FocusIn) {
        // After Qt has told of the list's focus, the newest line's, so that a
        // screen reader reads it.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (list_->hasFocus() && list_->currentRow() >= 0)
                    accessibility::itemFocused(list_, list_->currentRow());
            },
            Qt::QueuedConnection);
    }
    return watched == list_ && event->type() == QEvent::KeyPress &&
           takeKey(*static_cast<QKeyEvent*>(event));
}

bool TapeWindow::takeKey(const QKeyEvent& event) {
    if (event.matches(QKeySequence::Copy)) {
        if (const int row = list_->currentRow(); row >= 0)
            QGuiApplication::clipboard()->setText(
                text(calc::copiedResult(entries_.at(std::size_t(row)))));
    } else if (ctrlWith(event, Qt::Key_S)) {
        save();
    } else if (ctrlWith(event, Qt::Key_H) || event.key() == Qt::Key_Escape) {
        hide();
    } else {
        return false;
    }
    return true;
}

void TapeWindow::save() {
    const QString path = QFileDialog::getSaveFileName(this, Tape::tr("Save the tape"), QString(),
                                                      Tape::tr("Text files (*.txt)"));
    QStringList lines;
    for (int row = 0; row < list_->count(); ++row)
        lines << list_->item(row)->text();
    if (!path.isEmpty() && !saveTape(path, lines))
        QMessageBox::warning(this, windowTitle(), Tape::tr("The tape could not be saved."));
}

void TapeWindow::clear() {
    entries_.clear();
    list_->clear();
}

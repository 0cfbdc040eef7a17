#include "ui/window/lesson_strip.h"

#include "ui/assistive/lesson_words.h"
#include "ui/window/zoom.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

LessonStrip::LessonStrip(QWidget* window, std::function<void(const QString& typed)> begin)
    : QWidget(window), exercise_(new QLineEdit(this)), step_(new QLabel(this)),
      news_(new QLabel(this)) {
    setObjectName(QStringLiteral("lessonStrip"));
    exercise_->setAccessibleName(tr("Exercise"));
    exercise_->setPlaceholderText(tr("27+45, or Enter for the next exercise"));
    step_->setAccessibleName(tr("Lesson step"));
    news_->setAccessibleName(tr("Lesson news"));
    for (QLabel* label : {step_, news_})
        label->setWordWrap(true);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 2, 6, 2);
    column->setSpacing(2);
    column->addWidget(exercise_);
    column->addWidget(step_, 1);
    column->addWidget(news_, 1);
    connect(exercise_, &QLineEdit::returnPressed, this,
            [this, begin = std::move(begin)] { begin(exercise_->text()); });
    hide();
}

void LessonStrip::open() {
    QWidget::show();
    raise();
    exercise_->setFocus();
    exercise_->selectAll();
}

void LessonStrip::show(const lesson::Progress& progress, const lesson::Lesson* lesson,
                       const QString& said) {
    using Kind = lesson::Progress::Kind;
    switch (progress.kind) {
    case Kind::OnTheWay:
        // Back on the way: the last miss no longer holds.
        if (!news_->text().isEmpty())
            news_->clear();
        return;
    case Kind::Begun:
    case Kind::NextStep:
    case Kind::SteppedBack:
        step_->setText(lesson_words::step(lesson->step(), lesson->exercise()));
        news_->clear();
        return;
    case Kind::Finished:
        step_->setText(said);
        news_->clear();
        // Ctrl+L and Enter then take the series' next exercise.
        exercise_->clear();
        return;
    case Kind::Missed:
    case Kind::Refused:
        news_->setText(said);
        return;
    case Kind::Ended:
        step_->clear();
        news_->clear();
        return;
    }
}

void LessonStrip::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return event->accept();
    QWidget::keyPressEvent(event);
}

void LessonStrip::setZoom(int zoomPercent) {
    zoomText(*this, zoomPercent);
    const int side = 6 * zoomPercent / 100;
    const int edge = 2 * zoomPercent / 100;
    layout()->setContentsMargins(side, edge, side, edge);
    layout()->setSpacing(edge);
}

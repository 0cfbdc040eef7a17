#include "ui/window/window.h"

#include "ui/assistive/lesson_words.h"
#include "ui/assistive/narration.h"
#include "ui/assistive/speech.h"
#include "ui/platform/bell.h"
#include "ui/platform/desktop_contrast.h"
#include "ui/widgets/board_keys.h"
#include "ui/widgets/key_row.h"
#include "ui/widgets/palette.h"
#include "ui/window/clipboard.h"
#include "ui/window/help_window.h"
#include "ui/window/lesson_strip.h"
#include "ui/window/shortcuts.h"
#include "ui/window/tape_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>

Window::Window(QWidget* parent)
    : QWidget(parent), zoom_(*this, [this](int zoom, QPoint origin) { layOut(zoom, origin); }) {
    // Named before any control exists: a screen reader that meets the window
    // while they are made knows it by its name.
    setObjectName(QStringLiteral("calculator"));
    setWindowTitle(QStringLiteral("Rodwise H-D"));
    controls_ = std::make_unique<Controls>(*this, calculator_,
                                           [this](const Answer& answer) { respond(answer); });
    addBoard();
    for (int i = 0; i < keyCount; ++i) {
        QAbstractButton* button = key(static_cast<Key>(i));
        button->setToolTip(key_row::tooltip(static_cast<Key>(i), button->accessibleName()));
    }
    // Digits go to the board from the start, and a click on a key or a radio
    // button leaves the focus there: those take it from Tab only.
    board_->setFocus();
    for (QAbstractButton* button : findChildren<QAbstractButton*>())
        button->setFocusPolicy(Qt::TabFocus);
    ringBell = [this] { bell::ring(*this); };
    qApp->installEventFilter(this);
    sync();
}

Window::~Window() = default;

void Window::addBoard() {
    BoardKeys::Listeners listeners{
        [this](int rod) { accessibility::rodFocused(board_, rod); },
        [this](int rod, int value) { respond(calculator_.typeDigit(rod, value)); }};
    board_ = new BoardKeys(
        this, calculator_,
        [this](QStringView name, int index) { return controls_->control(name, index); },
        std::move(listeners));
    rodNews_ = std::make_unique<accessibility::RodNews>(board_);
}

void Window::respond(const Answer& answer) {
    for (int bell = 0; bell < answer.bells; ++bell)
        ringBell();
    controls_->sync();
    rodNews_->tell(narration::saysMarkedDigit(answer));
    if (narration::marksRodZero(answer))
        board_->markRodZero();
    if (const QString message = narration::message(answer); !message.isEmpty())
        speech::say(this, message, narration::politeness(answer));
    if (answer.lesson)
        followLesson(*answer.lesson);
    if (answer.tape) {
        tape_.push_back(*answer.tape);
        if (tapeWindow_)
            tapeWindow_->catchUp();
    }
}

void Window::openLesson() {
    // Made on first use: a start that teaches nothing pays nothing for it.
    if (!lessonStrip_) {
        lessonStrip_ = new LessonStrip(this, [this](const QString& typed) {
            respond(calculator_.beginLesson(typed.toStdString()));
        });
    }
    // Lays the window out again, the strip in the room below.
    zoom_.makeRoomBelow(LessonStrip::heightTwips);
    lessonStrip_->open();
}

void Window::followLesson(const lesson::Progress& progress) {
    using Kind = lesson::Progress::Kind;
    const QString said = lesson_words::news(progress, calculator_.lesson());
    lessonStrip_->show(progress, calculator_.lesson(), said);
    // The steps are done on the rods, by the keyboard as well as the mouse.
    if (progress.kind == Kind::Begun)
        board_->setFocus();
    if (progress.kind == Kind::Ended)
        closeLessonStrip();
    // A hint comes or goes only with a miss or a new step.
    if (progress.kind != Kind::OnTheWay)
        accessibility::rodDescriptionsChanged(board_);
    if (!said.isEmpty())
        speech::say(this, said);
}

void Window::closeLessonStrip() {
    lessonStrip_->hide();
    zoom_.makeRoomBelow(0);
    board_->setFocus();
}

void Window::toggleTape() {
    if (!tapeWindow_) {
        tapeWindow_ = new TapeWindow(
            this, tape_, [this](const std::string& text) { respond(calculator_.paste(text)); });
        zoomText(*tapeWindow_, zoom());
        tapeWindow_->setPalette(palette());
    }
    if (tapeWindow_->isVisible())
        return tapeWindow_->hide();
    tapeWindow_->show();
    tapeWindow_->raise();
    tapeWindow_->activateWindow();
}

QList<QWidget*> Window::ownWindows() const {
    QList<QWidget*> made;
    for (QWidget* own : {static_cast<QWidget*>(tapeWindow_), static_cast<QWidget*>(helpWindow_)})
        if (own)
            made << own;
    return made;
}

void Window::showHelp() {
    if (!helpWindow_) {
        helpWindow_ = new HelpWindow(this);
        zoomText(*helpWindow_, zoom());
        helpWindow_->setPalette(palette());
    }
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
}

void Window::sync() {
    controls_->sync();
    rodNews_->tell(true);
}

void Window::layOut(int zoomPercent, QPoint origin) {
    // Nothing reaches the screen until every control stands at its new place.
    setUpdatesEnabled(false);
    controls_->layOut(zoomPercent, origin);
    board_->relayout(zoomPercent);
    if (lessonStrip_) {
        lessonStrip_->setGeometry(zoom_.roomBelow());
        lessonStrip_->setZoom(zoomPercent);
    }
    setUpdatesEnabled(true);
    for (QWidget* own : ownWindows())
        zoomText(*own, zoomPercent);
}

void Window::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    zoom_.resized();
}

bool Window::eventFilter(QObject* watched, QEvent* event) {
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this)
        return false;
    switch (event->type()) {
    case QEvent::Wheel:
        return zoom_.takeWheel(*static_cast<QWheelEvent*>(event));
    case QEvent::MouseButtonPress:
        if (event->spontaneous())
            board_->mouseUsed();
        return false;
    case QEvent::KeyPress: {
        // Asked where the press is first delivered, not again as it goes on
        // to the widget's parents.
        const QWidget* first = QApplication::focusWidget() ? QApplication::focusWidget() : this;
        return watched == first && screenReaderKeys_.claimed(*static_cast<QKeyEvent*>(event));
    }
    default:
        return false;
    }
}

void Window::keyPressEvent(QKeyEvent* event) {
    const std::optional<shortcuts::Command> command =
        shortcuts::commandFor(*event, lessonStrip_ && lessonStrip_->isVisible());
    if (!command)
        return QWidget::keyPressEvent(event);
    using Kind = shortcuts::Command::Kind;
    switch (command->kind) {
    case Kind::Zoom:
        return zoom_.step(command->zoomDirection);
    case Kind::Copy:
        return clipboard::copy(calculator_);
    case Kind::Paste:
        return respond(calculator_.paste(clipboard::pasteText()));
    case Kind::Undo:
        return respond(calculator_.undo());
    case Kind::Redo:
        return respond(calculator_.redo());
    case Kind::Tape:
        return toggleTape();
    case Kind::Help:
        return showHelp();
    case Kind::Lesson:
        return openLesson();
    case Kind::EndLesson:
        // A strip with no lesson begun closes without a word.
        return calculator_.lesson() ? respond(calculator_.endLesson()) : closeLessonStrip();
    case Kind::PressKey:
        // A click, so a disabled key does nothing; click(), not
        // animateClick(): the answer comes before the next key is read, so
        // fast typing keeps its order.
        return key(command->key)->click();
    }
}

QWidget* Window::control(QStringView name, int index) const {
    return controls_->control(name, index);
}

QAbstractButton* Window::key(Key key) const {
    return controls_->key(key);
}

void Window::useContrast(std::optional<bool> chosen) {
    if (chosen)
        showContrast(*chosen);
    else
        desktop_contrast::follow(this, [this](bool high) { showContrast(high); });
}

void Window::showContrast(bool high) {
    if (palette::current().high == high)
        return;
    palette::useHighContrast(high);
    if (high) {
        // The window's own roles: the keys' faces and edges, the radio
        // buttons' wells, the background between the controls.
        QPalette roles = palette();
        const QColor black(Qt::black);
        const QColor white(Qt::white);
        for (const auto& [role, colour] : {std::pair{QPalette::Window, black},
                                           {QPalette::WindowText, white},
                                           {QPalette::Button, white},
                                           {QPalette::ButtonText, black},
                                           {QPalette::Light, white},
                                           {QPalette::Midlight, white},
                                           {QPalette::Dark, black},
                                           {QPalette::Shadow, black},
                                           {QPalette::Base, white},
                                           {QPalette::Text, black},
                                           {QPalette::Highlight, black}})
            roles.setColor(role, colour);
        setPalette(roles);
    } else {
        // Back to the desktop's palette, as before any choice.
        setPalette(QPalette());
    }
    controls_->restyle();
    for (QWidget* own : ownWindows())
        own->setPalette(palette());
    // The cells' pictures follow the board; nothing on the board changed, so
    // nothing is told to a screen reader.
    controls_->sync();
    update();
}

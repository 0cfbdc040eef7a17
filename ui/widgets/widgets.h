#pragma once

#include "board/board.h"

#include <QLabel>
#include <QRadioButton>
#include <QWidget>

#include <functional>
#include <optional>

class QPainter;

// The few kinds of control the calculator window is made of, beside its keys
// (ui/widgets/key_button.h). None needs its own signals: each reports its
// events through a plain callback.

// The button of a press on a bead cell; none for the buttons beyond the
// middle one (back, forward), which press no cell.
std::optional<MouseButton> beadButton(Qt::MouseButton button);

// A picture control: a bead cell, a bar or the beam. It shows
// its image unscaled from its top-left corner over an optional fill (an image
// drawn at the screen's device pixels covers its size divided by the screen's
// scale factor), reports a
// mouse press with the button, and a click (left press and release on it).
//
// A disabled picture looks exactly like an enabled one, and swallows every
// mouse event: Qt would otherwise hand a press that a disabled child refuses
// on to its parent, and a press on a disabled bead must end nowhere.
class Picture : public QWidget {
public:
    explicit Picture(QWidget* parent);

    // Repaints only when the image differs from the one shown.
    void setImage(const QImage* image);
    const QImage* image() const { return image_; }
    void setFill(QColor fill) { fill_ = fill; }
    // A lesson's hint: a ring around the picture, `width` pixels at 100 %
    // times the zoom, in the palette's hint colours.
    void setMarked(bool marked, int zoomPercent);
    bool marked() const { return marked_; }
    // A left press and release at the centre, delivered as the mouse's are:
    // onPress and onClick run unless the picture is disabled.
    void click();

    std::function<void(MouseButton button)> onPress;
    std::function<void()> onClick;

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void drawMark(QPainter& painter) const;

    const QImage* image_ = nullptr;
    QColor fill_;
    bool leftDown_ = false;
    bool marked_ = false;
    int zoom_ = 100;
};

// A radio button of the beam: only its round mark, 12 x 12 on the beam's grey,
// and a click anywhere on it is a click on the button. Its id in its group is
// the rod it stands over.
class PointButton : public QRadioButton {
public:
    explicit PointButton(QWidget* parent);

    void setZoom(int zoomPercent);

protected:
    bool hitButton(const QPoint& pos) const override;
    void paintEvent(QPaintEvent* event) override;
    // Left and Right move the check to the next button of the group and the
    // focus with it, whichever button has the focus; Up and Down do nothing.
    void keyPressEvent(QKeyEvent* event) override;

private:
    int zoom_ = 100;
};

// A label that reports a click (left press and release on it).
class ClickLabel : public QLabel {
public:
    explicit ClickLabel(QWidget* parent) : QLabel(parent) {}

    std::function<void()> onClick;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool leftDown_ = false;
};

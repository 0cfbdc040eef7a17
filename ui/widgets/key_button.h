#pragma once

#include "calc/keys.h"

#include <QPushButton>

// A key of the key row with a classic raised face. A picture key shows its
// symbol, and while held down the key's bead with the symbol over it; a text
// key shows its caption.
class KeyButton : public QPushButton {
public:
    // picture: one of Key::Multiply, Key::Divide, Key::Equals, Key::Clear to
    // draw that symbol, any other key for a caption key.
    KeyButton(Key key, bool picture, QWidget* parent);

    // The zoom its edge and symbol are drawn at; the caption's is its font's.
    void setZoom(int zoomPercent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The key's face under its edge, moved by shift while it is held down:
    // the symbol (held down, the key's bead with the symbol over it), or the
    // caption, its box w pixels inside the edge, engraved while disabled.
    void paintPictureFace(QPainter& painter, bool down, QPoint shift);
    void paintCaptionFace(QPainter& painter, const QPalette& pal, int w, QPoint shift);

    Key key_;
    bool picture_;
    int zoom_ = 100;
};

#pragma once

#include "calc/calculator.h"

#include <QPoint>
#include <QSize>
#include <QStringView>

#include <functional>
#include <utility>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QWidget;

namespace layout {
struct Control;
}

// The window's controls, built from the layout table. A control hands its
// user's event to the calculator and the calculator's answer to `respond`,
// the one way every control is wired to the core; the window then calls
// sync(), which brings every control in line with what the calculator holds.
//
// Every widget carries its control's name as objectName ("key", "bar",
// "lowerDeck3", ...); the controls of a row share the name and carry their
// index in the dynamic property "index" (see ui/widgets/layout.h).
class Controls {
public:
    using Respond = std::function<void(const Answer& answer)>;

    Controls(QWidget& window, Calculator& calculator, Respond respond);

    // The widget of control `name`, the one at `index` of a row of controls,
    // or with index -1 a control that is no row; nullptr when there is none.
    QWidget* control(QStringView name, int index = -1) const;
    QAbstractButton* key(Key key) const;

    // Every control at zoomPercent, the window's own ones moved by origin,
    // its pictures and fonts made afresh for that size.
    void layOut(int zoomPercent, QPoint origin);
    // Every widget in line with the calculator, changing only what differs,
    // so that the changes of one event reach the screen together.
    void sync();
    // Every control's colours in line with the palette.
    void restyle();

private:
    void add(const layout::Control& c);
    // Each text's font, fitted at the zoom.
    void setFonts(int zoomPercent);
    QWidget* addLabel(const layout::Control& c, QWidget* parent);
    QWidget* addKey(const layout::Control& c, QWidget* parent);
    QWidget* addCell(const layout::Control& c, QWidget* parent);
    QWidget* addPicture(const layout::Control& c, QWidget* parent);
    QWidget* addPointButton(QWidget* parent, int rod);
    void syncPoint();
    // A picture's size at 100 % in device pixels at the zoom shown.
    QSize devicePixels(QSize size) const;

    QWidget& window_;
    Calculator& calculator_;
    Respond respond_;
    QButtonGroup* pointButtons_;
    int zoom_ = 100;
    // Each control of the layout table with its widget, for a new zoom.
    std::vector<std::pair<const layout::Control*, QWidget*>> placed_;
    std::vector<std::function<void()>> syncs_;
    // Each brings one control's colours in line with the palette.
    std::vector<std::function<void()>> restyles_;
};

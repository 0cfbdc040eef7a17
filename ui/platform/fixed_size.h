#pragma once

class QWidget;

// The calculator's window has one size. This keeps it so against whatever a
// window manager, a compositor or a title bar asks.
namespace fixedsize {

// Call once the window has its fixed size. Where the window manager draws the
// title bar (X11) the window offers no maximize button and the manager keeps
// its size. On Wayland neither can be refused beforehand: Qt's own title bar
// draws a maximize button whatever the window's flags, and a compositor may
// maximize, tile or resize any window. A client that kept its size while
// maximized breaks the protocol at its next frame and is disconnected, so
// there the window takes the size it is given for one frame and then asks
// for its normal state and size back.
void keep(QWidget& window);

// Call after the window was given a new fixed size (a zoom): the size kept is
// the new one, and on Wayland the maximum is open again as keep() leaves it.
void resized(QWidget& window);

} // namespace fixedsize

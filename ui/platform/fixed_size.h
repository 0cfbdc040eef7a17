#pragma once

class QSize;
class QWidget;

// The calculator's window has one size in its normal state, its size at the
// zoom. Maximized or full screen it takes the size it is given and the window
// shows the abacus at the largest zoom that fits (see Window), so a maximize
// is useful and never breaks a compositor's rules: weston, for one, ends a
// client whose frame does not have the maximized size.
namespace fixed_size {

// Call once, after the window was given its normal size with setFixedSize.
// The window offers maximize; any other size it is given in the normal state
// (a drag on the frame, tiling) is answered with the normal size, and a
// restore from maximized returns to it.
void keep(QWidget& window);

// The window's normal size from now on (a new zoom): taken at once unless the
// window is maximized or full screen, and then on its restore.
void setSize(QWidget& window, const QSize& size);

} // namespace fixed_size

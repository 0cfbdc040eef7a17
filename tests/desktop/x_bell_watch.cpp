// Hears the X server's bells: prints one line per bell rung on the display, the
// id of the window it was rung for (0x0 for none), once the display is
// watched ("watching" first). A window manager flashing "the window that rang"
// reads the same XKB event.
#include <X11/XKBlib.h>

#include <cstdio>

int main() {
    Display* display = XOpenDisplay(nullptr);
    int opcode = 0, event = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
    if (!display || !XkbQueryExtension(display, &opcode, &event, &error, &major, &minor)) {
        std::fprintf(stderr, "x_bell_watch: no display with XKB\n");
        return 1;
    }
    XkbSelectEvents(display, XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask);
    XSync(display, 0);
    std::printf("watching\n");
    std::fflush(stdout);
    for (;;) {
        XkbEvent e;
        XNextEvent(display, &e.core);
        if (e.type == event && e.any.xkb_type == XkbBellNotify) {
            std::printf("0x%lx\n", e.bell.window);
            std::fflush(stdout);
        }
    }
}

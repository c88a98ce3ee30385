// Another X client destroying a window: destroy_window WINDOW-ID
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    Display* display = argc == 2 ? XOpenDisplay(nullptr) : nullptr;
    if (!display) {
        std::fputs("usage: destroy_window WINDOW-ID (with DISPLAY set)\n", stderr);
        return 2;
    }
    XDestroyWindow(display, static_cast<Window>(std::strtoul(argv[1], nullptr, 0)));
    XSync(display, False);
    XCloseDisplay(display);
    return 0;
}

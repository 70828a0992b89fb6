// Asks a top-level window, found by its title, to close, the way a window
// manager does when the user clicks the close box: a WM_DELETE_WINDOW
// message. Under a bare X server there is no window manager to do it.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstring>

namespace {

Window findByName(Display *display, Window window, const char *name)
{
    char *title = nullptr;
    if (XFetchName(display, window, &title) && title) {
        const bool found = std::strcmp(title, name) == 0;
        XFree(title);
        if (found)
            return window;
    }
    Window root, parent, *children = nullptr;
    unsigned count = 0;
    Window result = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &count)) {
        for (unsigned i = 0; i < count && !result; ++i)
            result = findByName(display, children[i], name);
        XFree(children);
    }
    return result;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: closewindow TITLE\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "closewindow: no display\n");
        return 2;
    }
    const Window window = findByName(display, DefaultRootWindow(display), argv[1]);
    if (!window) {
        std::fprintf(stderr, "closewindow: no window \"%s\"\n", argv[1]);
        return 1;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XCloseDisplay(display);
    return 0;
}

// Asks a window to close as a window manager's close button does (WM_DELETE_WINDOW), which
// xdotool cannot send.
#include <X11/Xlib.h>
#include <cstdio>
#include <cstdlib>

int main(int ArgumentCount, char** Arguments)
{
    if (ArgumentCount != 2) {
        std::fprintf(stderr, "usage: closewindow WINDOW-ID\n");
        return 2;
    }
    Display* Screen = XOpenDisplay(nullptr);
    if (!Screen) {
        std::fprintf(stderr, "closewindow: cannot open the display\n");
        return 1;
    }
    Window Target = std::strtoul(Arguments[1], nullptr, 0);
    XEvent Event{};
    Event.xclient.type = ClientMessage;
    Event.xclient.window = Target;
    Event.xclient.message_type = XInternAtom(Screen, "WM_PROTOCOLS", False);
    Event.xclient.format = 32;
    Event.xclient.data.l[0] = static_cast<long>(XInternAtom(Screen, "WM_DELETE_WINDOW", False));
    Event.xclient.data.l[1] = CurrentTime;
    Status Sent = XSendEvent(Screen, Target, False, NoEventMask, &Event);
    XCloseDisplay(Screen);
    return Sent ? 0 : 1;
}

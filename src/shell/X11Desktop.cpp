#include "shell/Desktop.h"

#include "shell/Monitors.h"

#include <GL/glx.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xrandr.h>

#include <cstdlib>
#include <vector>

// The windowing library knows no monitors on X11: its desktop mode is the
// whole X screen, every monitor together, and it centres a new window on that
// screen (one release uses the screen's width for both axes, and then waits
// for ever on a window it placed off every monitor). So the game makes its X
// windows itself, where it wants them, and hands them to the library.

namespace {

// An error that leaves the connection usable (a property left behind by a
// window manager that died, say) is no reason to end the game.
int ignoreError(Display*, XErrorEvent*) {
    return 0;
}

// A lost connection is: the display is gone. Silently, as ever.
[[noreturn]] int endWithTheDisplay(Display*) {
    std::_Exit(1);
}

::Window windowProperty(Display* display, ::Window window, Atom property) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    ::Window value = 0;
    if (XGetWindowProperty(display, window, property, 0, 1, False, XA_WINDOW, &type, &format, &count, &remaining,
                           &data) == Success &&
        type == XA_WINDOW && format == 32 && count == 1)
        value = *reinterpret_cast<::Window*>(data);
    if (data) XFree(data);
    return value;
}

}  // namespace

struct Desktop::System {
    System();
    ~System();

    std::vector<Monitor> monitors() const;
    sf::IntRect windowArea() const;
    bool windowManagerRuns() const;
    ::Window makeWindow(const sf::IntRect& area, bool fullscreen) const;
    Atom atom(const char* name) const { return XInternAtom(display, name, False); }

    Display* display;
    ::Window root;
    XVisualInfo visual;  // one the library's OpenGL context can draw to
    Colormap colormap;
    ::Window window = 0;  // the game's, once made
};

Desktop::System::System() {
    XSetErrorHandler(ignoreError);
    XSetIOErrorHandler(endWithTheDisplay);
    display = XOpenDisplay(nullptr);
    if (!display) std::_Exit(1);
    root = DefaultRootWindow(display);
    int wanted[] = {GLX_RGBA, GLX_DOUBLEBUFFER, GLX_RED_SIZE, 8, GLX_GREEN_SIZE, 8, GLX_BLUE_SIZE, 8, None};
    if (XVisualInfo* chosen = glXChooseVisual(display, DefaultScreen(display), wanted)) {
        visual = *chosen;
        XFree(chosen);
    } else {
        XMatchVisualInfo(display, DefaultScreen(display), DefaultDepth(display, DefaultScreen(display)), TrueColor,
                         &visual);
    }
    colormap = XCreateColormap(display, root, visual.visual, AllocNone);
}

Desktop::System::~System() {
    if (window) XDestroyWindow(display, window);
    XFreeColormap(display, colormap);
    XCloseDisplay(display);
}

// The active monitors RandR reports; without any, the whole screen.
std::vector<Monitor> Desktop::System::monitors() const {
    std::vector<Monitor> found;
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    if (XRRQueryExtension(display, &eventBase, &errorBase) && XRRQueryVersion(display, &major, &minor) &&
        (major > 1 || minor >= 5)) {
        int count = 0;
        XRRMonitorInfo* info = XRRGetMonitors(display, root, True, &count);
        for (int i = 0; i < count; ++i)
            found.push_back({sf::IntRect(info[i].x, info[i].y, info[i].width, info[i].height), info[i].primary != 0});
        if (info) XRRFreeMonitors(info);
    }
    if (found.empty()) {
        const int screen = DefaultScreen(display);
        found.push_back({sf::IntRect(0, 0, DisplayWidth(display, screen), DisplayHeight(display, screen)), true});
    }
    return found;
}

// Where the game's window is now, its frame left out; empty before the first.
sf::IntRect Desktop::System::windowArea() const {
    ::Window windowRoot = 0, child = 0;
    int x = 0, y = 0;
    unsigned int width = 0, height = 0, border = 0, depth = 0;
    if (!window || !XGetGeometry(display, window, &windowRoot, &x, &y, &width, &height, &border, &depth) ||
        !XTranslateCoordinates(display, window, root, 0, 0, &x, &y, &child))
        return sf::IntRect();
    return sf::IntRect(x, y, static_cast<int>(width), static_cast<int>(height));
}

// A window manager that follows the desktop conventions names a window of
// its own on the root, and names it again on that window while it runs.
bool Desktop::System::windowManagerRuns() const {
    const Atom check = atom("_NET_SUPPORTING_WM_CHECK");
    const ::Window manager = windowProperty(display, root, check);
    return manager && windowProperty(display, manager, check) == manager;
}

// Unmapped, with everything a window manager reads when it maps a window:
// its place and size as the user's wish, its class, and whether it is to be
// fullscreen. Without a window manager, a fullscreen window is simply laid
// over its monitor.
::Window Desktop::System::makeWindow(const sf::IntRect& area, bool fullscreen) const {
    const bool managed = windowManagerRuns();
    XSetWindowAttributes attributes;
    attributes.colormap = colormap;
    attributes.background_pixel = 0;
    attributes.border_pixel = 0;
    attributes.override_redirect = fullscreen && !managed;
    const ::Window made = XCreateWindow(display, root, area.left, area.top, static_cast<unsigned int>(area.width),
                                        static_cast<unsigned int>(area.height), 0, visual.depth, InputOutput,
                                        visual.visual, CWColormap | CWBackPixel | CWBorderPixel | CWOverrideRedirect,
                                        &attributes);
    XSizeHints* size = XAllocSizeHints();
    size->flags = USPosition | USSize;
    size->x = area.left;
    size->y = area.top;
    size->width = area.width;
    size->height = area.height;
    XSetWMNormalHints(display, made, size);
    XFree(size);
    XWMHints* hints = XAllocWMHints();
    hints->flags = InputHint | StateHint;
    hints->input = True;
    hints->initial_state = NormalState;
    XSetWMHints(display, made, hints);
    XFree(hints);
    char name[] = "neonvine", windowClass[] = "Neonvine";
    XClassHint classHint{name, windowClass};
    XSetClassHint(display, made, &classHint);
    if (fullscreen && managed) {
        const Atom state = atom("_NET_WM_STATE_FULLSCREEN");
        XChangeProperty(display, made, atom("_NET_WM_STATE"), XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(&state), 1);
    }
    return made;
}

Desktop::Desktop() : system(std::make_unique<System>()) {}

Desktop::~Desktop() = default;

void Desktop::openWindow(sf::RenderWindow& window, bool fullscreen) {
    const sf::IntRect monitor = monitorHoldingMost(system->monitors(), system->windowArea());
    const sf::Vector2i size = fullscreen ? sf::Vector2i(monitor.width, monitor.height) : sf::Vector2i(1280, 720);
    const sf::Vector2i place = fullscreen ? sf::Vector2i(monitor.left, monitor.top) : centredOn(monitor, size);
    const ::Window previous = system->window;
    system->window = system->makeWindow(sf::IntRect(place, size), fullscreen);
    // The library talks to the server over a connection of its own, so the
    // window must be there before it is handed over. The library maps it, and
    // lets go of the previous window first.
    XSync(system->display, False);
    window.create(system->window);
    window.setTitle(WindowTitle);
    // A fullscreen game keeps the pointer on its monitor, as on Windows.
    window.setMouseCursorGrabbed(fullscreen);
    if (previous) XDestroyWindow(system->display, previous);
    XFlush(system->display);
}

// A window manager asks a window to close, and pings it, by messages to the
// connection that made it: this one. Sent on to every connection that
// watches the window's structure, they reach the library's.
void Desktop::passMessages() {
    while (XPending(system->display)) {
        XEvent event;
        XNextEvent(system->display, &event);
        if (event.type == ClientMessage && event.xclient.window == system->window)
            XSendEvent(system->display, system->window, False, StructureNotifyMask, &event);
    }
    XFlush(system->display);
}

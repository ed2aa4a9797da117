// Whether the pointer shows a cursor: exit status 0 when the cursor under it
// has an opaque pixel, 1 when it is blank (a window hid it), 2 on failure.
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

int main() {
    Display* display = XOpenDisplay(nullptr);
    int event = 0, error = 0, major = 6, minor = 0;
    if (!display || !XFixesQueryExtension(display, &event, &error) || !XFixesQueryVersion(display, &major, &minor))
        return 2;
    XFixesCursorImage* image = XFixesGetCursorImage(display);
    if (!image) return 2;
    bool opaque = false;
    for (int i = 0; i < image->width * image->height; ++i) opaque = opaque || (image->pixels[i] >> 24) != 0;
    XFree(image);
    XCloseDisplay(display);
    return opaque ? 0 : 1;
}

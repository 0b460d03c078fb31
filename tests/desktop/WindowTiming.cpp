// window_timing mapped|painted TITLE SINCE_US TIMEOUT_MS: waits until a window
// titled TITLE is on screen (mapped), or on screen and drawn (painted: more
// than one colour), and prints the milliseconds since SINCE_US, a real-clock
// moment in microseconds since the epoch (bash's EPOCHREALTIME without its
// dot). Exit 1 when TIMEOUT_MS pass first. Polls the X server every 5 ms.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>

namespace {

std::string title(Display* display, Window window) {
    static const Atom name = XInternAtom(display, "_NET_WM_NAME", False);
    static const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type;
    int format;
    unsigned long count, left;
    unsigned char* data = nullptr;
    std::string text;
    if (XGetWindowProperty(display, window, name, 0, 256, False, utf8, &type, &format, &count,
                           &left, &data) == Success &&
        data) {
        text.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    return text;
}

bool viewable(Display* display, Window window) {
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable;
}

bool painted(Display* display, Window window) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes)) return false;
    XImage* image =
        XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (!image) return false;
    const unsigned long first = XGetPixel(image, 0, 0);
    bool varied = false;
    for (int y = 0; y < attributes.height && !varied; y += 2)
        for (int x = 0; x < attributes.width && !varied; x += 2)
            varied = XGetPixel(image, x, y) != first;
    XDestroyImage(image);
    return varied;
}

// A viewable window titled `wanted` among the children of `under` and theirs
// (the window manager puts each top-level window into a frame of its own).
Window find(Display* display, Window under, const std::string& wanted, int depth = 0) {
    Window root, parent, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (!XQueryTree(display, under, &root, &parent, &children, &count)) return 0;
    for (unsigned i = 0; i < count && !found; ++i) {
        if (title(display, children[i]) == wanted && viewable(display, children[i]))
            found = children[i];
        else if (depth < 2)
            found = find(display, children[i], wanted, depth + 1);
    }
    if (children) XFree(children);
    return found;
}

int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}  // windows come and go meanwhile

}  // namespace

int main(int argc, char** argv) {
    // Closed on every way out, so that a sanitizer build finds nothing left.
    const std::unique_ptr<Display, int (*)(Display*)> connection(XOpenDisplay(nullptr),
                                                                 XCloseDisplay);
    Display* display = connection.get();
    if (argc != 5 || !display) {
        std::fprintf(stderr, "usage: window_timing mapped|painted TITLE SINCE_US TIMEOUT_MS\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    const bool wantPaint = std::strcmp(argv[1], "painted") == 0;
    const long long since = std::atoll(argv[3]);
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(std::atoi(argv[4]));
    while (std::chrono::steady_clock::now() < deadline) {
        const Window window = find(display, DefaultRootWindow(display), argv[2]);
        if (window && (!wantPaint || painted(display, window))) {
            const auto now = std::chrono::duration_cast<std::chrono::microseconds>(
                std::chrono::system_clock::now().time_since_epoch());
            std::printf("%lld\n", (now.count() - since) / 1000);
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return 1;
}

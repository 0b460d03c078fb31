// Starts a program and tells how many milliseconds pass from its exec to its
// icon docked in the tray (one more window inside trayer's panel), then ends it.
//
//     startup_to_dock PROGRAM       prints the milliseconds; exit 1 after 20 s
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

namespace {

bool isPanel(Display* display, Window window) {
    XClassHint hint{};
    if (!XGetClassHint(display, window, &hint)) return false;
    const bool panel = std::strcmp(hint.res_name, "panel") == 0;
    XFree(hint.res_name);
    XFree(hint.res_class);
    return panel;
}

// The tray's panel window, looked for among the root's children and theirs.
Window findPanel(Display* display, Window under, int depth = 0) {
    Window root, parent, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (!XQueryTree(display, under, &root, &parent, &children, &count)) return 0;
    for (unsigned i = 0; i < count && !found; ++i)
        found = isPanel(display, children[i])
                    ? children[i]
                    : (depth < 2 ? findPanel(display, children[i], depth + 1) : 0);
    if (children) XFree(children);
    return found;
}

unsigned childCount(Display* display, Window window) {
    Window root, parent, *children = nullptr;
    unsigned count = 0;
    XQueryTree(display, window, &root, &parent, &children, &count);
    if (children) XFree(children);
    return count;
}

}  // namespace

int main(int argc, char** argv) {
    Display* display = XOpenDisplay(nullptr);
    const Window panel = display ? findPanel(display, DefaultRootWindow(display)) : 0;
    if (argc < 2 || !panel) {
        std::fprintf(stderr, "usage: startup_to_dock PROGRAM (with a tray on $DISPLAY)\n");
        return 2;
    }
    const unsigned before = childCount(display, panel);
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }
    int result = 1;
    while (Clock::now() - start < std::chrono::seconds(20)) {
        if (childCount(display, panel) > before) {
            const auto ms = std::chrono::duration<double, std::milli>(Clock::now() - start);
            std::printf("%.0f\n", ms.count());
            result = 0;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    return result;
}

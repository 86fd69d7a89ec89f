// showtime PROGRAM [ARGS...]: starts a program on the X display and prints how
// long it took until it mapped its first top-level window and until that
// window was painted whole (ms), the processor time the program had used by
// then (ms, all its threads; less disturbed by other work on the machine than
// the time on the clock), and its resident and peak memory at that moment
// (KiB). The program is then ended. Used to compare the calculator's start
// with a bare Qt window's.
//
// Painting is watched with the DAMAGE extension: every top-level window the
// program creates is watched from its creation on, and the window counts as
// painted once the rectangles drawn into it since it was mapped cover it.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

long statusField(pid_t pid, const std::string& field)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field + ":", 0) == 0)
            return std::stol(line.substr(field.size() + 1));
    return -1;
}

// Time on the processor of all the program's threads, in ms.
double processorMs(pid_t pid)
{
    double ns = 0;
    std::error_code error;
    for (const auto& task :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        std::ifstream schedstat(task.path() / "schedstat");
        double onCpu = 0;
        if (schedstat >> onCpu)
            ns += onCpu;
    }
    return ns / 1e6;
}

// A window may be gone before it is watched; that is no failure.
int ignoreErrors(Display*, XErrorEvent*) { return 0; }

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: showtime PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "showtime: no X display\n");
        return 2;
    }
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "showtime: the X server has no DAMAGE extension\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto started = std::chrono::steady_clock::now();
    const auto elapsed = [&] {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
    };
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    // A program that never shows a window must not hang the comparison.
    alarm(60);

    Window shown = None;
    int width = 0, height = 0;
    double mappedMs = 0;
    Region painted = XCreateRegion();
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify) {
            XDamageCreate(display, event.xcreatewindow.window, XDamageReportRawRectangles);
        } else if (event.type == MapNotify && shown == None && !event.xmap.override_redirect) {
            mappedMs = elapsed();
            shown = event.xmap.window;
            XWindowAttributes attributes;
            XGetWindowAttributes(display, shown, &attributes);
            width = attributes.width;
            height = attributes.height;
        } else if (event.type == damageEvent + XDamageNotify) {
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            if (shown == None || damage.drawable != shown)
                continue;
            XRectangle drawn = damage.area;
            XUnionRectWithRegion(&drawn, painted, painted);
            if (XRectInRegion(painted, 0, 0, width, height) == RectangleIn)
                break;
        }
    }
    const double paintedMs = elapsed();
    std::printf("%.1f %.1f %.1f %ld %ld\n", mappedMs, paintedMs, processorMs(child),
                statusField(child, "VmRSS"), statusField(child, "VmHWM"));
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XDestroyRegion(painted);
    XCloseDisplay(display);
    return 0;
}

// Starts a program and watches it from outside, through the X server: reports when the
// first window of that program whose title contains a given text is first drawn into,
// and the program's peak memory then. The X DAMAGE extension tells of every drawing into
// a window, so "drawn" means the program's pixels have reached the screen.
//
//   window_probe TITLE SETTLE_MS program [arguments...]
//
// Prints, on one line: painted_ms (from just before exec), painted_epoch_ms (wall clock),
// and peak_rss_kb (VmHWM) read SETTLE_MS after the paint; then ends the program.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int giveUpAfterMs = 30000;

using Steady = std::chrono::steady_clock;

std::optional<unsigned long> cardinalProperty(Display* display, Window window, Atom property)
{
    Atom type;
    int format;
    unsigned long count, remaining;
    unsigned char* data = nullptr;
    std::optional<unsigned long> value;
    if (XGetWindowProperty(display, window, property, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &remaining, &data) == Success
        && data && count == 1 && format == 32)
        value = *reinterpret_cast<unsigned long*>(data);
    if (data)
        XFree(data);
    return value;
}

std::string utf8Property(Display* display, Window window, Atom property, Atom utf8)
{
    Atom type;
    int format;
    unsigned long count, remaining;
    unsigned char* data = nullptr;
    std::string text;
    if (XGetWindowProperty(display, window, property, 0, 1024, False, utf8, &type, &format,
                           &count, &remaining, &data) == Success
        && data)
        text.assign(reinterpret_cast<char*>(data), count);
    if (data)
        XFree(data);
    return text;
}

long peakRssKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// Ignores the errors of windows that vanish between their creation and our questions.
int ignoreXError(Display*, XErrorEvent*)
{
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s TITLE SETTLE_MS program [arguments...]\n", argv[0]);
        return 2;
    }
    const std::string title = argv[1];
    const int settleMs = std::atoi(argv[2]);

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "window_probe: cannot open the display\n");
        return 2;
    }
    int damageEvent, damageError;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "window_probe: the X server has no DAMAGE extension\n");
        return 2;
    }
    XSetErrorHandler(ignoreXError);
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    const Atom nameAtom = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8Atom = XInternAtom(display, "UTF8_STRING", False);
    // Every top-level window starts as a child of the root, before any window manager
    // reparents it: watching the root's children sees each window the program creates.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const Steady::time_point start = Steady::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[3], argv + 3);
        std::perror("window_probe: exec");
        _exit(127);
    }

    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    std::optional<Steady::time_point> painted;
    long long paintedEpochMs = 0;
    while (!painted) {
        const auto waited =
            std::chrono::duration_cast<std::chrono::milliseconds>(Steady::now() - start);
        if (waited.count() > giveUpAfterMs || waitpid(child, nullptr, WNOHANG) == child)
            break;
        if (!XPending(display)) {
            poll(&connection, 1, 100);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        const Steady::time_point seen = Steady::now();
        const auto seenEpoch = std::chrono::system_clock::now();
        if (event.type == CreateNotify) {
            XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
        } else if (event.type == damageEvent + XDamageNotify) {
            const auto* damage = reinterpret_cast<XDamageNotifyEvent*>(&event);
            XDamageSubtract(display, damage->damage, None, None);
            const Window window = damage->drawable;
            if (cardinalProperty(display, window, pidAtom) != static_cast<unsigned long>(child))
                continue;
            if (utf8Property(display, window, nameAtom, utf8Atom).find(title) == std::string::npos)
                continue;
            painted = seen;
            paintedEpochMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                                 seenEpoch.time_since_epoch())
                                 .count();
        }
    }

    int status = 0;
    if (!painted) {
        std::fprintf(stderr, "window_probe: no window titled \"%s\" was drawn\n", title.c_str());
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
        return 1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const long rss = peakRssKb(child);
    kill(child, SIGTERM);
    waitpid(child, &status, 0);
    std::printf("painted_ms=%.1f painted_epoch_ms=%lld peak_rss_kb=%ld\n",
                std::chrono::duration<double, std::milli>(*painted - start).count(),
                paintedEpochMs, rss);
    return 0;
}

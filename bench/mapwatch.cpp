// mapwatch: starts a program and measures how long it takes until its
// top-level window with a given name is mapped, and the peak resident memory
// (VmHWM) of the program shortly after.
//
//   mapwatch [-s SETTLE_MS] [-t TIMEOUT_MS] WINDOW_NAME PROGRAM [ARGS...]
//
// SETTLE_MS (300 by default) is how long after the map the memory is read;
// TIMEOUT_MS (30000) how long the window may take to appear.
//
// Prints one line, "map_ms=<ms> hwm_kb=<kB> cpu_map_ms=<ms> cpu_ms=<ms>", and
// exits 0. The last two are the CPU time the program has used when its window
// is mapped and at the end of the settle time: a window is mapped before its
// first paint, so the work for that paint shows in their difference only.
// Both are -1 where the kernel does not give per-thread CPU times.
//
// On any failure it prints the reason to stderr and exits non-zero, leaving
// no child behind. The program's own standard output goes to standard error,
// so that the line is all a caller reading our standard output gets.

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <optional>
#include <poll.h>
#include <set>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

// Windows come and go while we look at them (Qt creates and destroys helper
// windows during start-up); a request on a window that is already gone must
// not end the measurement.
int ignoreXErrors(Display *, XErrorEvent *)
{
    return 0;
}

struct DisplayCloser {
    void operator()(Display *display) const { XCloseDisplay(display); }
};

struct Watcher {
    Display *display = nullptr;
    Window root = 0;
    Atom netWmName = 0;
    Atom utf8String = 0;
    std::string wanted;
    std::set<Window> mapped; // direct children of the root that are mapped now

    // A property read of a window that vanished yields nothing rather than an
    // error, thanks to ignoreXErrors.
    std::optional<std::string> property(Window window, Atom name, Atom type) const
    {
        Atom actualType = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long remaining = 0;
        unsigned char *data = nullptr;
        const int status = XGetWindowProperty(display, window, name, 0, 4096, False, type, &actualType, &format,
                                              &count, &remaining, &data);
        std::optional<std::string> result;
        if (status == Success && data && actualType != None && format == 8)
            result.emplace(reinterpret_cast<const char *>(data), count);
        if (data)
            XFree(data);
        return result;
    }

    bool named(Window window) const
    {
        if (auto name = property(window, netWmName, utf8String); name && *name == wanted)
            return true;
        // WM_NAME may be STRING, COMPOUND_TEXT or UTF8_STRING; for the plain
        // ASCII titles we look for, the bytes are the same in all three.
        auto name = property(window, XA_WM_NAME, AnyPropertyType);
        return name && *name == wanted;
    }

    // With a window manager, the root's child is the manager's frame and the
    // program's window sits somewhere below it; plain Xvfb has none, and then
    // only the window itself is looked at.
    bool namedWithin(Window window, int depth = 3) const
    {
        if (named(window))
            return true;
        if (depth == 0)
            return false;
        Window rootReturn = 0;
        Window parent = 0;
        Window *children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display, window, &rootReturn, &parent, &children, &count))
            return false;
        bool found = false;
        for (unsigned int i = 0; i < count && !found; ++i)
            found = namedWithin(children[i], depth - 1);
        if (children)
            XFree(children);
        return found;
    }

    // Name changes of every top-level window must reach us, so that a window
    // that is mapped first and named a moment later is still caught.
    void follow(Window window) const
    {
        XSelectInput(display, window, PropertyChangeMask);
    }

    // Returns true once the wanted window is mapped and carries its name.
    bool handle(const XEvent &event)
    {
        switch (event.type) {
        case CreateNotify:
            if (event.xcreatewindow.parent == root)
                follow(event.xcreatewindow.window);
            break;
        case ReparentNotify:
            if (event.xreparent.parent == root) {
                follow(event.xreparent.window);
                // A window reparented to the root while mapped counts as
                // mapped there; its name is looked at at once.
                XWindowAttributes attributes{};
                if (XGetWindowAttributes(display, event.xreparent.window, &attributes) &&
                    attributes.map_state != IsUnmapped) {
                    mapped.insert(event.xreparent.window);
                    return namedWithin(event.xreparent.window);
                }
            } else {
                mapped.erase(event.xreparent.window);
            }
            break;
        case MapNotify:
            if (event.xmap.event == root) {
                mapped.insert(event.xmap.window);
                // The selection made at CreateNotify came after the window
                // existed, so the name is read now rather than trusted to a
                // PropertyNotify that may have gone before it.
                follow(event.xmap.window);
                return namedWithin(event.xmap.window);
            }
            break;
        case UnmapNotify:
            if (event.xunmap.event == root)
                mapped.erase(event.xunmap.window);
            break;
        case DestroyNotify:
            if (event.xdestroywindow.event == root)
                mapped.erase(event.xdestroywindow.window);
            break;
        case PropertyNotify:
            if ((event.xproperty.atom == XA_WM_NAME || event.xproperty.atom == netWmName) &&
                event.xproperty.state == PropertyNewValue && mapped.count(event.xproperty.window))
                return named(event.xproperty.window);
            break;
        default:
            break;
        }
        return false;
    }
};

long vmHwmKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// CPU time of all threads the program has now, in ms; the threads that
// already ended are not in it, which at start-up are few and short-lived.
double cpuMs(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR *dir = opendir(tasks.c_str());
    if (!dir)
        return -1;
    double total = 0;
    bool any = false;
    while (const dirent *entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        std::ifstream schedstat(tasks + "/" + entry->d_name + "/schedstat");
        double runNs = 0;
        if (schedstat >> runNs) {
            total += runNs;
            any = true;
        }
    }
    closedir(dir);
    return any ? total / 1e6 : -1;
}

void stop(pid_t pid)
{
    kill(pid, SIGKILL);
    while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
}

[[noreturn]] void usage()
{
    std::fprintf(stderr, "usage: mapwatch [-s SETTLE_MS] [-t TIMEOUT_MS] WINDOW_NAME PROGRAM [ARGS...]\n");
    std::exit(64);
}

} // namespace

int main(int argc, char *argv[])
{
    int settleMs = 300;
    int timeoutMs = 30000;
    int option = 0;
    while ((option = getopt(argc, argv, "+s:t:")) != -1) {
        switch (option) {
        case 's':
            settleMs = std::atoi(optarg);
            break;
        case 't':
            timeoutMs = std::atoi(optarg);
            break;
        default:
            usage();
        }
    }
    if (argc - optind < 2 || settleMs < 0 || timeoutMs <= 0)
        usage();

    Watcher watcher;
    watcher.wanted = argv[optind];
    char **program = argv + optind + 1;

    const std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
    watcher.display = display.get();
    if (!watcher.display) {
        std::fprintf(stderr, "mapwatch: cannot open display %s\n", std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "(unset)");
        return 69;
    }
    XSetErrorHandler(ignoreXErrors);
    const int xfd = ConnectionNumber(watcher.display);
    // The program must not inherit our connection to the server.
    fcntl(xfd, F_SETFD, fcntl(xfd, F_GETFD) | FD_CLOEXEC);
    watcher.root = DefaultRootWindow(watcher.display);
    watcher.netWmName = XInternAtom(watcher.display, "_NET_WM_NAME", False);
    watcher.utf8String = XInternAtom(watcher.display, "UTF8_STRING", False);
    XSelectInput(watcher.display, watcher.root, SubstructureNotifyMask);
    // The selection is in force only once the server has it; XSync waits for
    // that, so no MapNotify of the program can come before it.
    XSync(watcher.display, False);

    const double t0 = nowMs();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("mapwatch: fork");
        return 71;
    }
    if (pid == 0) {
        dup2(STDERR_FILENO, STDOUT_FILENO);
        execvp(program[0], program);
        std::fprintf(stderr, "mapwatch: cannot start %s: %s\n", program[0], std::strerror(errno));
        _exit(127);
    }

    std::optional<double> t1;
    double cpuAtMap = -1;
    while (!t1) {
        while (!t1 && XPending(watcher.display)) {
            XEvent event;
            XNextEvent(watcher.display, &event);
            if (watcher.handle(event))
                t1 = nowMs();
        }
        if (t1) {
            cpuAtMap = cpuMs(pid);
            break;
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "mapwatch: %s ended (status %d) before window \"%s\" was mapped\n", program[0], status,
                         watcher.wanted.c_str());
            return 1;
        }
        const double left = t0 + timeoutMs - nowMs();
        if (left <= 0) {
            std::fprintf(stderr, "mapwatch: no window \"%s\" mapped within %d ms\n", watcher.wanted.c_str(), timeoutMs);
            stop(pid);
            return 2;
        }
        // Short polls, so that a program that dies early is noticed soon.
        pollfd fds{xfd, POLLIN, 0};
        poll(&fds, 1, left < 50 ? static_cast<int>(left) + 1 : 50);
    }

    // The peak memory is taken after the first paint and whatever work the
    // program does right after showing its window, not at the map itself.
    timespec settle{settleMs / 1000, (settleMs % 1000) * 1000000L};
    while (nanosleep(&settle, &settle) < 0 && errno == EINTR) {
    }
    const long hwm = vmHwmKb(pid);
    const double cpuAtEnd = cpuMs(pid);
    int status = 0;
    const bool ended = waitpid(pid, &status, WNOHANG) == pid;
    if (!ended)
        stop(pid);
    if (ended || hwm < 0) {
        std::fprintf(stderr, "mapwatch: %s ended during the settle time\n", program[0]);
        return 1;
    }
    std::printf("map_ms=%.1f hwm_kb=%ld cpu_map_ms=%.1f cpu_ms=%.1f\n", *t1 - t0, hwm, cpuAtMap, cpuAtEnd);
    return 0;
}

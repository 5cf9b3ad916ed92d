// kv-window-probe: starts a program and reports, in milliseconds from just before it was started,
// when its main window was mapped, when the first paint reached that window and when its painting
// settled (the last paint before a quiet spell). It watches the X server, not the program: the
// window is found by its title among the top-level windows, and paints are the server's damage
// reports for that window.
//
// Usage: kv-window-probe [options] PROGRAM [ARGS...]
//   --title TEXT      title of the window to watch (default "Keyvane's Games!")
//   --quiet-ms N      a quiet spell this long after a paint means painting settled (default 300)
//   --timeout-ms N    give up after this long (default 15000)
//   --keep            leave the program running and print its pid; otherwise it is ended
//   --log FILE        the program's output goes to FILE (default: this program's error stream)
//   --verbose         print each paint (time and rectangle) to the error stream
//   --shot FILE       at the first paint, hold the program and write the window's picture into FILE
//                     (binary PPM), then let it go on; the settled time then includes the pause,
//                     so such a trial only shows what the first paint is
//
// It prints one line: mapped_ms=.. first_paint_ms=.. settled_ms=.. paints=.. [pid=..]
// Under a window manager that reparents, the map is seen on the frame; this is made for a bare
// X server such as Xvfb, where the program's window is a child of the root window.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
    std::string title = "Keyvane's Games!";
    double quietMs = 300;
    double timeoutMs = 15000;
    bool keep = false;
    bool verbose = false;
    std::string log;
    std::string shot;
    std::vector<char*> command; // null-terminated for execvp
};

[[noreturn]] void Usage(const char* why)
{
    std::fprintf(stderr,
                 "kv-window-probe: %s\n"
                 "usage: kv-window-probe [--title TEXT] [--quiet-ms N] [--timeout-ms N] [--keep] "
                 "[--verbose] [--log FILE] [--shot FILE] PROGRAM [ARGS...]\n",
                 why);
    std::exit(2);
}

Options ParseOptions(int argc, char** argv)
{
    Options o;
    int i = 1;
    auto value = [&](const char* name) {
        if (i + 1 >= argc)
            Usage((std::string(name) + " needs a value").c_str());
        return std::string(argv[++i]);
    };
    for (; i < argc && argv[i][0] == '-'; ++i) {
        const std::string a = argv[i];
        if (a == "--") {
            ++i;
            break;
        }
        if (a == "--title")
            o.title = value("--title");
        else if (a == "--quiet-ms")
            o.quietMs = std::atof(value("--quiet-ms").c_str());
        else if (a == "--timeout-ms")
            o.timeoutMs = std::atof(value("--timeout-ms").c_str());
        else if (a == "--keep")
            o.keep = true;
        else if (a == "--verbose")
            o.verbose = true;
        else if (a == "--log")
            o.log = value("--log");
        else if (a == "--shot")
            o.shot = value("--shot");
        else
            Usage(("unknown option " + a).c_str());
    }
    if (i >= argc)
        Usage("no program given");
    o.command.assign(argv + i, argv + argc);
    o.command.push_back(nullptr);
    if (o.quietMs <= 0 || o.timeoutMs <= 0)
        Usage("times must be positive");
    return o;
}

// Windows can vanish between the event that names them and our requests about them (the program's
// short-lived helper windows do); such errors are expected and ignored.
int IgnoreXErrors(Display*, XErrorEvent*)
{
    return 0;
}

class TitleReader {
  public:
    explicit TitleReader(Display* d)
        : display_(d), netWmName_(XInternAtom(d, "_NET_WM_NAME", False)),
          utf8_(XInternAtom(d, "UTF8_STRING", False))
    {
    }

    bool IsTitleAtom(Atom a) const { return a == XA_WM_NAME || a == netWmName_; }

    // The window's title, preferring the UTF-8 one; empty when it has none (yet).
    std::string Title(Window w) const
    {
        std::string t = Property(w, netWmName_, utf8_);
        return t.empty() ? Property(w, XA_WM_NAME, AnyPropertyType) : t;
    }

  private:
    std::string Property(Window w, Atom name, Atom type) const
    {
        Atom actualType = None;
        int format = 0;
        unsigned long items = 0, after = 0;
        unsigned char* data = nullptr;
        std::string text;
        if (XGetWindowProperty(display_, w, name, 0, 1024, False, type, &actualType, &format, &items, &after,
                               &data) == Success &&
            data && format == 8)
            text.assign(reinterpret_cast<const char*>(data), items);
        if (data)
            XFree(data);
        return text;
    }

    Display* display_;
    Atom netWmName_;
    Atom utf8_;
};

pid_t Launch(const Options& o)
{
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("kv-window-probe: fork");
        std::exit(1);
    }
    if (pid > 0)
        return pid;
    const int in = open("/dev/null", O_RDONLY);
    if (in >= 0)
        dup2(in, STDIN_FILENO);
    // Our own standard output carries only the result line: whoever reads it must not wait for the
    // program to close it.
    const int out =
        o.log.empty() ? dup(STDERR_FILENO) : open(o.log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (out >= 0) {
        dup2(out, STDOUT_FILENO);
        dup2(out, STDERR_FILENO);
    }
    execvp(o.command[0], o.command.data());
    std::fprintf(stderr, "kv-window-probe: cannot start %s: %s\n", o.command[0], std::strerror(errno));
    _exit(127);
}

int LowBit(unsigned long mask)
{
    int shift = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

// Writes the window's pixels as they are now into a binary PPM picture (8 bits a channel).
bool SaveWindow(Display* d, Window w, const std::string& file)
{
    XWindowAttributes a;
    if (!XGetWindowAttributes(d, w, &a))
        return false;
    XImage* image = XGetImage(d, w, 0, 0, static_cast<unsigned>(a.width), static_cast<unsigned>(a.height),
                              AllPlanes, ZPixmap);
    if (!image)
        return false;
    FILE* f = std::fopen(file.c_str(), "wb");
    if (f) {
        std::fprintf(f, "P6\n%d %d\n255\n", a.width, a.height);
        const unsigned long masks[3] = {image->red_mask, image->green_mask, image->blue_mask};
        for (int y = 0; y < a.height; ++y)
            for (int x = 0; x < a.width; ++x) {
                const unsigned long pixel = XGetPixel(image, x, y);
                for (unsigned long mask : masks) {
                    const unsigned long top = mask >> LowBit(mask);
                    const unsigned long v = ((pixel & mask) >> LowBit(mask)) * 255 / (top ? top : 1);
                    std::fputc(static_cast<int>(v), f);
                }
            }
        std::fclose(f);
    }
    XDestroyImage(image);
    return f != nullptr;
}

// The picture of the window at its first paint. Another program (a screenshot tool) would see the
// window too late: the next paint is often less than a millisecond behind. So the server is grabbed,
// which holds back the requests the program has already sent, the program is stopped, the window is
// read, and both are let go again.
void TakeShot(Display* d, Window w, pid_t program, const std::string& file)
{
    XGrabServer(d);
    XSync(d, False);
    kill(program, SIGSTOP);
    const bool saved = SaveWindow(d, w, file);
    XUngrabServer(d);
    XSync(d, False);
    kill(program, SIGCONT);
    if (!saved)
        std::fprintf(stderr, "kv-window-probe: the picture %s could not be written\n", file.c_str());
}

void EndProgram(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int i = 0; i < 50; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        usleep(100'000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

std::string Ms(const std::optional<double>& v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", v ? *v : -1.0);
    return buf;
}

} // namespace

int main(int argc, char** argv)
{
    const Options o = ParseOptions(argc, argv);
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "kv-window-probe: cannot open the display %s\n", XDisplayName(nullptr));
        return 1;
    }
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(d, &damageEvent, &damageError)) {
        std::fprintf(stderr, "kv-window-probe: the X server has no DAMAGE extension\n");
        return 1;
    }
    XSetErrorHandler(IgnoreXErrors);
    const Window root = DefaultRootWindow(d);
    const TitleReader titles(d);
    // New top-level windows and their maps are reported to the root window from now on.
    XSelectInput(d, root, SubstructureNotifyMask);
    XSync(d, False);

    const Clock::time_point start = Clock::now();
    const pid_t program = Launch(o);
    auto sinceStart = [&] { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); };

    // The program may give its title to more than one window (an unmapped client leader, for one);
    // the window watched is the first one with the title that is mapped.
    std::map<Window, double> mapTimes; // every top-level window mapped so far
    std::map<Window, Damage> titled;   // windows with the title, each with its damage reports
    Window target = None;
    std::optional<double> mapped, firstPaint, lastPaint;
    long paints = 0;
    bool exited = false;

    auto choose = [&](Window w, double mapTime) {
        if (target == None && titled.count(w)) {
            target = w;
            mapped = mapTime;
        }
    };
    // The title may be there when the window is created or come with a later property change.
    auto consider = [&](Window w) {
        if (titled.count(w) || titles.Title(w) != o.title)
            return;
        titled[w] = XDamageCreate(d, w, XDamageReportRawRectangles);
        // A new damage object on a window that is already shown reports the whole window at once
        // (when the probe is slower than the program's map); that is no paint of the program's.
        XSync(d, False);
        XEvent creation;
        while (XCheckTypedWindowEvent(d, w, damageEvent + XDamageNotify, &creation)) {
        }
        if (o.verbose)
            std::fprintf(stderr, "titled %.1f ms: 0x%lx%s\n", sinceStart(), w,
                         mapTimes.count(w) ? " (mapped)" : "");
        if (auto it = mapTimes.find(w); it != mapTimes.end())
            choose(w, it->second);
    };

    const int fd = ConnectionNumber(d);
    for (;;) {
        while (XPending(d) > 0) {
            XEvent e;
            XNextEvent(d, &e);
            const double now = sinceStart();
            if (e.type == CreateNotify && e.xcreatewindow.parent == root) {
                XSelectInput(d, e.xcreatewindow.window, PropertyChangeMask);
                consider(e.xcreatewindow.window);
            } else if (e.type == PropertyNotify && titles.IsTitleAtom(e.xproperty.atom)) {
                consider(e.xproperty.window);
            } else if (e.type == MapNotify && e.xmap.event == root) {
                mapTimes.emplace(e.xmap.window, now);
                if (o.verbose)
                    std::fprintf(stderr, "map %.1f ms: 0x%lx\n", now, e.xmap.window);
                choose(e.xmap.window, now);
            } else if (e.type == damageEvent + XDamageNotify) {
                const auto& de = reinterpret_cast<const XDamageNotifyEvent&>(e);
                XDamageSubtract(d, de.damage, None, None); // the region is not needed, only the events
                if (de.drawable != target)
                    continue;
                ++paints;
                if (o.verbose)
                    std::fprintf(stderr, "paint %.1f ms: %dx%d+%d+%d\n", now, de.area.width, de.area.height,
                                 de.area.x, de.area.y);
                lastPaint = now;
                if (!firstPaint) {
                    firstPaint = now;
                    if (!o.shot.empty())
                        TakeShot(d, target, program, o.shot);
                }
            }
        }
        const double now = sinceStart();
        if (lastPaint && now - *lastPaint >= o.quietMs)
            break;
        if (now >= o.timeoutMs)
            break;
        if (waitpid(program, nullptr, WNOHANG) == program) {
            exited = true;
            break;
        }
        pollfd p{fd, POLLIN, 0};
        const double wait = lastPaint ? o.quietMs - (now - *lastPaint) : o.timeoutMs - now;
        poll(&p, 1, std::max(1, std::min(50, static_cast<int>(wait))));
    }

    const bool settled = lastPaint && sinceStart() - *lastPaint >= o.quietMs;
    std::printf("mapped_ms=%s first_paint_ms=%s settled_ms=%s paints=%ld", Ms(mapped).c_str(),
                Ms(firstPaint).c_str(), Ms(settled ? lastPaint : std::nullopt).c_str(), paints);
    if (o.keep && !exited)
        std::printf(" pid=%d", static_cast<int>(program));
    std::printf("\n");
    std::fflush(stdout);
    for (const auto& [window, damage] : titled)
        XDamageDestroy(d, damage);
    XCloseDisplay(d);
    if (exited)
        std::fprintf(stderr, "kv-window-probe: the program ended before its painting settled\n");
    else if (!o.keep)
        EndProgram(program);
    return settled && !exited ? 0 : 1;
}

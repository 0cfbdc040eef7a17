// Times the start-up of windowed programs on an X display.
//
//   startup_probe [--runs N] [--warmup N] [--against NAME] NAME=PROGRAM NAME=PROGRAM ...
//
// Each run execs one program and measures the time from exec to the first
// frame in which its window is completely painted: it watches every new
// top-level window from its creation (DAMAGE extension), and from the map of
// the first one reads the window's pixels on every damage report until they
// stop changing for half a second; the frame that stays is the complete one,
// and its time is when it first appeared. Once settled it reads the program's
// resident memory (VmRSS, and its anonymous part, the program's own memory
// beside the pages of shared libraries and fonts) and ends it. The programs
// run interleaved, all first for the warm-up runs, and their medians are
// compared with the first one's, and the one --against names with each other.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto settleTime = std::chrono::milliseconds(500);
constexpr auto giveUpTime = std::chrono::seconds(20);

struct Program {
    std::string name;
    std::string path;
    std::vector<double> ms;
    std::vector<double> rssMiB;
    std::vector<double> privateMiB;
};

struct Sample {
    double ms;
    double rssMiB;     // VmRSS: all resident pages, shared library code included
    double privateMiB; // RssAnon: the program's own memory alone
};

double millisecondsSince(Clock::time_point start, Clock::time_point t) {
    return std::chrono::duration<double, std::milli>(t - start).count();
}

// A field of /proc/PID/status in kB, as MiB.
double statusMiB(pid_t pid, const std::string& field) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field + ":", 0) == 0)
            return std::strtod(line.c_str() + field.size() + 1, nullptr) / 1024.0;
    return 0;
}

// The pixels of a rectangle of an image, row after row without padding.
std::vector<char> crop(const XImage* image, int x, int y, int width, int height) {
    std::vector<char> bytes;
    const auto pixel = static_cast<std::size_t>(image->bits_per_pixel / 8);
    const auto row = pixel * static_cast<std::size_t>(width);
    bytes.reserve(row * static_cast<std::size_t>(height));
    for (int r = y; r < y + height; ++r) {
        const char* start = image->data + static_cast<std::ptrdiff_t>(r) * image->bytes_per_line +
                            static_cast<std::ptrdiff_t>(pixel) * x;
        bytes.insert(bytes.end(), start, start + row);
    }
    return bytes;
}

std::vector<char> pixels(Display* display, Drawable drawable, int width, int height) {
    XImage* image = XGetImage(display, drawable, 0, 0, static_cast<unsigned>(width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (!image)
        return {};
    std::vector<char> bytes = crop(image, 0, 0, width, height);
    XDestroyImage(image);
    return bytes;
}

// A window that went away while watched makes a harmless error.
int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

// Waits up to `until` for the next event; false when none came.
bool nextEvent(Display* display, XEvent& event, Clock::time_point until) {
    while (!XPending(display)) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
        if (left.count() <= 0)
            return false;
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(left.count()) + 1);
    }
    XNextEvent(display, &event);
    return true;
}

class Probe {
public:
    Probe() : display_(XOpenDisplay(nullptr)) {
        if (!display_) {
            std::fprintf(stderr, "startup_probe: no X display\n");
            std::exit(2);
        }
        int error = 0;
        if (!XDamageQueryExtension(display_, &damageEvent_, &error)) {
            std::fprintf(stderr, "startup_probe: the X server has no DAMAGE extension\n");
            std::exit(2);
        }
        XSetErrorHandler(ignoreErrors);
        XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
        XSync(display_, False);
    }
    ~Probe() { XCloseDisplay(display_); }

    std::optional<Sample> run(const std::string& path) {
        XEvent event;
        XSync(display_, False);
        while (XPending(display_))
            XNextEvent(display_, &event);
        // What the program's window shows until it paints: the screen below.
        Window root = DefaultRootWindow(display_);
        XWindowAttributes screen;
        XGetWindowAttributes(display_, root, &screen);
        XImage* before = XGetImage(display_, root, 0, 0, static_cast<unsigned>(screen.width),
                                   static_cast<unsigned>(screen.height), AllPlanes, ZPixmap);

        const Clock::time_point start = Clock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            if (FILE* null = std::fopen("/dev/null", "w")) {
                dup2(fileno(null), STDOUT_FILENO);
                dup2(fileno(null), STDERR_FILENO);
            }
            execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        std::optional<Sample> sample = watch(start, pid, before);
        XDestroyImage(before);
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        return sample;
    }

private:
    std::optional<Sample> watch(Clock::time_point start, pid_t pid, const XImage* before) {
        const Clock::time_point giveUp = start + giveUpTime;
        XEvent event;
        // Each new top-level window is watched from its creation on, so that no
        // paint after its map goes unreported.
        std::vector<Damage> damages;
        Window window = None;
        int width = 0, height = 0;
        std::vector<char> shown, unpainted;
        Clock::time_point changed = start;
        bool painted = false;
        auto look = [&](Clock::time_point at) {
            std::vector<char> now = pixels(display_, window, width, height);
            if (!now.empty() && now != shown) {
                shown = std::move(now);
                changed = at;
                painted = shown != unpainted;
            }
        };
        for (;;) {
            const Clock::time_point until = window == None ? giveUp : changed + settleTime;
            if (Clock::now() > giveUp || !nextEvent(display_, event, std::min(until, giveUp)))
                break; // settled, or nothing came
            const Clock::time_point at = Clock::now();
            if (event.type == CreateNotify && !event.xcreatewindow.override_redirect) {
                damages.push_back(
                    XDamageCreate(display_, event.xcreatewindow.window, XDamageReportNonEmpty));
            } else if (event.type == MapNotify && window == None && !event.xmap.override_redirect) {
                XWindowAttributes a;
                if (!XGetWindowAttributes(display_, event.xmap.window, &a) || a.x < 0 || a.y < 0 ||
                    a.x + a.width > before->width || a.y + a.height > before->height)
                    continue;
                window = event.xmap.window;
                width = a.width;
                height = a.height;
                unpainted = shown = crop(before, a.x, a.y, width, height);
                changed = at;
                look(at);
            } else if (event.type == damageEvent_ + XDamageNotify) {
                const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
                XDamageSubtract(display_, damage.damage, None, None);
                if (damage.drawable == window)
                    look(at);
            }
        }
        for (const Damage damage : damages)
            XDamageDestroy(display_, damage);
        XSync(display_, False);
        if (!painted)
            return std::nullopt;
        return Sample{millisecondsSince(start, changed), statusMiB(pid, "VmRSS"),
                      statusMiB(pid, "RssAnon")};
    }

    Display* display_;
    int damageEvent_ = 0;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

int usage() {
    std::fprintf(stderr,
                 "usage: startup_probe [--runs N] [--warmup N] [--against NAME] NAME=PROGRAM...\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    int runs = 15;
    int warmup = 1;
    std::string against;
    std::vector<Program> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--runs" || arg == "--warmup") && i + 1 < argc) {
            (arg == "--runs" ? runs : warmup) = std::atoi(argv[++i]);
        } else if (arg == "--against" && i + 1 < argc) {
            against = argv[++i];
        } else if (const auto eq = arg.find('='); eq != std::string::npos && eq > 0) {
            programs.push_back({arg.substr(0, eq), arg.substr(eq + 1), {}, {}, {}});
        } else {
            return usage();
        }
    }
    if (programs.empty() || runs < 1)
        return usage();

    Probe probe;
    for (int round = 0; round < warmup + runs; ++round) {
        for (Program& p : programs) {
            const std::optional<Sample> s = probe.run(p.path);
            if (!s) {
                std::fprintf(stderr, "startup_probe: %s showed no painted window\n",
                             p.path.c_str());
                return 1;
            }
            if (round >= warmup) {
                p.ms.push_back(s->ms);
                p.rssMiB.push_back(s->rssMiB);
                p.privateMiB.push_back(s->privateMiB);
            }
        }
    }

    std::printf("Start-up on X, %d runs each after %d warm-up, interleaved; medians\n", runs,
                warmup);
    std::printf("%-12s %14s %8s %8s %10s %12s\n", "program", "first frame", "min", "max", "RSS",
                "of it own");
    for (const Program& p : programs)
        std::printf("%-12s %11.1f ms %5.1f ms %5.1f ms %6.1f MiB %8.1f MiB\n", p.name.c_str(),
                    median(p.ms), *std::min_element(p.ms.begin(), p.ms.end()),
                    *std::max_element(p.ms.begin(), p.ms.end()), median(p.rssMiB),
                    median(p.privateMiB));
    const auto compare = [](const Program& p, const Program& to) {
        std::printf("%s / %s: first frame x %.2f, RSS %+.1f MiB (own memory %+.1f MiB)\n",
                    p.name.c_str(), to.name.c_str(), median(p.ms) / median(to.ms),
                    median(p.rssMiB) - median(to.rssMiB),
                    median(p.privateMiB) - median(to.privateMiB));
    };
    for (std::size_t i = 1; i < programs.size(); ++i)
        compare(programs[i], programs.front());
    // The program named by --against, beside each of the others too.
    for (const Program& p : programs)
        if (p.name == against)
            for (std::size_t i = 1; i < programs.size(); ++i)
                if (programs[i].name != against)
                    compare(p, programs[i]);
    return 0;
}

// Measures how long a program takes from exec to the moment its top-level window is mapped, and
// its peak resident set then and one second later, under a private Xvfb. The map is seen as a
// MapNotify event on the root window (SubstructureNotify), so nothing polls on a timer.
// Usage: tarnyx_startbench [--rounds N] <floor program> <program>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

struct Sample
{
    double ms;
    double hwmAtMapMiB;
    double hwmLaterMiB;
};

[[noreturn]] void fail(const std::string &message)
{
    std::fprintf(stderr, "startbench: %s\n", message.c_str());
    std::exit(1);
}

// Signals one child process. A pid of 0 or below would signal a whole process group or every
// process the user may signal, so it is refused.
void signalChild(pid_t pid, int signal)
{
    if (pid <= 0)
        fail("refusing to signal pid " + std::to_string(pid));
    kill(pid, signal);
    waitpid(pid, nullptr, 0);
}

// Starts Xvfb on a display it picks itself and returns its process id and display number.
pid_t startXvfb(int &display)
{
    int fds[2];
    if (pipe(fds) != 0)
        fail("pipe");
    const pid_t pid = fork();
    if (pid < 0)
        fail("cannot start Xvfb: fork failed");
    if (pid == 0) {
        close(fds[0]);
        if (!freopen("/dev/null", "w", stderr))
            _exit(126);
        const std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24",
               "-nolisten", "tcp", static_cast<char *>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    char buffer[32] = {};
    ssize_t n = 0, got = 0;
    while (got < 31 && (n = read(fds[0], buffer + got, 31 - got)) > 0) {
        got += n;
        if (std::memchr(buffer, '\n', static_cast<std::size_t>(got)))
            break;
    }
    close(fds[0]);
    if (got <= 0)
        fail("Xvfb did not start");
    display = std::atoi(buffer);
    return pid;
}

double readHwmMiB(pid_t pid)
{
    std::string path = "/proc/";
    path += std::to_string(pid);
    path += "/status";
    std::ifstream status(path);
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
    return 0.0;
}

class Watcher
{
public:
    explicit Watcher(int display)
    {
        m_display = ":";
        m_display += std::to_string(display);
        m_connection = xcb_connect(m_display.c_str(), nullptr);
        if (xcb_connection_has_error(m_connection))
            fail("cannot connect to " + m_display);
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_connection);
    }
    ~Watcher() { xcb_disconnect(m_connection); }

    Sample measure(const char *program)
    {
        while (xcb_generic_event_t *stale = xcb_poll_for_event(m_connection))
            std::free(stale);
        const auto start = std::chrono::steady_clock::now();
        const pid_t pid = fork();
        if (pid < 0)
            fail(std::string("cannot start ") + program + ": fork failed");
        if (pid == 0) {
            if (!freopen("/dev/null", "w", stdout) || !freopen("/dev/null", "w", stderr))
                _exit(126);
            setenv("DISPLAY", m_display.c_str(), 1);
            setenv("QT_QPA_PLATFORM", "xcb", 1);
            execl(program, program, static_cast<char *>(nullptr));
            _exit(127);
        }
        waitForTopLevelMap(pid);
        const auto mapped = std::chrono::steady_clock::now();
        Sample s{std::chrono::duration<double, std::milli>(mapped - start).count(), readHwmMiB(pid),
                 0.0};
        std::this_thread::sleep_for(std::chrono::seconds(1));
        s.hwmLaterMiB = readHwmMiB(pid);
        signalChild(pid, SIGTERM);
        return s;
    }

private:
    void waitForTopLevelMap(pid_t pid)
    {
        pollfd pfd{xcb_get_file_descriptor(m_connection), POLLIN, 0};
        for (;;) {
            while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
                const bool topLevelMap =
                    (event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                    reinterpret_cast<xcb_map_notify_event_t *>(event)->event == m_root;
                std::free(event);
                if (topLevelMap)
                    return;
            }
            if (xcb_connection_has_error(m_connection))
                fail("lost the X connection");
            if (poll(&pfd, 1, 30000) == 0) {
                signalChild(pid, SIGKILL);
                fail("no window was mapped within 30 s");
            }
        }
    }

    std::string m_display;
    xcb_connection_t *m_connection;
    xcb_window_t m_root;
};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

template <typename Field>
std::vector<double> column(const std::vector<Sample> &samples, Field field)
{
    std::vector<double> out;
    for (const Sample &s : samples)
        out.push_back(s.*field);
    return out;
}

void printFigure(const char *label, const std::vector<double> &v, const char *unit)
{
    std::printf("  %-26s median %8.2f %s   min %8.2f   max %8.2f\n", label, median(v), unit,
                *std::min_element(v.begin(), v.end()), *std::max_element(v.begin(), v.end()));
}

void printProgram(const char *name, const std::vector<Sample> &samples)
{
    std::printf("%s (%zu rounds)\n", name, samples.size());
    printFigure("time to window", column(samples, &Sample::ms), "ms ");
    printFigure("peak RSS at map", column(samples, &Sample::hwmAtMapMiB), "MiB");
    printFigure("peak RSS 1 s later", column(samples, &Sample::hwmLaterMiB), "MiB");
}

std::string cpuModel()
{
    std::ifstream cpuinfo("/proc/cpuinfo");
    std::string line;
    while (std::getline(cpuinfo, line))
        if (line.rfind("model name", 0) == 0)
            return line.substr(line.find(':') + 2);
    return "unknown";
}

} // namespace

int main(int argc, char *argv[])
{
    int rounds = 20;
    std::vector<const char *> programs;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--rounds") == 0 && i + 1 < argc)
            rounds = std::max(1, std::atoi(argv[++i]));
        else
            programs.push_back(argv[i]);
    }
    if (programs.size() != 2) {
        std::fprintf(stderr, "usage: tarnyx_startbench [--rounds N] <floor> <program>\n");
        return 2;
    }
    std::signal(SIGPIPE, SIG_IGN);
    int display = 0;
    const pid_t xvfb = startXvfb(display);
    std::vector<Sample> floor, program;
    {
        Watcher watcher(display);
        watcher.measure(programs[0]); // warm-up: disk cache, font cache
        watcher.measure(programs[1]);
        for (int i = 0; i < rounds; ++i) {
            // Interleaved, alternating which goes first, so drift hits both alike.
            if (i % 2 == 0) {
                floor.push_back(watcher.measure(programs[0]));
                program.push_back(watcher.measure(programs[1]));
            } else {
                program.push_back(watcher.measure(programs[1]));
                floor.push_back(watcher.measure(programs[0]));
            }
        }
    }
    signalChild(xvfb, SIGTERM);

    std::printf("machine: %s, %ld cores\n", cpuModel().c_str(), sysconf(_SC_NPROCESSORS_ONLN));
    printProgram("floor", floor);
    printProgram("tarnyx", program);
    std::vector<double> timeRatio, memoryRatio, laterRatio;
    for (std::size_t i = 0; i < floor.size(); ++i) {
        timeRatio.push_back(program[i].ms / floor[i].ms);
        memoryRatio.push_back(program[i].hwmAtMapMiB / floor[i].hwmAtMapMiB);
        laterRatio.push_back(program[i].hwmLaterMiB / floor[i].hwmLaterMiB);
    }
    std::printf("tarnyx / floor, pair by pair\n");
    printFigure("time to window", timeRatio, "x  ");
    printFigure("peak RSS at map", memoryRatio, "x  ");
    printFigure("peak RSS 1 s later", laterRatio, "x  ");
    return 0;
}

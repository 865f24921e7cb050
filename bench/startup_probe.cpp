// Start-up probe: starts one or more programs several times on the X server named by $DISPLAY,
// taking them in turn so that a change in the machine's load falls on all of them, and for each
// run measures
//   - the time from fork/exec to the first MapNotify of one of its top-level windows, and the CPU
//     time its threads used until then,
//   - its resident memory after a few seconds of idle (VmRSS),
//   - the CPU time it uses over the next seconds of idle (utime + stime),
//   - the shared libraries it has mapped at the map and after the settle time,
// then ends it with SIGTERM. Every run gets fresh, empty XDG_CONFIG_HOME and XDG_RUNTIME_DIR
// folders, so each one is a first start of a single-instance program; they are removed afterwards.
//
// The map is watched through xcb (SubstructureNotify on the root window, selected before the
// fork). A window is the program's when it, or a window inside it, carries _NET_WM_PID equal to
// the child's pid: without a window manager the program's own window is a child of the root;
// with a reparenting one the root sees the frame, which holds the program's window. A window
// without any _NET_WM_PID counts when it was created after the fork.
//
// usage: twl_bench_startup [--runs N] [--warmup N] [--settle S] [--idle S] [--timeout S]
//                          [--verbose] PROGRAM [PROGRAM...]

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Set by SIGINT or SIGTERM: the current run ends its program and cleans up, no further run starts.
volatile std::sig_atomic_t stopRequested = 0;

void OnStopSignal(int) {
    stopRequested = 1;
}

struct Options {
    int runs = 5;
    double settleSeconds = 3;
    double idleSeconds = 10;
    double timeoutSeconds = 30;
    int warmups = 1; // runs before the measured ones, to fill the file cache; not reported
    bool verbose = false;
    std::vector<std::string> programs; // measured in turn, run after run
};

struct RunResult {
    bool ok = false;
    std::string failure;
    double mapMs = 0;
    double mapCpuMs = 0; // CPU time of all its threads until the map: less swayed by other load
    double rssMib = 0;
    double anonMib = 0;
    double cpuMs = 0;   // utime + stime, clock-tick resolution
    double cpuUs = 0;   // sum of the threads' schedstat run time, nanosecond resolution
    long wakeups = 0;   // context switches of all threads
    double exitMs = -1; // SIGTERM to exit
    long libsAtMap = 0; // shared libraries mapped when the window was seen
    long libs = 0;      // and after the settle time
};

double MsSince(Clock::time_point start, Clock::time_point end) {
    return std::chrono::duration<double, std::milli>(end - start).count();
}

double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 == 1 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

// ---- /proc readings ----------------------------------------------------------------------------

long StatusKib(pid_t pid, const std::string& key) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(key + ":", 0) == 0)
            return std::strtol(line.c_str() + key.size() + 1, nullptr, 10);
    }
    return -1;
}

// The distinct shared libraries (files named *.so or *.so.N) in the process's memory map.
long SharedLibraries(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/maps");
    std::set<std::string> files;
    for (std::string line; std::getline(in, line);) {
        const std::size_t path = line.find('/');
        if (path == std::string::npos)
            continue;
        const std::string file = line.substr(path);
        const std::size_t so = file.rfind(".so");
        if (so != std::string::npos &&
            (so + 3 == file.size() || file[so + 3] == '.' || file[so + 3] == ' '))
            files.insert(file);
    }
    return static_cast<long>(files.size());
}

// utime + stime of the whole process, in clock ticks.
long CpuTicks(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t close = text.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    long ticks = 0;
    for (int index = 3; index <= 15 && fields >> field; ++index) {
        if (index >= 14)
            ticks += std::stol(field);
    }
    return ticks;
}

struct ThreadTotals {
    long long runNs = 0;
    long switches = 0;
};

ThreadTotals SumThreads(pid_t pid) {
    ThreadTotals totals;
    std::error_code error;
    for (const auto& task :
         fs::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        std::ifstream sched(task.path() / "schedstat");
        long long ns = 0;
        if (sched >> ns)
            totals.runNs += ns;
        std::ifstream status(task.path() / "status");
        std::string line;
        while (std::getline(status, line)) {
            if (line.find("ctxt_switches:") != std::string::npos)
                totals.switches += std::strtol(line.c_str() + line.find(':') + 1, nullptr, 10);
        }
    }
    return totals;
}

// ---- X server ----------------------------------------------------------------------------------

class MapWatch {
public:
    MapWatch() : conn_(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(conn_))
            return;
        root_ = xcb_setup_roots_iterator(xcb_get_setup(conn_)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(conn_, root_, XCB_CW_EVENT_MASK, &mask);
        pidAtom_ = Atom("_NET_WM_PID");
        wmCheckAtom_ = Atom("_NET_SUPPORTING_WM_CHECK");
        xcb_flush(conn_);
    }
    ~MapWatch() { xcb_disconnect(conn_); }
    MapWatch(const MapWatch&) = delete;
    MapWatch& operator=(const MapWatch&) = delete;

    bool Ok() const { return !xcb_connection_has_error(conn_); }
    bool WindowManagerRunning() { return Cardinal(root_, wmCheckAtom_).has_value(); }

    // Drops whatever the server reported before the next run starts.
    void Drain() {
        Sync();
        while (xcb_generic_event_t* event = xcb_poll_for_event(conn_))
            std::free(event);
        createdSinceStart_.clear();
    }

    // Waits for the first map of a top-level window of `pid`. Returns the time it was seen, or
    // nothing when the program ends first or the deadline passes.
    std::optional<Clock::time_point> WaitForMap(pid_t pid, Clock::time_point deadline,
                                                bool& exited) {
        const int fd = xcb_get_file_descriptor(conn_);
        while (Clock::now() < deadline && Ok() && stopRequested == 0) {
            std::vector<std::pair<xcb_generic_event_t*, Clock::time_point>> batch;
            while (xcb_generic_event_t* event = xcb_poll_for_event(conn_))
                batch.emplace_back(event, Clock::now());
            std::optional<Clock::time_point> seen;
            for (auto& [event, when] : batch) {
                if (!seen && IsProgramMap(event, pid))
                    seen = when;
                std::free(event);
            }
            if (seen)
                return seen;
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid) {
                exited = true;
                return std::nullopt;
            }
            pollfd waitFd{fd, POLLIN, 0};
            poll(&waitFd, 1, 20);
        }
        return std::nullopt;
    }

private:
    // One round trip: every event the server sent before it is then in the queue.
    void Sync() {
        std::free(xcb_get_input_focus_reply(conn_, xcb_get_input_focus(conn_), nullptr));
    }

    xcb_atom_t Atom(const char* name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            conn_, xcb_intern_atom(conn_, 0, static_cast<uint16_t>(std::strlen(name)), name),
            nullptr);
        const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reply);
        return atom;
    }

    std::optional<uint32_t> Cardinal(xcb_window_t window, xcb_atom_t property) {
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            conn_, xcb_get_property(conn_, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1),
            nullptr);
        std::optional<uint32_t> value;
        if (reply != nullptr && reply->format == 32 && xcb_get_property_value_length(reply) >= 4)
            std::memcpy(&value.emplace(), xcb_get_property_value(reply), 4);
        std::free(reply);
        return value;
    }

    // The pid carried by the window or, for a window manager's frame, by a window inside it.
    std::optional<uint32_t> OwnerPid(xcb_window_t window, int depth) {
        if (std::optional<uint32_t> pid = Cardinal(window, pidAtom_))
            return pid;
        if (depth == 0)
            return std::nullopt;
        xcb_query_tree_reply_t* tree =
            xcb_query_tree_reply(conn_, xcb_query_tree(conn_, window), nullptr);
        std::optional<uint32_t> found;
        if (tree != nullptr) {
            const xcb_window_t* children = xcb_query_tree_children(tree);
            for (int i = 0; i < xcb_query_tree_children_length(tree) && !found; ++i)
                found = OwnerPid(children[i], depth - 1);
        }
        std::free(tree);
        return found;
    }

    bool IsProgramMap(xcb_generic_event_t* event, pid_t pid) {
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            createdSinceStart_.insert(reinterpret_cast<xcb_create_notify_event_t*>(event)->window);
            return false;
        }
        if (type != XCB_MAP_NOTIFY)
            return false;
        const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
        if (map->event != root_)
            return false;
        const std::optional<uint32_t> owner = OwnerPid(map->window, 2);
        if (owner)
            return *owner == static_cast<uint32_t>(pid);
        return createdSinceStart_.count(map->window) != 0;
    }

    xcb_connection_t* conn_;
    xcb_window_t root_ = XCB_NONE;
    xcb_atom_t pidAtom_ = XCB_ATOM_NONE;
    xcb_atom_t wmCheckAtom_ = XCB_ATOM_NONE;
    std::set<xcb_window_t> createdSinceStart_;
};

// ---- one run -----------------------------------------------------------------------------------

// Sleeps in short steps so that a stop request is seen at once.
void SleepSeconds(double seconds) {
    const Clock::time_point end = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                                     std::chrono::duration<double>(seconds));
    while (stopRequested == 0 && Clock::now() < end)
        std::this_thread::sleep_for(
            std::min<Clock::duration>(std::chrono::milliseconds(50), end - Clock::now()));
}

std::string MakeTempFolder(const char* pattern) {
    std::string path = (fs::temp_directory_path() / pattern).string();
    return mkdtemp(path.data()) != nullptr ? path : std::string();
}

pid_t Launch(const std::string& program, bool verbose, const std::string& configHome,
             const std::string& runtimeDir, const std::string& logPath) {
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    setenv("XDG_CONFIG_HOME", configHome.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", runtimeDir.c_str(), 1);
    if (!verbose) {
        const int log = open(logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (log >= 0) {
            dup2(log, STDOUT_FILENO);
            dup2(log, STDERR_FILENO);
            close(log);
        }
    }
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    execv(argv[0], argv);
    std::perror("exec");
    _exit(127);
}

// Reaps the program when it has ended on its own.
bool StillRunning(pid_t pid) {
    int status = 0;
    return waitpid(pid, &status, WNOHANG) == 0;
}

// Ends the program with SIGTERM; returns the milliseconds it took, or -1 after a SIGKILL.
double Terminate(pid_t pid) {
    const Clock::time_point start = Clock::now();
    kill(pid, SIGTERM);
    while (MsSince(start, Clock::now()) < 5000) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid)
            return MsSince(start, Clock::now());
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return -1;
}

std::string LogTail(const std::string& logPath) {
    std::ifstream in(logPath);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    std::string tail;
    for (std::size_t i = lines.size() > 5 ? lines.size() - 5 : 0; i < lines.size(); ++i)
        tail += "\n      | " + lines[i];
    return tail;
}

RunResult RunOnce(const Options& options, const std::string& program, MapWatch& watch) {
    RunResult result;
    const std::string configHome = MakeTempFolder("twl-bench-config-XXXXXX");
    const std::string runtimeDir = MakeTempFolder("twl-bench-runtime-XXXXXX");
    if (configHome.empty() || runtimeDir.empty()) {
        result.failure = "cannot make temporary folders";
        return result;
    }
    const std::string logPath = runtimeDir + "/output.log";
    watch.Drain();

    const Clock::time_point start = Clock::now();
    const pid_t pid = Launch(program, options.verbose, configHome, runtimeDir, logPath);
    bool exited = false;
    if (pid < 0) {
        result.failure = "fork failed";
        exited = true;
    }
    const Clock::time_point deadline =
        start + std::chrono::duration_cast<Clock::duration>(
                    std::chrono::duration<double>(options.timeoutSeconds));
    std::optional<Clock::time_point> mapped;
    if (!exited)
        mapped = watch.WaitForMap(pid, deadline, exited);
    if (!mapped) {
        if (result.failure.empty())
            result.failure = exited               ? "program ended before mapping a window"
                             : stopRequested != 0 ? "interrupted"
                                                  : "no window mapped before the timeout";
        if (!exited)
            Terminate(pid);
        result.failure += LogTail(logPath);
    } else {
        result.mapMs = MsSince(start, *mapped);
        result.mapCpuMs = static_cast<double>(SumThreads(pid).runNs) / 1e6;
        result.libsAtMap = SharedLibraries(pid);
        SleepSeconds(options.settleSeconds);
        result.libs = SharedLibraries(pid);
        result.rssMib = StatusKib(pid, "VmRSS") / 1024.0;
        result.anonMib = StatusKib(pid, "RssAnon") / 1024.0;
        const long ticksBefore = CpuTicks(pid);
        const ThreadTotals threadsBefore = SumThreads(pid);
        SleepSeconds(options.idleSeconds);
        const long ticksAfter = CpuTicks(pid);
        const ThreadTotals threadsAfter = SumThreads(pid);
        result.cpuMs =
            (ticksAfter - ticksBefore) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
        result.cpuUs = static_cast<double>(threadsAfter.runNs - threadsBefore.runNs) / 1000.0;
        result.wakeups = threadsAfter.switches - threadsBefore.switches;
        result.ok = StillRunning(pid);
        if (result.ok)
            result.exitMs = Terminate(pid);
        else
            result.failure = "program ended while idle" + LogTail(logPath);
        if (stopRequested != 0) {
            result.ok = false;
            result.failure = "interrupted";
        }
    }
    std::error_code error;
    fs::remove_all(configHome, error);
    fs::remove_all(runtimeDir, error);
    return result;
}

bool ParseArgs(int argc, char** argv, Options& options) {
    int i = 1;
    for (; i < argc && argv[i][0] == '-'; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--verbose")
            options.verbose = true;
        else if (arg == "--runs" && hasValue)
            options.runs = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--warmup" && hasValue)
            options.warmups = std::max(0, std::atoi(argv[++i]));
        else if (arg == "--settle" && hasValue)
            options.settleSeconds = std::atof(argv[++i]);
        else if (arg == "--idle" && hasValue)
            options.idleSeconds = std::atof(argv[++i]);
        else if (arg == "--timeout" && hasValue)
            options.timeoutSeconds = std::atof(argv[++i]);
        else
            return false;
    }
    for (; i < argc; ++i)
        options.programs.push_back(fs::absolute(argv[i]).string());
    return !options.programs.empty();
}

void PrintRun(const char* label, const RunResult& r) {
    if (!r.ok && r.mapMs == 0) {
        std::printf("  %-8s failed: %s\n", label, r.failure.c_str());
    } else {
        std::printf("  %-8s %8.1f %8.1f %8.1f %8.1f %8.0f %9.0f %8ld %8.1f %5ld %5ld%s\n", label,
                    r.mapMs, r.mapCpuMs, r.rssMib, r.anonMib, r.cpuMs, r.cpuUs, r.wakeups, r.exitMs,
                    r.libsAtMap, r.libs, r.ok ? "" : ("  " + r.failure).c_str());
    }
    std::fflush(stdout);
}

// The median of each column over the complete runs, and the best map time.
void PrintSummary(const std::vector<RunResult>& results) {
    std::vector<double> map, mapCpu, rss, anon, cpu, cpuUs, wakeups, exitMs, libsAtMap, libs;
    for (const RunResult& r : results) {
        if (!r.ok)
            continue;
        map.push_back(r.mapMs);
        mapCpu.push_back(r.mapCpuMs);
        rss.push_back(r.rssMib);
        anon.push_back(r.anonMib);
        cpu.push_back(r.cpuMs);
        cpuUs.push_back(r.cpuUs);
        wakeups.push_back(static_cast<double>(r.wakeups));
        exitMs.push_back(r.exitMs);
        libsAtMap.push_back(static_cast<double>(r.libsAtMap));
        libs.push_back(static_cast<double>(r.libs));
    }
    if (map.empty()) {
        std::printf("  no complete run\n");
        return;
    }
    std::printf("  %-8s %8.1f %8.1f %8.1f %8.1f %8.0f %9.0f %8.0f %8.1f %5.0f %5.0f\n", "median",
                Median(map), Median(mapCpu), Median(rss), Median(anon), Median(cpu), Median(cpuUs),
                Median(wakeups), Median(exitMs), Median(libsAtMap), Median(libs));
    std::printf("  %-8s %8.1f %8.1f   (%zu complete runs)\n", "best",
                *std::min_element(map.begin(), map.end()),
                *std::min_element(mapCpu.begin(), mapCpu.end()), map.size());
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseArgs(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: %s [--runs N] [--warmup N] [--settle S] [--idle S] [--timeout S] "
                     "[--verbose] PROGRAM [PROGRAM...]\n",
                     argv[0]);
        return 2;
    }
    struct sigaction onStop {};
    onStop.sa_handler = OnStopSignal;
    sigaction(SIGINT, &onStop, nullptr);
    sigaction(SIGTERM, &onStop, nullptr);
    MapWatch watch;
    if (!watch.Ok()) {
        std::fprintf(stderr, "cannot connect to the X server (DISPLAY=%s)\n",
                     std::getenv("DISPLAY") != nullptr ? std::getenv("DISPLAY") : "");
        return 1;
    }
    std::printf("%d runs of each program, taken in turn, after %d warm-up; DISPLAY=%s, %s.\n"
                "RSS after %.0f s idle, CPU over the next %.0f s.\n",
                options.runs, options.warmups,
                std::getenv("DISPLAY") != nullptr ? std::getenv("DISPLAY") : "(default)",
                watch.WindowManagerRunning() ? "window manager running (frames searched)"
                                             : "no window manager",
                options.settleSeconds, options.idleSeconds);
    for (std::size_t p = 0; p < options.programs.size(); ++p)
        std::printf("  [%zu] %s\n", p + 1, options.programs[p].c_str());
    std::printf("  %-8s %8s %8s %8s %8s %8s %9s %8s %8s %5s %5s\n", "run", "map ms", "map CPU",
                "RSS MiB", "anon MiB", "CPU ms", "CPU us", "wakeups", "exit ms", "libs", "libs");

    Options warmup = options;
    warmup.settleSeconds = 0;
    warmup.idleSeconds = 0;
    for (int run = 1; run <= options.warmups && stopRequested == 0; ++run) {
        for (const std::string& program : options.programs) {
            if (stopRequested != 0)
                break;
            const RunResult r = RunOnce(warmup, program, watch);
            if (!r.ok)
                std::printf("  warm-up of %s failed: %s\n", program.c_str(), r.failure.c_str());
        }
    }
    std::vector<std::vector<RunResult>> results(options.programs.size());
    for (int run = 1; run <= options.runs && stopRequested == 0; ++run) {
        for (std::size_t p = 0; p < options.programs.size() && stopRequested == 0; ++p) {
            results[p].push_back(RunOnce(options, options.programs[p], watch));
            const std::string label = std::to_string(run) + " [" + std::to_string(p + 1) + "]";
            PrintRun(label.c_str(), results[p].back());
        }
    }
    bool complete = true;
    for (std::size_t p = 0; p < options.programs.size(); ++p) {
        std::printf("[%zu] %s\n", p + 1, fs::path(options.programs[p]).filename().c_str());
        PrintSummary(results[p]);
        complete = complete && std::any_of(results[p].begin(), results[p].end(),
                                           [](const RunResult& r) { return r.ok; });
    }
    if (stopRequested != 0)
        return 130;
    return complete ? 0 : 1;
}

// Launches a program on the X display and measures it from outside, the same way
// for any program: the time from exec to the first frame it draws into a window
// of its own (seen through the DAMAGE extension), its resident memory once up,
// the processor time it took up to then, and the processor time it takes while
// left alone.
//   drovanta_first_frame [--idle-after S] [--idle-for S] -- program [args...]
// Prints one line: first_frame_ms=… first_frame_cpu_ms=… rss_kib=… idle_cpu_percent=…
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double ms_since(Clock::time_point t0) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

long rss_kib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// User and system time of the process so far, in clock ticks.
long long cpu_ticks(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string all((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const auto close = all.rfind(')');
    if (close == std::string::npos) return -1;
    std::istringstream rest(all.substr(close + 2));
    std::string field;
    long long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && rest >> field; ++i) {
        if (i == 14) utime = std::atoll(field.c_str());
        if (i == 15) stime = std::atoll(field.c_str());
    }
    return utime + stime;
}

// Time the process has spent on a processor so far, in milliseconds: far less
// disturbed by a busy machine than the wall clock.
double cpu_ms(pid_t pid) {
    std::ifstream schedstat("/proc/" + std::to_string(pid) + "/schedstat");
    long long on_cpu_ns = -1;
    schedstat >> on_cpu_ns;
    return on_cpu_ns / 1e6;
}

int usage() {
    std::fprintf(
        stderr,
        "usage: drovanta_first_frame [--idle-after S] [--idle-for S] -- program [args...]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    double idle_after = 6.0, idle_for = 3.0;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (i + 1 >= argc) return usage();
        if (std::strcmp(argv[i], "--idle-after") == 0)
            idle_after = std::atof(argv[++i]);
        else if (std::strcmp(argv[i], "--idle-for") == 0)
            idle_for = std::atof(argv[++i]);
        else
            return usage();
    }
    if (i + 1 >= argc) return usage();
    char** program = argv + i + 1;

    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(x, &xcb_damage_id);
    if (!damage || !damage->present) {
        std::fprintf(stderr, "the X server has no DAMAGE extension\n");
        return 1;
    }
    xcb_discard_reply(x, xcb_damage_query_version(x, 1, 1).sequence);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    const Clock::time_point t0 = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(program[0], program);
        std::perror("exec");
        _exit(127);
    }

    // Every window the program creates gets a damage watch before it can draw;
    // the first damage on a window that is mapped is the first frame.
    std::set<xcb_window_t> mapped;
    double first_frame = -1;
    double first_frame_cpu = -1;
    while (first_frame < 0) {
        xcb_generic_event_t* event = xcb_wait_for_event(x);
        if (!event) break;
        const uint8_t type = event->response_type & 0x7F;
        if (type == XCB_CREATE_NOTIFY) {
            const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
            xcb_damage_create(x, xcb_generate_id(x), created->window,
                              XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            xcb_flush(x);
        } else if (type == XCB_MAP_NOTIFY) {
            mapped.insert(reinterpret_cast<xcb_map_notify_event_t*>(event)->window);
        } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY) {
            const auto* notify = reinterpret_cast<xcb_damage_notify_event_t*>(event);
            if (mapped.count(notify->drawable) && notify->area.width > 100) {
                first_frame = ms_since(t0);
                first_frame_cpu = cpu_ms(child);
            }
        }
        std::free(event);
        if (ms_since(t0) > 20000) break;
    }

    std::this_thread::sleep_for(std::chrono::duration<double>(idle_after));
    const long rss = rss_kib(child);
    const long long before = cpu_ticks(child);
    std::this_thread::sleep_for(std::chrono::duration<double>(idle_for));
    const long long after = cpu_ticks(child);
    const double idle_cpu =
        100.0 * double(after - before) / double(sysconf(_SC_CLK_TCK)) / idle_for;

    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(x);
    if (first_frame < 0) {
        std::fprintf(stderr, "no frame seen\n");
        return 1;
    }
    std::printf("first_frame_ms=%.1f first_frame_cpu_ms=%.1f rss_kib=%ld idle_cpu_percent=%.2f\n",
                first_frame, first_frame_cpu, rss, idle_cpu);
    return 0;
}

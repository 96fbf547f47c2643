// The benchmark's stopwatch: starts a program and reports the microseconds from just before its
// exec until the X server maps its window of the given title, its peak resident memory then, and
// the CPU time it had used by then. It listens for the server's own MapNotify event, so the
// figures carry no polling delay.
#include <xcb/xcb.h>

#include "XcbOwned.h"

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto deadline = std::chrono::seconds(30);

using bench::Connection;
using bench::Owned;

struct Atoms {
    xcb_atom_t netWmName;
    xcb_atom_t utf8String;
};

xcb_atom_t internAtom(xcb_connection_t* connection, std::string_view name)
{
    const auto cookie = xcb_intern_atom(connection, 0, static_cast<uint16_t>(name.size()), name.data());
    const Owned<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookie, nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::string property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name, xcb_atom_t type)
{
    const auto cookie = xcb_get_property(connection, 0, window, name, type, 0, 1024);
    const Owned<xcb_get_property_reply_t> reply(xcb_get_property_reply(connection, cookie, nullptr));
    if (!reply)
        return {};
    return {static_cast<const char*>(xcb_get_property_value(reply.get())),
        static_cast<std::size_t>(xcb_get_property_value_length(reply.get()))};
}

bool hasTitle(xcb_connection_t* connection, const Atoms& atoms, xcb_window_t window, std::string_view title)
{
    return property(connection, window, atoms.netWmName, atoms.utf8String) == title
        || property(connection, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY) == title;
}

long peakResidentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmHWM:"))
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// Returns when a window with the title was mapped, read as the event arrived, before any
// further question to the server; a window mapped before its title is set is watched for the title.
std::optional<Clock::time_point> waitForMappedWindow(
    xcb_connection_t* connection, const Atoms& atoms, std::string_view title, pid_t child)
{
    const auto giveUp = Clock::now() + deadline;
    pollfd socket{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (Clock::now() < giveUp) {
        while (const Owned<xcb_generic_event_t> event{xcb_poll_for_event(connection)}) {
            const auto arrived = Clock::now();
            const auto type = event->response_type & 0x7f;
            if (type == XCB_MAP_NOTIFY) {
                const auto window = reinterpret_cast<const xcb_map_notify_event_t*>(event.get())->window;
                if (hasTitle(connection, atoms, window, title))
                    return arrived;
                const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
                xcb_change_window_attributes(connection, window, XCB_CW_EVENT_MASK, &mask);
                xcb_flush(connection);
            } else if (type == XCB_PROPERTY_NOTIFY) {
                const auto* change = reinterpret_cast<const xcb_property_notify_event_t*>(event.get());
                if ((change->atom == atoms.netWmName || change->atom == XCB_ATOM_WM_NAME)
                    && hasTitle(connection, atoms, change->window, title))
                    return arrived;
            }
        }
        if (xcb_connection_has_error(connection) || waitpid(child, nullptr, WNOHANG) != 0)
            return std::nullopt;
        poll(&socket, 1, 100);
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TITLE PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    const std::string_view title = argv[1];

    const Connection connection(xcb_connect(nullptr, nullptr));
    if (xcb_connection_has_error(connection.get())) {
        std::fprintf(stderr, "cannot connect to the X server\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection.get())).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    // Checked, so the server listens before the program can map anything.
    const Owned<xcb_generic_error_t> error(xcb_request_check(
        connection.get(), xcb_change_window_attributes_checked(connection.get(), root, XCB_CW_EVENT_MASK, &mask)));
    if (error) {
        std::fprintf(stderr, "cannot watch the root window\n");
        return 1;
    }
    const Atoms atoms{internAtom(connection.get(), "_NET_WM_NAME"), internAtom(connection.get(), "UTF8_STRING")};

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        std::perror(argv[2]);
        _exit(127);
    }
    if (child < 0) {
        std::perror("fork");
        return 1;
    }

    const auto mapped = waitForMappedWindow(connection.get(), atoms, title, child);
    const long peak = peakResidentKiB(child);
    kill(child, SIGKILL);
    rusage usage{};
    wait4(child, nullptr, 0, &usage);

    if (!mapped) {
        std::fprintf(stderr, "no window titled \"%.*s\" was mapped\n", static_cast<int>(title.size()), title.data());
        return 1;
    }
    const auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(*mapped - start);
    const long long cpu = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1'000'000LL
        + usage.ru_utime.tv_usec + usage.ru_stime.tv_usec;
    std::printf("%lld %ld %lld\n", static_cast<long long>(elapsed.count()), peak, cpu);
    return 0;
}

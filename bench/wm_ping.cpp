// SPDX-License-Identifier: LicenseRef-proprietary
// Asks a program's window "are you responding" as a window manager does (_NET_WM_PING), one
// ping at a time, a new one INTERVAL_MS after each answer, for SECONDS; desktops offer to end a
// program whose window leaves a ping unanswered for about 5 s. Prints when the window appeared,
// how many pings were answered, the longest and the 99th percentile of the answers' delays, and
// whether a ping went 5 s unanswered (the measuring then stops); and each answer slower than
// 50 ms.
// usage: wm_ping PID SECONDS [INTERVAL_MS]   (on the display of DISPLAY, with no window manager)
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <poll.h>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Where a desktop offers to end the program.
constexpr std::chrono::seconds GivenUpAfter{5};

// Answers slower than this are told one by one, with when their ping was sent.
constexpr double SlowAnswer = 50;

template <typename Reply> using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> Owned<Reply> own(Reply* reply) {
    return {reply, &std::free};
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    const auto reply = own(xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::vector<std::uint32_t> cardinals(xcb_connection_t* connection, xcb_window_t window,
                                     xcb_atom_t property, xcb_atom_t type) {
    const auto reply = own(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, type, 0, 64), nullptr));
    if (!reply || reply->format != 32)
        return {};
    const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

struct Atoms {
    xcb_atom_t protocols;
    xcb_atom_t ping;
    xcb_atom_t pid;
};

// The mapped top-level window of the process that answers pings.
std::optional<xcb_window_t> windowOf(xcb_connection_t* connection, xcb_window_t root,
                                     const Atoms& atoms, std::uint32_t pid) {
    const auto tree =
        own(xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr));
    if (!tree)
        return std::nullopt;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        const xcb_window_t window = children[i];
        const auto attributes = own(xcb_get_window_attributes_reply(
            connection, xcb_get_window_attributes(connection, window), nullptr));
        if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE)
            continue;
        const std::vector<std::uint32_t> owner =
            cardinals(connection, window, atoms.pid, XCB_ATOM_CARDINAL);
        const std::vector<std::uint32_t> protocols =
            cardinals(connection, window, atoms.protocols, XCB_ATOM_ATOM);
        if (!owner.empty() && owner[0] == pid &&
            std::find(protocols.begin(), protocols.end(), atoms.ping) != protocols.end())
            return window;
    }
    return std::nullopt;
}

void sendPing(xcb_connection_t* connection, xcb_window_t window, const Atoms& atoms,
              std::uint32_t serial) {
    xcb_client_message_event_t ping{};
    ping.response_type = XCB_CLIENT_MESSAGE;
    ping.format = 32;
    ping.window = window;
    ping.type = atoms.protocols;
    ping.data.data32[0] = atoms.ping;
    ping.data.data32[1] = serial; // stands for the time stamp, echoed back unchanged
    ping.data.data32[2] = window;
    xcb_send_event(connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&ping));
    xcb_flush(connection);
}

// Whether the answer to the ping came before the deadline.
bool awaitAnswer(xcb_connection_t* connection, const Atoms& atoms, std::uint32_t serial,
                 Clock::time_point deadline) {
    pollfd display{xcb_get_file_descriptor(connection), POLLIN, 0};
    for (;;) {
        while (const auto event = own(xcb_poll_for_event(connection))) {
            if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
                continue;
            const auto* answer = reinterpret_cast<const xcb_client_message_event_t*>(event.get());
            if (answer->data.data32[0] == atoms.ping && answer->data.data32[1] == serial)
                return true;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0 || xcb_connection_has_error(connection))
            return false;
        ::poll(&display, 1, static_cast<int>(left.count()) + 1);
    }
}

double milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: wm_ping PID SECONDS [INTERVAL_MS]\n");
        return 2;
    }
    const auto pid = static_cast<std::uint32_t>(std::atol(argv[1]));
    const auto end = Clock::now() + std::chrono::seconds(std::atol(argv[2]));
    const std::chrono::milliseconds interval(argc > 3 ? std::atol(argv[3]) : 20);
    const auto started = Clock::now();

    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "wm_ping: no display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const Atoms atoms{atom(connection, "WM_PROTOCOLS"), atom(connection, "_NET_WM_PING"),
                      atom(connection, "_NET_WM_PID")};
    // The answers are sent to the root window, for a window manager's eyes; toolkits name one or
    // the other of these masks (the redirect a window manager holds is not taken here).
    const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);

    std::optional<xcb_window_t> window;
    while (!(window = windowOf(connection, root, atoms, pid)) && Clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (!window) {
        std::fprintf(stderr, "wm_ping: no window of process %u\n", pid);
        return 1;
    }
    std::printf("window_shown_ms=%.0f\n", milliseconds(Clock::now() - started));

    std::vector<double> delays;
    bool unanswered = false;
    for (std::uint32_t serial = 1; Clock::now() < end; ++serial) {
        const auto sent = Clock::now();
        sendPing(connection, *window, atoms, serial);
        if (!awaitAnswer(connection, atoms, serial, sent + GivenUpAfter)) {
            unanswered = true;
            delays.push_back(milliseconds(Clock::now() - sent));
            break;
        }
        delays.push_back(milliseconds(Clock::now() - sent));
        if (delays.back() > SlowAnswer)
            std::printf("slow_answer_ms=%.1f at_ms=%.0f\n", delays.back(),
                        milliseconds(sent - started));
        std::this_thread::sleep_for(interval);
    }
    std::sort(delays.begin(), delays.end());
    std::printf("pings=%zu\nlongest_answer_ms=%.1f\np99_answer_ms=%.1f\nunanswered_5s=%d\n",
                delays.size(), delays.empty() ? 0.0 : delays.back(),
                delays.empty() ? 0.0 : delays[delays.size() * 99 / 100], unanswered ? 1 : 0);
    xcb_disconnect(connection);
    return 0;
}

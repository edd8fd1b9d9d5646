#include "inputd/InputHelper.h"

#include "platform/evdev/InputHelperProtocol.h"

#include <systemd/sd-login.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <sys/signalfd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Connections heard at once: more is no Gestrix of ours.
constexpr std::size_t mostClients = 8;

} // namespace

InputHelper::InputHelper(int listening)
    : m_listening(listening),
      m_forwarder("/dev/input", "/dev/uinput", [this](bool started) { gesture(started); }) {
    sigset_t stopping;
    sigemptyset(&stopping);
    sigaddset(&stopping, SIGTERM);
    sigaddset(&stopping, SIGINT);
    sigprocmask(SIG_BLOCK, &stopping, nullptr);
    m_signals = signalfd(-1, &stopping, SFD_CLOEXEC | SFD_NONBLOCK);
    // Without logind's seat files nobody is at the seat, and nobody gets the trigger.
    if (sd_login_monitor_new("seat", &m_seats) < 0) {
        std::fprintf(stderr, "gestrix-input: the seats cannot be watched\n");
        m_seats = nullptr;
    }
}

InputHelper::~InputHelper() {
    m_forwarder.stop();
    for (const Client& client : m_clients)
        close(client.fd);
    if (m_seats)
        sd_login_monitor_unref(m_seats);
    close(m_signals);
}

int InputHelper::run() {
    std::vector<pollfd> descriptors;
    for (;;) {
        descriptors.clear();
        descriptors.push_back({m_signals, POLLIN, 0});
        descriptors.push_back({m_listening, POLLIN, 0});
        descriptors.push_back({m_seats ? sd_login_monitor_get_fd(m_seats) : -1, POLLIN, 0});
        for (const Client& client : m_clients)
            descriptors.push_back({client.fd, POLLIN, 0});
        const std::size_t mice = descriptors.size();
        m_forwarder.addDescriptors(descriptors);
        if (poll(descriptors.data(), descriptors.size(), m_forwarder.timeoutMs()) < 0) {
            if (errno == EINTR)
                continue;
            std::perror("gestrix-input: poll");
            return 1;
        }
        if (descriptors[0].revents)
            return 0;
        m_forwarder.serve(descriptors.data() + mice, descriptors.size() - mice);
        if (descriptors[2].revents) {
            sd_login_monitor_flush(m_seats);
            choose();
        }
        auto client = m_clients.begin();
        for (std::size_t i = 3; i < mice; ++i) {
            const auto next = std::next(client);
            if (descriptors[i].revents && !hear(*client))
                drop(client);
            client = next;
        }
        if (descriptors[1].revents)
            accept();
        if (m_owner && m_forwarder.miceTaken() != m_miceTold) {
            m_miceTold = m_forwarder.miceTaken();
            tell(*m_owner, "mice " + std::to_string(m_miceTold) + '\n');
        }
    }
}

// Who calls is known from the kernel, not from what the caller says.
void InputHelper::accept() {
    const int fd = accept4(m_listening, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0)
        return;
    ucred caller{};
    socklen_t size = sizeof caller;
    if (getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &caller, &size) < 0 || !atSeat(caller.uid) ||
        m_clients.size() >= mostClients) {
        send(fd, "refused\n", 8, MSG_NOSIGNAL | MSG_DONTWAIT);
        close(fd);
        return;
    }
    m_clients.push_back({fd, caller.uid, {}, {}});
    choose();
}

bool InputHelper::hear(Client& client) {
    char buffer[256];
    const ssize_t got = recv(client.fd, buffer, sizeof buffer, MSG_DONTWAIT);
    if (got < 0 && (errno == EAGAIN || errno == EINTR))
        return true;
    if (got <= 0)
        return false;
    client.received.append(buffer, std::size_t(got));
    std::size_t end;
    while ((end = client.received.find('\n')) != std::string::npos) {
        const std::optional<TriggerChoice> trigger =
            inputhelper::parseTrigger(std::string_view(client.received).substr(0, end));
        if (!trigger)
            return false;
        client.trigger = *trigger;
        client.received.erase(0, end + 1);
    }
    if (client.received.size() > inputhelper::longestLine)
        return false;
    if (&client == m_owner)
        m_forwarder.setTrigger(client.trigger);
    return true;
}

void InputHelper::drop(std::list<Client>::iterator client) {
    close(client->fd);
    const bool wasOwner = &*client == m_owner;
    m_clients.erase(client);
    if (wasOwner) {
        m_owner = nullptr;
        choose();
    }
}

bool InputHelper::atSeat(uid_t uid) const {
    return sd_uid_is_on_seat(uid, 1, "seat0") > 0;
}

void InputHelper::choose() {
    const auto newest = std::find_if(m_clients.rbegin(), m_clients.rend(),
                                     [this](const Client& client) { return atSeat(client.uid); });
    Client* owner = newest == m_clients.rend() ? nullptr : &*newest;
    if (owner == m_owner && (owner != nullptr) == m_forwarder.running())
        return;
    // The mice go back before they change hands: a gesture held for the last one ends.
    if (m_forwarder.running())
        std::fprintf(stderr, "gestrix-input: the mice go back to the desktop\n");
    m_forwarder.stop();
    m_owner = owner;
    m_miceTold = -1;
    if (!m_owner)
        return;
    m_forwarder.setTrigger(m_owner->trigger);
    m_forwarder.start();
}

void InputHelper::tell(const Client& client, const std::string& line) {
    send(client.fd, line.data(), line.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
}

void InputHelper::gesture(bool started) {
    if (m_owner)
        tell(*m_owner, started ? "press\n" : "release\n");
}

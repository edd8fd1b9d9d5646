#pragma once

#include "platform/evdev/MouseForwarder.h"

#include <sys/types.h>

#include <list>
#include <string>

struct sd_login_monitor;

// The input helper's service: it alone may open the mice and make their copies, and hands the
// trigger's press and release to one Gestrix only, that of the user at the seat's active session.
// It holds the mice while such a Gestrix is connected and gives them back when it goes (a
// Gestrix that dies gives the mouse back), when its user leaves the seat, and when it stops.
class InputHelper {
public:
    // listening: a socket bound and listening (systemd's, or our own).
    explicit InputHelper(int listening);
    ~InputHelper();
    InputHelper(const InputHelper&) = delete;
    InputHelper& operator=(const InputHelper&) = delete;

    // Serves until SIGTERM or SIGINT; the exit status.
    int run();

private:
    struct Client {
        int fd;
        uid_t uid;
        std::string received; // a line not yet whole
        TriggerChoice trigger;
    };

    void accept();
    // False when the client is gone or spoke out of turn.
    bool hear(Client& client);
    // The Gestrix the trigger goes to: the newest one whose user is at the seat now.
    void choose();
    bool atSeat(uid_t uid) const;
    void tell(const Client& client, const std::string& line);
    void drop(std::list<Client>::iterator client);
    void gesture(bool started);

    int m_listening;
    int m_signals = -1;
    sd_login_monitor* m_seats = nullptr;
    std::list<Client> m_clients;
    Client* m_owner = nullptr;
    int m_miceTold = -1;
    MouseForwarder m_forwarder;
};

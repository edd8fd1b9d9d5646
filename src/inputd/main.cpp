// gestrix-input: the system's input helper for Gestrix on Wayland desktops, run as root by
// systemd when Gestrix first connects to its socket (or by hand: --socket PATH).
#include "inputd/InputHelper.h"
#include "platform/evdev/InputHelperProtocol.h"

#include <systemd/sd-daemon.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

int listenAt(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return -1;
    std::memcpy(address.sun_path, path.c_str(), path.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    unlink(path.c_str());
    // Anyone may knock; the helper serves only the user at the seat.
    if (fd < 0 || bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) < 0 ||
        chmod(path.c_str(), 0666) < 0 || listen(fd, 8) < 0) {
        std::perror("gestrix-input: cannot listen");
        return -1;
    }
    return fd;
}

} // namespace

int main(int argc, char* argv[]) {
    int listening = -1;
    if (argc == 3 && std::strcmp(argv[1], "--socket") == 0) {
        listening = listenAt(argv[2]);
    } else if (argc == 1 && sd_listen_fds(1) == 1) {
        listening = SD_LISTEN_FDS_START;
    } else {
        std::fprintf(stderr, "usage: gestrix-input [--socket PATH] (started by systemd: no "
                             "argument)\n");
        return 2;
    }
    if (listening < 0)
        return 1;
    return InputHelper(listening).run();
}

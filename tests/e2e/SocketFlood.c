// Floods a local socket as a careless or hostile program might: CONNECTIONS connections that
// never speak, and with LINE_BYTES > 0 one more that sends that many bytes of a line without an
// end. Says "ready" once all are made, then holds them until it is stopped.
// Usage: socket_flood SOCKET CONNECTIONS LINE_BYTES
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

static int connectTo(const char* path) {
    struct sockaddr_un address = {.sun_family = AF_UNIX};
    strncpy(address.sun_path, path, sizeof address.sun_path - 1);
    const int peer = socket(AF_UNIX, SOCK_STREAM, 0);
    if (peer < 0 || connect(peer, (struct sockaddr*)&address, sizeof address) != 0) {
        perror("connect");
        exit(1);
    }
    return peer;
}

int main(int argc, char* argv[]) {
    if (argc != 4) {
        fprintf(stderr, "usage: socket_flood SOCKET CONNECTIONS LINE_BYTES\n");
        return 2;
    }
    const int connections = atoi(argv[2]);
    long lineBytes = atol(argv[3]);
    for (int i = 0; i < connections; ++i)
        connectTo(argv[1]);
    if (lineBytes > 0) {
        const int talker = connectTo(argv[1]);
        static char chunk[1 << 16];
        memset(chunk, 'x', sizeof chunk);
        // The listener may close it once it has heard enough.
        while (lineBytes > 0) {
            const ssize_t sent = send(
                talker, chunk, lineBytes < (long)sizeof chunk ? (size_t)lineBytes : sizeof chunk,
                MSG_NOSIGNAL);
            if (sent <= 0)
                break;
            lineBytes -= sent;
        }
    }
    printf("ready, %ld bytes of the line unsent\n", lineBytes);
    fflush(stdout);
    pause();
    return 0;
}

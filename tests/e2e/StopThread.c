// Stops one thread of a process for a while, as a debugger does, leaving the others running: a
// process's first thread, whose id is the process's own, is its user interface's. Says "stopped"
// once it is, and lets it go after SECONDS (or when this program is killed).
// Usage: stop_thread THREAD_ID SECONDS
#include <stdio.h>
#include <stdlib.h>
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        fprintf(stderr, "usage: stop_thread THREAD_ID SECONDS\n");
        return 2;
    }
    const pid_t thread = atoi(argv[1]);
    int status = 0;
    // Seized and interrupted, not attached: no signal is sent, so no other thread stops.
    if (ptrace(PTRACE_SEIZE, thread, 0, 0) != 0 || ptrace(PTRACE_INTERRUPT, thread, 0, 0) != 0 ||
        waitpid(thread, &status, __WALL) != thread) {
        perror("stop_thread");
        return 1;
    }
    printf("stopped\n");
    fflush(stdout);
    sleep(atoi(argv[2]));
    return ptrace(PTRACE_DETACH, thread, 0, 0) == 0 ? 0 : 1;
}

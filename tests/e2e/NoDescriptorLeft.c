// Loaded into Gestrix (LD_PRELOAD) to stand for a process out of file descriptors where only a
// copy of one is asked for: every dup() fails as it then would.
#include <errno.h>

int dup(int file) {
    (void)file;
    errno = EMFILE;
    return -1;
}

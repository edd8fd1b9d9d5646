// Event in -> copy's event out through the input helper, inside the test machine: a mouse of its
// own made with uinput, its copy found by name, then 10 000 one-pixel moves, each timed from
// its write to its arrival on the copy. Prints p50 and p99 in microseconds.
#include "Uinput.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/ioctl.h>

enum { rounds = 10000 };
static const char name[] = "Gestrix bench mouse";

// The helper's copy: our name, its phys.
static int openCopy(void) {
    DIR* folder = opendir("/dev/input");
    struct dirent* entry;
    int found = -1;
    while (folder && found < 0 && (entry = readdir(folder))) {
        char path[300], text[256] = "", phys[256] = "";
        if (strncmp(entry->d_name, "event", 5) != 0)
            continue;
        snprintf(path, sizeof path, "/dev/input/%s", entry->d_name);
        const int fd = open(path, O_RDONLY | O_NONBLOCK);
        if (fd < 0)
            continue;
        ioctl(fd, EVIOCGNAME(sizeof text), text);
        ioctl(fd, EVIOCGPHYS(sizeof phys), phys);
        if (strcmp(text, name) == 0 && strncmp(phys, "gestrix-input/", 14) == 0)
            found = fd;
        else
            close(fd);
    }
    if (folder)
        closedir(folder);
    return found;
}

static int compare(const void* a, const void* b) {
    const double x = *(const double*)a, y = *(const double*)b;
    return (x > y) - (x < y);
}

int main(void) {
    const int mouse = open("/dev/uinput", O_WRONLY);
    ioctl(mouse, UI_SET_EVBIT, EV_KEY);
    ioctl(mouse, UI_SET_EVBIT, EV_REL);
    ioctl(mouse, UI_SET_KEYBIT, BTN_LEFT);
    ioctl(mouse, UI_SET_KEYBIT, BTN_MIDDLE);
    ioctl(mouse, UI_SET_RELBIT, REL_X);
    ioctl(mouse, UI_SET_RELBIT, REL_Y);
    struct uinput_setup setup;
    memset(&setup, 0, sizeof setup);
    setup.id.bustype = BUS_USB;
    strcpy(setup.name, name);
    if (mouse < 0 || ioctl(mouse, UI_DEV_SETUP, &setup) < 0 || ioctl(mouse, UI_DEV_CREATE) < 0) {
        perror("bench mouse");
        return 1;
    }
    int copy = -1;
    for (int tries = 0; copy < 0 && tries < 200; ++tries) {
        usleep(50000);
        copy = openCopy();
    }
    if (copy < 0) {
        fprintf(stderr, "no copy of the bench mouse\n");
        return 1;
    }
    static double took[rounds];
    struct input_event in[16];
    for (int i = 0; i < rounds; ++i) {
        while (read(copy, in, sizeof in) > 0) {
        }
        const double start = monotonicMs();
        uinputEmit(mouse, EV_REL, REL_X, i % 2 ? 1 : -1);
        uinputEmit(mouse, EV_SYN, SYN_REPORT, 0);
        struct pollfd wait = {copy, POLLIN, 0};
        if (poll(&wait, 1, 1000) != 1) {
            fprintf(stderr, "event %d never came out\n", i);
            return 1;
        }
        took[i] = (monotonicMs() - start) * 1000;
    }
    qsort(took, rounds, sizeof took[0], compare);
    printf("evdev in -> copy out over %d events: p50 %.0f us, p99 %.0f us, max %.0f us\n", rounds,
           took[rounds / 2], took[rounds * 99 / 100], took[rounds - 1]);
    ioctl(mouse, UI_DEV_DESTROY);
    return 0;
}

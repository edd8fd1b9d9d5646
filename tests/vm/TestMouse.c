// A mouse for tests, made through uinput: the user's mouse as the kernel shows it. It reads one
// command a line from standard input and says "ready" once the mouse exists:
//   move DX DY      a relative move          down CODE / up CODE   a button (272 left, 274 middle)
//   stroke DX DY N  N moves, 10 ms apart     unplug / plug         the mouse goes, and comes back
//   click CODE      a press and its release written at once (a quick click however busy the
//                   machine is)
//   time            prints the monotonic clock, in ms, as "time T"
#include "Uinput.h"

#include <fcntl.h>
#include <sys/ioctl.h>

static int mouse = -1;

static void emit(int type, int code, int value) {
    uinputEmit(mouse, type, code, value);
}

static int plug(void) {
    mouse = open("/dev/uinput", O_WRONLY | O_CLOEXEC);
    if (mouse < 0)
        return -1;
    ioctl(mouse, UI_SET_EVBIT, EV_KEY);
    ioctl(mouse, UI_SET_EVBIT, EV_REL);
    ioctl(mouse, UI_SET_EVBIT, EV_MSC);
    for (int button = BTN_LEFT; button <= BTN_EXTRA; ++button)
        ioctl(mouse, UI_SET_KEYBIT, button);
    const int axes[] = {REL_X, REL_Y, REL_WHEEL, REL_HWHEEL, REL_WHEEL_HI_RES, REL_HWHEEL_HI_RES};
    for (unsigned i = 0; i < sizeof axes / sizeof axes[0]; ++i)
        ioctl(mouse, UI_SET_RELBIT, axes[i]);
    ioctl(mouse, UI_SET_MSCBIT, MSC_SCAN);
    ioctl(mouse, UI_SET_PROPBIT, INPUT_PROP_POINTER);
    struct uinput_setup setup;
    memset(&setup, 0, sizeof setup);
    setup.id.bustype = BUS_USB;
    setup.id.vendor = 0x046d;
    setup.id.product = 0xc077;
    strcpy(setup.name, "Gestrix test mouse");
    if (ioctl(mouse, UI_DEV_SETUP, &setup) < 0 || ioctl(mouse, UI_DEV_CREATE) < 0)
        return -1;
    printf("ready\n");
    fflush(stdout);
    return 0;
}

int main(void) {
    if (plug() < 0) {
        perror("test mouse");
        return 1;
    }
    char line[128];
    while (fgets(line, sizeof line, stdin)) {
        int a = 0, b = 0, n = 0;
        if (sscanf(line, "move %d %d", &a, &b) == 2) {
            emit(EV_REL, REL_X, a);
            emit(EV_REL, REL_Y, b);
            emit(EV_SYN, SYN_REPORT, 0);
        } else if (sscanf(line, "stroke %d %d %d", &a, &b, &n) == 3) {
            for (int i = 0; i < n; ++i) {
                emit(EV_REL, REL_X, a);
                emit(EV_REL, REL_Y, b);
                emit(EV_SYN, SYN_REPORT, 0);
                usleep(10000);
            }
        } else if (sscanf(line, "down %d", &a) == 1 || sscanf(line, "up %d", &b) == 1) {
            const int down = line[0] == 'd';
            emit(EV_MSC, MSC_SCAN, 0x90000 + (down ? a : b) - BTN_LEFT + 1);
            emit(EV_KEY, down ? a : b, down);
            emit(EV_SYN, SYN_REPORT, 0);
        } else if (sscanf(line, "click %d", &a) == 1) {
            const struct input_event click[] = {
                uinputEvent(EV_KEY, a, 1), uinputEvent(EV_SYN, SYN_REPORT, 0),
                uinputEvent(EV_KEY, a, 0), uinputEvent(EV_SYN, SYN_REPORT, 0)};
            uinputWrite(mouse, click, sizeof click / sizeof click[0]);
        } else if (strncmp(line, "unplug", 6) == 0) {
            ioctl(mouse, UI_DEV_DESTROY);
            close(mouse);
        } else if (strncmp(line, "plug", 4) == 0) {
            if (plug() < 0)
                perror("test mouse: plug");
        } else if (strncmp(line, "time", 4) == 0) {
            printf("time %.3f\n", monotonicMs());
            fflush(stdout);
        }
    }
    ioctl(mouse, UI_DEV_DESTROY);
    return 0;
}

// What the test machine's own mice share: events written to a uinput device, and the clock
// the kernel and Gestrix's timing marks count on.
#pragma once

#include <linux/uinput.h>

#include <stdio.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

// Several events in one write: the kernel stamps them together, and a reader gets them at once.
static inline void uinputWrite(int fd, const struct input_event* events, size_t count) {
    const ssize_t size = (ssize_t)(count * sizeof *events);
    if (write(fd, events, (size_t)size) != size)
        perror("uinput: write");
}

static inline struct input_event uinputEvent(int type, int code, int value) {
    struct input_event event;
    memset(&event, 0, sizeof event);
    event.type = (unsigned short)type;
    event.code = (unsigned short)code;
    event.value = value;
    return event;
}

static inline void uinputEmit(int fd, int type, int code, int value) {
    const struct input_event event = uinputEvent(type, code, value);
    uinputWrite(fd, &event, 1);
}

static inline double monotonicMs(void) {
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

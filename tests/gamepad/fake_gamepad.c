// A gamepad for the end-to-end scenarios, preloaded into the game
// (LD_PRELOAD): it answers the udev calls through which the window library
// finds joysticks and hears of plugging, stands in for the pad's device node
// (open, read, ioctl, close) and plays its js_event records. The test drives
// it through the FIFO "commands" in the folder FAKE_GAMEPAD names, one
// command a line: "axis N VALUE" (-32767 .. 32767), "button N 0|1",
// "unplug", "plug". The file "frames" there counts the times the library has
// read the pad through, at least once a frame, so that the test can wait on
// the game's frames rather than on time. The pad starts plugged in and at
// rest. Single-threaded, as the game is.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <linux/joystick.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

enum { Axes = 4, Buttons = 8, Queued = 256, Descriptors = 4, Free = INT_MIN };
static const char DevNode[] = "/dev/input/js0";
static const char SysPath[] = "/sys/devices/virtual/input/input90/js0";
static const unsigned char AxisCodes[Axes] = {ABS_X, ABS_Y, ABS_HAT0X, ABS_HAT0Y};

static int plugged = 1, generation = 0;  // an unplugging ends every descriptor opened before it
static short axes[Axes];
static char buttons[Buttons];
static struct js_event queue[Queued];
static int queueHead, queueTail;
static int deviceFds[Descriptors] = {Free, Free, Free, Free}, fdGenerations[Descriptors];
static int commands = -1, frames = -1, monitorPipe[2] = {-1, -1};
static unsigned long readsThrough;
static char line[256];
static size_t lineLength;

static ssize_t (*realRead)(int, void*, size_t);
static int (*realOpen)(const char*, int, ...);
static int (*realClose)(int);
static int (*realIoctl)(int, unsigned long, ...);

__attribute__((constructor)) static void findRealCalls(void) {
    realRead = (ssize_t(*)(int, void*, size_t))dlsym(RTLD_NEXT, "read");
    realOpen = (int (*)(const char*, int, ...))dlsym(RTLD_NEXT, "open");
    realClose = (int (*)(int))dlsym(RTLD_NEXT, "close");
    realIoctl = (int (*)(int, unsigned long, ...))dlsym(RTLD_NEXT, "ioctl");
}

static void push(unsigned char type, int number, int value) {
    if ((queueTail + 1) % Queued == queueHead) return;  // the game reads far more often than the test writes
    queue[queueTail] = (struct js_event){0, (short)value, type, (unsigned char)number};
    queueTail = (queueTail + 1) % Queued;
}

// A device just opened first tells where every axis and button stands.
static void queueWholeState(void) {
    queueHead = queueTail = 0;
    for (int i = 0; i < Axes; ++i) push(JS_EVENT_AXIS | JS_EVENT_INIT, i, axes[i]);
    for (int i = 0; i < Buttons; ++i) push(JS_EVENT_BUTTON | JS_EVENT_INIT, i, buttons[i]);
}

// Plugging and unplugging reach the udev monitor as the kernel's do.
static void announce(char action) {
    if (monitorPipe[1] >= 0 && write(monitorPipe[1], &action, 1) != 1) abort();
}

static void obey(const char* command) {
    int number = -1, value = 0;
    if (sscanf(command, "axis %d %d", &number, &value) == 2 && number >= 0 && number < Axes) {
        axes[number] = (short)value;
        if (plugged) push(JS_EVENT_AXIS, number, value);
    } else if (sscanf(command, "button %d %d", &number, &value) == 2 && number >= 0 && number < Buttons) {
        buttons[number] = value != 0;
        if (plugged) push(JS_EVENT_BUTTON, number, value != 0);
    } else if (strcmp(command, "unplug") == 0 && plugged) {
        plugged = 0;
        ++generation;
        announce('r');
    } else if (strcmp(command, "plug") == 0 && !plugged) {
        plugged = 1;
        announce('a');
    }
}

static int openInFolder(const char* name, int flags) {
    char path[4096];
    const char* folder = getenv("FAKE_GAMEPAD");
    if (!folder || snprintf(path, sizeof path, "%s/%s", folder, name) >= (int)sizeof path) return -1;
    return realOpen(path, flags | O_CLOEXEC, 0644);
}

// Whatever the test has written so far, whole lines only.
static void readCommands(void) {
    if (commands < 0 && (commands = openInFolder("commands", O_RDWR | O_NONBLOCK)) < 0) return;
    ssize_t got;
    while ((got = realRead(commands, line + lineLength, sizeof line - 1 - lineLength)) > 0) {
        lineLength += (size_t)got;
        char* end;
        while ((end = memchr(line, '\n', lineLength))) {
            *end = '\0';
            obey(line);
            lineLength -= (size_t)(end + 1 - line);
            memmove(line, end + 1, lineLength);
        }
        if (lineLength == sizeof line - 1) lineLength = 0;  // no command is that long
    }
}

static void countReadThrough(void) {
    if (frames < 0 && (frames = openInFolder("frames", O_WRONLY | O_CREAT | O_TRUNC)) < 0) return;
    char count[24];
    const int length = snprintf(count, sizeof count, "%lu\n", ++readsThrough);  // it only grows longer
    if (pwrite(frames, count, (size_t)length, 0) != length) abort();
}

// Where a descriptor of the pad is kept, or (for Free) a free place.
static int slotOf(int fd) {
    for (int i = 0; i < Descriptors; ++i)
        if (deviceFds[i] == fd) return i;
    return -1;
}

// The pad's node gets a descriptor of its own for each open, which nothing else reads.
int open(const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    const int mode = (flags & (O_CREAT | O_TMPFILE)) ? va_arg(args, int) : 0;
    va_end(args);
    if (strcmp(path, DevNode) != 0) return realOpen(path, flags, mode);
    readCommands();
    const int slot = slotOf(Free), fd = plugged && slot >= 0 ? realOpen("/dev/null", O_RDONLY | O_CLOEXEC) : -1;
    if (fd < 0) return errno = ENOENT, -1;
    deviceFds[slot] = fd, fdGenerations[slot] = generation;
    queueWholeState();
    return fd;
}
int open64(const char* path, int flags, ...) __attribute__((alias("open")));

ssize_t read(int fd, void* buffer, size_t size) {
    const int slot = slotOf(fd);
    if (slot < 0) return realRead(fd, buffer, size);
    readCommands();
    if (fdGenerations[slot] != generation) return errno = ENODEV, -1;
    if (queueHead == queueTail) return countReadThrough(), errno = EAGAIN, -1;
    if (size < sizeof(struct js_event)) return errno = EINVAL, -1;
    memcpy(buffer, &queue[queueHead], sizeof(struct js_event));
    queueHead = (queueHead + 1) % Queued;
    return sizeof(struct js_event);
}

int close(int fd) {
    const int slot = slotOf(fd);
    if (slot >= 0) deviceFds[slot] = Free;
    return realClose(fd);
}

int ioctl(int fd, unsigned long request, ...) {
    va_list args;
    va_start(args, request);
    void* answer = va_arg(args, void*);
    va_end(args);
    if (slotOf(fd) < 0) return realIoctl(fd, request, answer);
    if (request == JSIOCGAXES) {
        *(unsigned char*)answer = Axes;
    } else if (request == JSIOCGBUTTONS) {
        *(unsigned char*)answer = Buttons;
    } else if (request == JSIOCGAXMAP) {
        memset(answer, 0, ABS_CNT);
        memcpy(answer, AxisCodes, Axes);
    } else if ((request & ~((unsigned long)_IOC_SIZEMASK << _IOC_SIZESHIFT)) == JSIOCGNAME(0)) {
        snprintf(answer, _IOC_SIZE(request), "Neonvine test pad");
    } else {
        return errno = EINVAL, -1;
    }
    return 0;
}

// udev: one context, monitor and enumeration, and the pad's device, listed
// while plugged in. The window library asks nothing else of them.
struct udev_device {
    const char* action;
};
static char identity;  // what the opaque handles point to
static struct udev_device scanned, added = {"add"}, removed = {"remove"};

// The calls whose answers never change.
#define ANSWER(type, call, answer, ...) \
    type call(__VA_ARGS__) {            \
        return answer;                  \
    }
ANSWER(void*, udev_new, &identity, void)
ANSWER(void*, udev_unref, NULL, void* udev)
ANSWER(int, udev_monitor_filter_add_match_subsystem_devtype, 0, void* monitor, const char* subsystem, const char* type)
ANSWER(int, udev_monitor_enable_receiving, 0, void* monitor)
ANSWER(void*, udev_monitor_unref, NULL, void* monitor)
ANSWER(void*, udev_enumerate_new, &identity, void* udev)
ANSWER(int, udev_enumerate_add_match_subsystem, 0, void* enumeration, const char* subsystem)
ANSWER(void*, udev_enumerate_unref, NULL, void* enumeration)
ANSWER(void*, udev_list_entry_get_next, NULL, void* entry)
ANSWER(const char*, udev_list_entry_get_name, SysPath, void* entry)
ANSWER(void*, udev_device_unref, NULL, struct udev_device* device)
ANSWER(const char*, udev_device_get_devnode, DevNode, struct udev_device* device)
ANSWER(const char*, udev_device_get_syspath, SysPath, struct udev_device* device)
ANSWER(const char*, udev_device_get_action, device->action, struct udev_device* device)
ANSWER(const char*, udev_device_get_sysattr_value, NULL, struct udev_device* device, const char* name)
ANSWER(void*, udev_device_get_parent_with_subsystem_devtype, NULL, struct udev_device* device, const char* subsystem,
       const char* type)

void* udev_monitor_new_from_netlink(void* udev, const char* name) {
    return monitorPipe[0] >= 0 || pipe2(monitorPipe, O_NONBLOCK | O_CLOEXEC) == 0 ? &identity : NULL;
}
// Asked before every look for hotplugging, once a frame: the moment to take the test's commands.
int udev_monitor_get_fd(void* monitor) {
    readCommands();
    return monitorPipe[0];
}
struct udev_device* udev_monitor_receive_device(void* monitor) {
    char action;
    if (realRead(monitorPipe[0], &action, 1) != 1) return NULL;
    return action == 'a' ? &added : &removed;
}
int udev_enumerate_scan_devices(void* enumeration) {
    readCommands();
    return 0;
}
void* udev_enumerate_get_list_entry(void* enumeration) {
    return plugged ? &identity : NULL;
}
struct udev_device* udev_device_new_from_syspath(void* udev, const char* path) {
    return strcmp(path, SysPath) == 0 ? &scanned : NULL;
}
const char* udev_device_get_property_value(struct udev_device* device, const char* key) {
    if (strcmp(key, "ID_INPUT_JOYSTICK") == 0) return "1";
    if (strcmp(key, "ID_VENDOR_ID") == 0) return "1234";
    return strcmp(key, "ID_MODEL_ID") == 0 ? "5678" : NULL;
}

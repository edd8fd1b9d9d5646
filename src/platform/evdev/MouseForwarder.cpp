#include "platform/evdev/MouseForwarder.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <sys/inotify.h>
#include <unistd.h>

MouseForwarder::MouseForwarder(std::string inputFolder, std::string uinputPath,
                               std::function<void(bool)> gesture)
    : m_inputFolder(std::move(inputFolder)), m_uinputPath(std::move(uinputPath)),
      m_gesture(std::move(gesture)) {}

MouseForwarder::~MouseForwarder() {
    stop();
}

bool MouseForwarder::start() {
    if (running())
        return true;
    m_watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_watch < 0 ||
        inotify_add_watch(m_watch, m_inputFolder.c_str(), IN_CREATE | IN_ATTRIB) < 0) {
        std::fprintf(stderr, "gestrix-input: cannot watch %s\n", m_inputFolder.c_str());
        stop();
        return false;
    }
    if (DIR* folder = opendir(m_inputFolder.c_str())) {
        while (const dirent* entry = readdir(folder)) {
            if (std::string_view(entry->d_name).starts_with("event"))
                openMouse(m_inputFolder + "/" + entry->d_name);
        }
        closedir(folder);
    }
    return true;
}

void MouseForwarder::stop() {
    for (const Mouse& mouse : m_mice)
        letGo(mouse);
    m_mice.clear();
    if (m_watch >= 0)
        close(m_watch);
    m_watch = -1;
}

int MouseForwarder::miceTaken() const {
    return int(std::count_if(m_mice.begin(), m_mice.end(),
                             [](const Mouse& mouse) { return mouse.copy != nullptr; }));
}

void MouseForwarder::openMouse(const std::string& path) {
    if (std::any_of(m_mice.begin(), m_mice.end(),
                    [&path](const Mouse& mouse) { return mouse.device->path() == path; }))
        return;
    std::unique_ptr<MouseDevice> device = MouseDevice::open(path);
    if (!device)
        return;
    Mouse& mouse = m_mice.emplace_back(Mouse{std::move(device), nullptr, {}});
    take(mouse);
}

// Never while a button is down: its release would go to the copy, which never saw the press,
// and the desktop would keep the button down. The mouse is read meanwhile, and taken once all
// its buttons are up.
void MouseForwarder::take(Mouse& mouse) {
    if (mouse.device->anyButtonDown())
        return;
    mouse.copy = VirtualMouse::copy(mouse.device->description(), m_uinputPath);
    if (!mouse.copy) {
        std::fprintf(stderr, "gestrix-input: cannot make a copy of %s\n",
                     mouse.device->path().c_str());
        return;
    }
    if (!mouse.device->grab()) {
        std::fprintf(stderr, "gestrix-input: %s is taken by another program\n",
                     mouse.device->path().c_str());
        mouse.copy.reset();
        return;
    }
    std::fprintf(stderr, "gestrix-input: took %s (%s)\n", mouse.device->path().c_str(),
                 mouse.device->description().name.c_str());
}

void MouseForwarder::letGo(const Mouse& mouse) {
    if (mouse.copy && mouse.filter.holdsGesture())
        m_gesture(false);
}

void MouseForwarder::addDescriptors(std::vector<pollfd>& descriptors) const {
    if (!running())
        return;
    descriptors.push_back({m_watch, POLLIN, 0});
    for (const Mouse& mouse : m_mice)
        descriptors.push_back({mouse.device->descriptor(), POLLIN, 0});
}

int MouseForwarder::timeoutMs() const {
    const auto now = FrameFilter::Clock::now();
    int timeout = -1;
    for (const Mouse& mouse : m_mice) {
        if (const auto deadline = mouse.filter.deadline()) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(*deadline - now).count();
            const int ms = int(std::max<long long>(left, 0));
            timeout = timeout < 0 ? ms : std::min(timeout, ms);
        }
    }
    return timeout;
}

void MouseForwarder::serve(const pollfd* descriptors, std::size_t count) {
    if (!running() || count == 0)
        return;
    // The mice's descriptors follow the folder's, in the list's order.
    auto mouse = m_mice.begin();
    for (std::size_t i = 1; i < count && mouse != m_mice.end(); ++i) {
        if (descriptors[i].revents && !forward(*mouse)) {
            std::fprintf(stderr, "gestrix-input: %s is gone\n", mouse->device->path().c_str());
            letGo(*mouse);
            mouse = m_mice.erase(mouse);
            continue;
        }
        ++mouse;
    }
    // Only after what came was read: a release that came in time makes a click, however late
    // this loop runs.
    const auto now = FrameFilter::Clock::now();
    for (Mouse& mouse : m_mice) {
        if (mouse.copy && mouse.filter.timePassed(now))
            m_gesture(true);
    }
    if (descriptors[0].revents)
        folderChanged();
}

bool MouseForwarder::forward(Mouse& mouse) {
    m_events.clear();
    const bool present = mouse.device->read(m_events);
    if (!mouse.copy) {
        // Not taken yet: the desktop has these events from the mouse itself.
        if (present)
            take(mouse);
        return present;
    }
    std::vector<input_event> out;
    for (const input_event& event : m_events) {
        FrameFilter::Result result = mouse.filter.take(event, m_trigger);
        out.insert(out.end(), result.forward.begin(), result.forward.end());
        if (result.gestureStarted)
            m_gesture(true);
        if (result.gestureEnded)
            m_gesture(false);
    }
    if (!out.empty() && !mouse.copy->write(out))
        std::fprintf(stderr, "gestrix-input: the copy of %s refused events\n",
                     mouse.device->path().c_str());
    return present;
}

void MouseForwarder::folderChanged() {
    alignas(inotify_event) char buffer[4096];
    ssize_t got;
    while ((got = read(m_watch, buffer, sizeof buffer)) > 0) {
        for (char* at = buffer; at < buffer + got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(at);
            if (event->len > 0 && std::string_view(event->name).starts_with("event"))
                openMouse(m_inputFolder + "/" + event->name);
            at += sizeof(inotify_event) + event->len;
        }
    }
}

#pragma once

#include "platform/evdev/FrameFilter.h"
#include "platform/evdev/MouseDevice.h"
#include "platform/evdev/VirtualMouse.h"

#include <poll.h>

#include <functional>
#include <list>
#include <memory>
#include <string>
#include <vector>

// Every mouse in the input folder, taken for as long as it runs: each one's events go on to a
// copy of it, but for the trigger's press and release, which are told instead. Mice plugged in
// meanwhile are taken as they come; pulled out, they are let go. It runs in its owner's poll
// loop and waits on nothing else, so the pointer never waits for anyone.
class MouseForwarder {
public:
    // gesture(true) when a gesture's press is kept back, gesture(false) at its release.
    MouseForwarder(std::string inputFolder, std::string uinputPath,
                   std::function<void(bool started)> gesture);
    ~MouseForwarder();
    MouseForwarder(const MouseForwarder&) = delete;
    MouseForwarder& operator=(const MouseForwarder&) = delete;

    void setTrigger(const TriggerChoice& trigger) { m_trigger = trigger; }
    // Takes every mouse, and those that come; false when the folder cannot be watched.
    bool start();
    // Gives every mouse back, no button left down on its copy.
    void stop();
    bool running() const { return m_watch >= 0; }
    int miceTaken() const;

    // The loop's part: what to wait on, how long at most (-1: no limit), and what came.
    void addDescriptors(std::vector<pollfd>& descriptors) const;
    int timeoutMs() const;
    // descriptors: the ones addDescriptors added, as poll returned them.
    void serve(const pollfd* descriptors, std::size_t count);

private:
    struct Mouse {
        std::unique_ptr<MouseDevice> device;
        std::unique_ptr<VirtualMouse> copy; // none until it could be grabbed
        FrameFilter filter;
    };

    void openMouse(const std::string& path);
    void take(Mouse& mouse);
    // Reads what came; false when the mouse is gone.
    bool forward(Mouse& mouse);
    // Ends a gesture the mouse holds. The copy's buttons need nothing: the kernel lets go of
    // those a copy holds as it removes it.
    void letGo(const Mouse& mouse);
    void folderChanged();

    std::string m_inputFolder;
    std::string m_uinputPath;
    std::function<void(bool)> m_gesture;
    TriggerChoice m_trigger;
    int m_watch = -1; // inotify on the input folder
    std::list<Mouse> m_mice;
    std::vector<input_event> m_events; // read buffer, kept between reads
};

#include "app/tick_loop.h"

#include <chrono>
#include <thread>

#include "app/display_control.h"
#include "app/script_events.h"
#include "platform/window.h"

std::int64_t loopNowMs() {
    return monotonicMicros() / 1000;
}

// The shown frame is read back when a shot is due at its number.
RunMode TickLoop::capturingFor(long long frame) {
    RunMode m = runMode;
    m.capture = outputs_.captureFor(frame);
    return m;
}

void TickLoop::run(PlayMode& first) {
    for (PlayMode* mode = &first; mode != nullptr; mode = mode->next()) play(*mode);
}

void TickLoop::play(PlayMode& mode) {
    const RunModeScope scope(mode.runModeFrom(runMode));
    frameControl.overlay = [&mode] { mode.drawOver(); };
    mode.enter(*this);
    while (!mode.over()) {
        pumpWindow(mode);
        const FrameEnd end = mode.frame(*this);
        const std::int64_t wait = end.waitUntilMs - loopNowMs();
        if (end.waitUntilMs != 0 && wait > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(wait));
    }
    mode.leave(*this);
    frameControl.overlay = nullptr;
}

// Closing the window ends the pump: what came after it is not heard.
void TickLoop::pumpWindow(PlayMode& mode) {
    WindowEvent e;
    while (windowPollEvent(e)) {
        if (e.kind == WindowEvent::Quit) return mode.closed();
        if (handleDisplayEvent(e) || scripted_) continue;
        if (e.kind == WindowEvent::KeyDown && e.vk != 0 && !e.repeat)
            mode.key(e.vk, true);
        else if (e.kind == WindowEvent::KeyUp && e.vk != 0)
            mode.key(e.vk, false);
        else if (e.kind == WindowEvent::FocusLost)
            mode.focusLost();
        else if (e.kind == WindowEvent::DevicesChanged)
            mode.devicesChanged();
    }
}

void TickLoop::deliverScript(PlayMode& mode, long long tick) {
    while (nextEvent_ < script_.events.size() && script_.events[nextEvent_].tick <= tick)
        applyScriptEvent(script_.events[nextEvent_++], mode);
}

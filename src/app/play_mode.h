// A way of running the game's ticks in the one loop (app/tick_loop.h): live devices and
// scripts, a replay being played, an online session. A mode is where a tick's input comes
// from, how its ticks run, and what it draws over the frame; the loop around it — the
// window's events, the script, the outputs of a tick, the waits between frames — is the
// same for every mode.
#pragma once

#include <cstdint>

#include "shell/run_mode.h"

class TickLoop;

// How a frame ends: at once (its tick, if shown, waited for its end time), or waiting
// until a time of the monotonic clock, in milliseconds, for the next one.
struct FrameEnd {
    std::int64_t waitUntilMs = 0;
};

class PlayMode {
  public:
    virtual ~PlayMode() = default;

    // The run mode this mode plays under, from the one it is entered with.
    virtual RunMode runModeFrom(const RunMode& base) const { return base; }
    // The mode becomes the loop's, and later stops being it.
    virtual void enter(TickLoop&) {}
    virtual void leave(TickLoop&) {}
    virtual bool over() const = 0;

    // The events between frames, from the window and the script, in order: a key pressed
    // (not its repeats) or released, the window's focus lost, a device plugged or pulled,
    // the window closed. The display's keys never come here.
    virtual void key(std::uint8_t vk, bool down) = 0;
    virtual void focusLost() {}
    virtual void devicesChanged() {}
    virtual void closed() = 0;

    // One frame: takes the script's events due (TickLoop::deliverScript) and runs its
    // ticks through TickLoop::runTick, or none.
    virtual FrameEnd frame(TickLoop& loop) = 0;
    // Drawn over the scene of a shown frame, before the swap.
    virtual void drawOver() {}
    // Once over, the mode that takes over from it, if any.
    virtual PlayMode* next() { return nullptr; }
};

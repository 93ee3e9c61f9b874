// One tick (DXTimer1Timer) and one frame (Draw).
#pragma once

#include <cstdint>
#include <functional>

// What the frame draws over the scene, and what it tells of itself: the size of the
// picture captured at its swap (when the run mode asks for one), how long it waited for
// its end time. Whether it is shown, paced or captured is the run mode's (shell/run_mode.h).
struct FrameControl {
    // Drawn over the scene just before the swap (online play's own lines and questions).
    std::function<void()> overlay;
    int captureWidth = 0, captureHeight = 0;
    std::int64_t lastWaitMicros = 0;
    // How long the last shown frame took to reach the screen (the swap and what it waits
    // for); 0 for a tick not shown.
    std::int64_t lastPresentMicros = 0;
};
extern FrameControl frameControl;

void DXTimer1Timer();
void Draw();
// Starts the state's music without a request and without touching the state: a replay
// shown from the middle of a run, or one whose request an unshown tick served.
void startCurrentMusic();

// The frame ends 25 ms (plus the extra delay) after it starts, but never after the
// 999th millisecond of the second it started in.
std::int64_t frameEndTimeMs(std::int64_t startMs, int extraMs);

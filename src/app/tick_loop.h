// The one loop every run of the game goes through, whatever drives its ticks: a frame is
// the window's events and the script's handed to the mode, then the mode's frame, then
// the wait it asks for. Modes follow one another (live play hands over to an online
// session, which hands back), each under its own run mode, with its own drawing over the
// frame.
#pragma once

#include <cstddef>

#include "app/frame.h"
#include "app/play_mode.h"
#include "app/run_outputs.h"
#include "platform/clock.h"
#include "shell/input_script.h"
#include "shell/scene_change.h"

class TickLoop {
  public:
    // `script` is empty in runs without one; with one, the devices are the script's and
    // the window's keys, focus and devices are not heard.
    TickLoop(const InputScript& script, bool scripted, RunOutputs& outputs)
        : script_(script), scripted_(scripted), outputs_(outputs) {}

    // Plays `first`, then each mode that takes over, until one is over with none after it.
    void run(PlayMode& first);

    // One tick numbered `tick`, run by `advance` (false: no tick ran), with what the run
    // writes around it: a shot captured at its swap, the dumps due after it, its work
    // timed for --stats. Whether it ran.
    template <class Advance> bool runTick(long long tick, Advance&& advance) {
        setTraceTick(tick);
        const RunModeScope capturing(capturingFor(tick));
        outputs_.beforeTick();
        const std::int64_t start = monotonicMicros();
        if (!advance()) return false;
        outputs_.afterTick(tick, monotonicMicros() - start - frameControl.lastWaitMicros);
        return true;
    }
    // A frame of a screen with no tick (an online session's waiting screens), drawn by
    // `draw` and numbered `frame` for --shot.
    template <class Draw> void showScreen(long long frame, Draw&& draw) {
        const RunModeScope capturing(capturingFor(frame));
        draw();
        outputs_.afterScreen(frame);
    }
    // Hands the mode the script's events due at or before `tick` (a mode's own count:
    // live play's ticks, an online session's), once each, in order.
    void deliverScript(PlayMode& mode, long long tick);
    RunOutputs& outputs() { return outputs_; }
    bool scripted() const { return scripted_; }

  private:
    RunMode capturingFor(long long frame);
    void play(PlayMode& mode);
    void pumpWindow(PlayMode& mode);

    const InputScript& script_;
    const bool scripted_;
    RunOutputs& outputs_;
    std::size_t nextEvent_ = 0;
};

// Milliseconds of the monotonic clock, as modes count their frames.
std::int64_t loopNowMs();

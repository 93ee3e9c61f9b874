// How the ticks being run now reach the world outside the game state. Whether a tick is
// drawn, paced, captured, traced, heard or lets the player's settings be written changes
// nothing in the state: the same input gives the same state under any run mode.
//
// The record is the one place these switches live. Whoever runs ticks some other way for
// a while (re-simulated ticks, a frozen picture drawn again, a replay's fast forward)
// does so under a RunModeScope, which puts back on leaving the whole record it found.
#pragma once

#include <cstdint>
#include <vector>

struct RunMode {
    // The tick is shown: GL drawing, sprites, text, the canvas, sound starts.
    bool presenting = true;
    // A shown frame that starts no sound or music: a frozen picture drawn again.
    bool silent = false;
    // Each shown frame waits for its end time.
    bool pace = true;
    // The shown frame is read back into this at its swap (a shot is due).
    std::vector<std::uint8_t>* capture = nullptr;
    // No trace lines, and the record of the last scene reported stays as it was, so a
    // trace reads as if each tick had run once.
    bool traceMuted = false;
    // The player's settings are not written; a save counts as done. Watching a match or
    // re-running ticks never changes the player's files.
    bool settingsHeld = false;

    // What re-simulated ticks run under: nothing shown, paced, captured or traced, and
    // the settings held.
    static RunMode unseen() {
        RunMode m;
        m.presenting = false;
        m.pace = false;
        m.traceMuted = true;
        m.settingsHeld = true;
        return m;
    }
};

extern RunMode runMode;

// Sets a run mode for its lifetime and restores the one it found.
class RunModeScope {
  public:
    explicit RunModeScope(const RunMode& mode) : saved_(runMode) { runMode = mode; }
    ~RunModeScope() { runMode = saved_; }
    RunModeScope(const RunModeScope&) = delete;
    RunModeScope& operator=(const RunModeScope&) = delete;

  private:
    RunMode saved_;
};

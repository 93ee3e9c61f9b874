// What a run of the game holds outside the state for its whole length: the window (none
// headless), the sound output and the joysticks, set up as the command line asks and
// closed once, on the way out, however the run ends.
#pragma once

#include "app/command_line.h"
#include "shell/input_script.h"
#include "shell/run_mode.h"

class RunDisplay {
  public:
    // `script`: the run's script, whose joysticks stand in for the devices; null when the
    // devices are read (or, with `virtualDevices`, when none are).
    RunDisplay(const CommandLine& options, const InputScript* script, bool virtualDevices);
    ~RunDisplay();
    RunDisplay(const RunDisplay&) = delete;
    RunDisplay& operator=(const RunDisplay&) = delete;
    // False, with why printed, when the window could not be opened.
    bool opened() const { return opened_; }

  private:
    bool opened_ = false;
};

// The run mode a run starts under: shown and paced in a window, neither headless (but
// for the first run of each tick under the sync test, which holds the shown tick to the
// unseen one).
RunMode startingRunMode(const CommandLine& options);

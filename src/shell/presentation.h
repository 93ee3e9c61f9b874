// Whether the tick being run is shown. A tick that is not (headless runs, replays checked
// headless, re-simulated ticks) skips the work that only presents: GL calls, sprites,
// text, sound starts. Everything that changes the game state runs alike either way, so
// the same input gives the same state tick for tick whether the tick is shown or not.
#pragma once

#include "shell/run_mode.h"

inline bool presenting() {
    return runMode.presenting;
}

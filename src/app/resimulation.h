// While a Resimulation lives, ticks run unseen and leave no trace outside the state: no
// presentation, pacing or capture, no trace lines, no settings written. Re-simulated
// ticks (the sync test, rollback) run under one; on leaving, the run mode it found is
// back whole, whatever it was.
#pragma once

#include "shell/run_mode.h"

class Resimulation : public RunModeScope {
  public:
    Resimulation() : RunModeScope(RunMode::unseen()) {}
};

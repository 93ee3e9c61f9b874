// While a Resimulation lives, ticks run unseen and leave no trace outside the state: no
// presentation, pacing or capture, no trace lines, no settings written. Re-simulated
// ticks (the sync test, replays run ahead) run under one.
#pragma once

#include <cstdint>
#include <vector>

class Resimulation {
  public:
    Resimulation();
    ~Resimulation();
    Resimulation(const Resimulation&) = delete;
    Resimulation& operator=(const Resimulation&) = delete;

  private:
    bool presenting_;
    bool pace_;
    std::vector<std::uint8_t>* capture_;
};

// Records a run into a replay: the state when recording begins, then each tick's input
// after the tick ran, with the stateHash every 40 ticks and after the last.
#pragma once

#include <functional>

#include "app/replay_file.h"

class ReplayRecorder {
  public:
    // Saves the state now, before the input of the tick numbered firstTick.
    void begin(long long firstTick);
    bool active() const { return replay_.start != nullptr; }
    std::size_t tickCount() const { return replay_.ticks.size(); }
    // After a tick ran with this input.
    void add(const TickInput& input);
    // A tick whose after-state is no longer the one in play (online, a tick is recorded
    // once both inputs are known): `hashAfter` gives that state's hash when one is stored.
    void add(const TickInput& input, const std::function<std::uint64_t()>& hashAfter);
    // The replay so far, ended by the hash of the state now (after its last tick); the
    // recorder is idle afterwards.
    Replay finish();
    // The same, ended by the given hash of the state after its last tick.
    Replay finish(std::uint64_t hashAfterLast);

  private:
    Replay replay_;
};

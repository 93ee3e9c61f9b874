// --synctest K: every tick is run, then run again from the state saved before it, and
// the last K ticks are run again from the state saved K ticks before; the state hashes
// must agree. The re-runs are unseen, so the test also holds the shown and the unseen
// tick to the same result.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "app/tick_input.h"
#include "shell/saved_state.h"

class SyncTest {
  public:
    explicit SyncTest(int depth);
    // Runs the tick numbered `tick` under the test. False when a key event quit and no
    // tick ran. After a mismatch failed() is set and the state is the first run's.
    bool advance(TickInput& input, long long tick);
    bool failed() const { return !report_.empty(); }
    // "synctest mismatch at tick T" and the differing fields, one per line.
    const std::string& report() const { return report_; }
    long long ticksRun() const { return ticksRun_; }

  private:
    void mismatch(long long tick, const char* what, const SavedState& expected);
    int depth_;
    std::vector<std::unique_ptr<SavedState>> ring_; // the state before each of the last ticks
    std::deque<TickInput> inputs_;
    std::unique_ptr<SavedState> after_ = std::make_unique<SavedState>();
    std::string report_;
    long long ticksRun_ = 0;
};

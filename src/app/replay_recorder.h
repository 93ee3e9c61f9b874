// Records a run into a replay file as it plays: the state when recording begins, then
// each tick's input after the tick ran, with the stateHash every 40 ticks and after the
// last. Only the last tick waits in memory (its hash is known once the next one comes or
// the recording ends); the rest is in the file.
#pragma once

#include <functional>
#include <optional>

#include "app/replay_writer.h"

class ReplayRecorder {
  public:
    // Saves the state now, before the input of the tick numbered firstTick, and starts
    // the file at `path`.
    bool begin(long long firstTick, const std::string& path, std::string& error);
    bool active() const { return file_.isOpen(); }
    std::size_t tickCount() const { return file_.tickCount() + (last_ ? 1 : 0); }
    // The fighters and the arena of the state the recording began from.
    int fighter(int i) const { return fighters_[static_cast<std::size_t>(i - 1)]; }
    int arena() const { return arena_; }
    // After a tick ran with this input.
    void add(const TickInput& input);
    // A tick whose after-state is no longer the one in play (online, a tick is recorded
    // once both inputs are known): `hashAfter` gives that state's hash when one is stored,
    // or none when it is not at hand, and the tick is then stored without one.
    void add(const TickInput& input,
             const std::function<std::optional<std::uint64_t>()>& hashAfter);
    // Ends the file with the hash of the state now (after its last tick) and moves it to
    // `path` (empty: where begin put it); the recorder is idle afterwards.
    bool finish(const std::string& path, std::string& error);
    // The same, ended by the given hash of the state after its last tick; none stores the
    // last tick without a hash.
    bool finish(std::optional<std::uint64_t> hashAfterLast, const std::string& path,
                std::string& error);
    // Stops, keeping nothing.
    void discard();

  private:
    ReplayWriter file_;
    std::string path_;
    std::optional<TickInput> last_;
    std::optional<std::uint64_t> lastHash_;
    std::array<int, 2> fighters_{};
    int arena_ = 0;
};

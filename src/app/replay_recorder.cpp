#include "app/replay_recorder.h"

#include "shell/state_dump.h"

void ReplayRecorder::begin(long long firstTick) {
    replay_ = Replay{};
    replay_.gameVersion = thisGameVersion();
    replay_.contentHash = thisGameContentHash();
    replay_.firstTick = firstTick;
    replay_.start = std::make_unique<SavedState>();
    saveState(*replay_.start);
}

void ReplayRecorder::add(const TickInput& input) {
    add(input, stateHash);
}

void ReplayRecorder::add(const TickInput& input, const std::function<std::uint64_t()>& hashAfter) {
    replay_.ticks.push_back(input);
    if (replay_.ticks.size() % replayHashInterval == 0)
        replay_.hashes.push_back({replay_.ticks.size() - 1, hashAfter()});
}

Replay ReplayRecorder::finish() {
    return finish(stateHash());
}

Replay ReplayRecorder::finish(std::uint64_t hashAfterLast) {
    const std::size_t n = replay_.ticks.size();
    if (n > 0 && (replay_.hashes.empty() || replay_.hashes.back().index != n - 1))
        replay_.hashes.push_back({n - 1, hashAfterLast});
    Replay done = std::move(replay_);
    replay_ = Replay{};
    return done;
}

#include "app/sync_test.h"

#include "app/resimulation.h"
#include "shell/state_dump.h"

SyncTest::SyncTest(int depth) : depth_(depth) {
    for (int i = 0; i < depth; ++i) ring_.push_back(std::make_unique<SavedState>());
}

bool SyncTest::advance(TickInput& input, long long tick) {
    // The ring is indexed by the tick: its slot holds the state before that tick.
    SavedState& before = *ring_[static_cast<std::size_t>(tick % depth_)];
    saveState(before);
    if (!advanceLiveTick(input)) return false;
    ++ticksRun_;
    const std::uint64_t expected = stateHash();
    saveState(*after_);

    inputs_.push_back(input);
    if (inputs_.size() > static_cast<std::size_t>(depth_)) inputs_.pop_front();
    {
        Resimulation unseen;
        loadState(before);
        advanceReplayedTick(input);
    }
    if (stateHash() != expected) {
        mismatch(tick, "run again from the state before it", *after_);
        return true;
    }
    if (inputs_.size() == static_cast<std::size_t>(depth_) && depth_ > 1) {
        {
            Resimulation unseen;
            const long long first = tick - depth_ + 1;
            loadState(*ring_[static_cast<std::size_t>(first % depth_)]);
            for (const TickInput& in : inputs_) advanceReplayedTick(in);
        }
        if (stateHash() != expected) {
            mismatch(tick, "the last ticks run again", *after_);
            return true;
        }
    }
    loadState(*after_);
    return true;
}

void SyncTest::mismatch(long long tick, const char* what, const SavedState& expected) {
    const std::string again = stateDumpJson(tick);
    loadState(expected);
    const std::string first = stateDumpJson(tick);
    report_ = "synctest mismatch at tick " + std::to_string(tick) + " (" + what + ")\n";
    for (const std::string& field : dumpDifferences(first, again, 40))
        report_ += "  " + field + "\n";
}

#include "app/game_rollback.h"

#include "app/resimulation.h"
#include "shell/state_dump.h"

GameRollback::GameRollback() {
    for (auto& s : ring_) s = std::make_unique<SavedState>();
}

void GameRollback::save(int slot) {
    saveState(*ring_[static_cast<std::size_t>(slot)]);
}

void GameRollback::load(int slot) {
    loadState(*ring_[static_cast<std::size_t>(slot)]);
}

void GameRollback::advance(const InputWords& words, bool shown) {
    if (shown) {
        advanceReplayedTick(sessionTickInput(words));
        return;
    }
    Resimulation unseen;
    advanceReplayedTick(sessionTickInput(words));
}

std::uint64_t GameRollback::hash() {
    return stateHash();
}

TickInput sessionTickInput(const InputWords& words) {
    TickInput in;
    in.session = true;
    in.words = words;
    return in;
}

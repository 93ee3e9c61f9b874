// A saved state: everything a tick reads or writes, copied in one step. After loadState,
// the same input gives the same stateHash, tick for tick, as when the state was saved.
// Assets are read-only after loading and are not part of it.
#pragma once

#include <type_traits>

#include "platform/keys.h"
#include "shell/game_state.h"

struct SavedState {
    GameState game;
    // The keys held between ticks: a tick's key events start from these.
    HeldKeys keys{};
};
static_assert(std::is_trivially_copyable_v<SavedState>, "a saved state is copied as bytes");

void saveState(SavedState& out);
void loadState(const SavedState& in);
// A state read from a file is checked before it is loaded: texts longer than their
// buffers would be read past their end.
bool savedStateWellFormed(const SavedState& s);

// The game itself under the rollback core: the ring of saved states the core numbers,
// ticks run through the session's input path, those run again unseen under a
// Resimulation, and stateHash.
#pragma once

#include <array>
#include <memory>

#include "app/rollback.h"
#include "app/tick_input.h"
#include "shell/saved_state.h"

class GameRollback final : public RollbackGame {
  public:
    GameRollback();
    void save(int slot) override;
    void load(int slot) override;
    void advance(const InputWords& words, bool shown) override;
    std::uint64_t hash() override;

  private:
    std::array<std::unique_ptr<SavedState>, RollbackGame::slots> ring_;
};

// An online tick's input as the loop and the replay take it: the two players' words.
TickInput sessionTickInput(const InputWords& words);

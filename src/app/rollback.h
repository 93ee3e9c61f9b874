// The rollback core of online play, apart from any transport. Each side runs ahead on a
// prediction of the peer's input (the last one known, repeated); when the real input of
// a tick already run arrives and differs, the state saved before that tick is loaded and
// the ticks up to now run again unseen, then the next tick runs shown.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "app/tick_input.h"
#include "shell/saved_state.h"

constexpr int rollbackWindow = 8;

class Rollback {
  public:
    // localPlayer 0 drives fighter 1 (the host), 1 drives fighter 2. Both sides must use
    // the same input delay: the first `inputDelay` ticks of each player are neutral.
    Rollback(int localPlayer, int inputDelay);

    // The next tick to run, counted from 0 at the session's start.
    std::uint32_t tick() const { return next_; }
    // The peer's input of `tick`; a tick already known, or one further ahead than a peer
    // can be, is ignored.
    void addRemote(std::uint32_t tick, std::uint16_t word);
    // Whether the next tick may run: a side never runs more than the window ahead of the
    // first tick whose peer input it lacks, so it can always roll back far enough.
    bool mayAdvance() const;
    // One frame: when the next tick may run, the local player's input sampled now is kept
    // for tick() + delay, a wrong prediction is rolled back and re-simulated unseen, and
    // tick() runs shown; true. Otherwise the side waits for its peer; false.
    bool step(std::uint16_t localWord);

    // Every tick before this one has both inputs known.
    std::uint32_t remoteKnownUntil() const { return remoteNext_; }
    // The local inputs of ticks `from` up to the last one added.
    std::vector<std::uint16_t> localInputsFrom(std::uint32_t from) const;
    std::uint32_t localAddedUntil() const { return localNext_; }
    // Runs `look` with the state before tick u in play, once every input before u is
    // known and u is still in the window, then puts the state in play back; false
    // (and `look` not run) otherwise.
    bool lookBefore(std::uint32_t u, const std::function<void()>& look);
    // The same for the state's hash.
    bool confirmedHashBefore(std::uint32_t u, std::uint64_t& hash);
    // The input tick t ran with last (its peer input predicted until known); once t is
    // before remoteKnownUntil() this is the tick's final input.
    TickInput inputOf(std::uint32_t t);
    // How many ticks the last advance ran again.
    int lastRolledBack() const { return lastRolledBack_; }

  private:
    struct Tick {
        std::uint32_t tick = UINT32_MAX;
        std::array<std::uint16_t, 2> input{};
        std::array<bool, 2> known{};
        std::uint16_t usedRemote = 0; // the peer input the tick last ran with
    };
    Tick& at(std::uint32_t t);
    const Tick& at(std::uint32_t t) const;
    void addLocal(std::uint16_t word);
    void advance();
    std::uint16_t remoteFor(std::uint32_t t);
    void run(std::uint32_t t);

    int local_, remote_;
    std::array<Tick, 128> ticks_{};
    std::array<std::unique_ptr<SavedState>, rollbackWindow + 1> ring_;
    std::unique_ptr<SavedState> scratch_ = std::make_unique<SavedState>();
    std::uint32_t next_ = 0, localNext_ = 0, remoteNext_ = 0;
    std::uint32_t rollbackFrom_ = UINT32_MAX;
    int lastRolledBack_ = 0;
};

// The rollback core of online play, apart from any transport and any game. Each side runs
// ahead on a prediction of the peer's input (the last one known, repeated); when the real
// input of a tick already run arrives and differs, the state saved before that tick is
// loaded and the ticks up to now run again unseen, then the next tick runs shown.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

constexpr int rollbackWindow = 8;

// The two players' input words of one tick, player 1's first.
using InputWords = std::array<std::uint16_t, 2>;

// What the core asks of the game it runs, as GGPO's callbacks do: the state in play
// saved to and loaded from numbered slots, one tick advanced, the state's hash. The core
// uses slots 0 to slots - 1.
class RollbackGame {
  public:
    static constexpr int slots = rollbackWindow + 2;
    virtual ~RollbackGame() = default;
    virtual void save(int slot) = 0;
    virtual void load(int slot) = 0;
    // One tick with both players' words; `shown` false for a tick run again after a wrong
    // prediction, which must leave no trace outside the state.
    virtual void advance(const InputWords& words, bool shown) = 0;
    virtual std::uint64_t hash() = 0;
};

class Rollback {
  public:
    // localPlayer 0 drives fighter 1 (the host), 1 drives fighter 2. Both sides must use
    // the same input delay: the first `inputDelay` ticks of each player are neutral.
    Rollback(RollbackGame& game, int localPlayer, int inputDelay);

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
    // A wrong prediction is rolled back and re-simulated unseen, and no tick runs: the
    // ticks already run end right when no more are to run.
    void settle();

    // Every tick before this one has both inputs known.
    std::uint32_t remoteKnownUntil() const { return remoteNext_; }
    // The local inputs of ticks `from` up to the last one added.
    std::vector<std::uint16_t> localInputsFrom(std::uint32_t from) const;
    std::uint32_t localAddedUntil() const { return localNext_; }
    // Runs `look` with the state before tick u in play, once every input before u is
    // known and u is still in the window, then puts the state in play back; false
    // (and `look` not run) otherwise.
    bool lookBefore(std::uint32_t u, const std::function<void()>& look);
    // The same for the state's hash; none when out of reach.
    std::optional<std::uint64_t> confirmedHashBefore(std::uint32_t u);
    // The words tick t ran with last (its peer input predicted until known); once t is
    // before remoteKnownUntil() these are the tick's final inputs.
    InputWords wordsOf(std::uint32_t t);
    // How many ticks the last step or settle ran again.
    int lastRolledBack() const { return lastRolledBack_; }

  private:
    struct Tick {
        std::uint32_t tick = UINT32_MAX;
        InputWords input{};
        std::array<bool, 2> known{};
        std::uint16_t usedRemote = 0; // the peer input the tick last ran with
    };
    static constexpr int scratchSlot = RollbackGame::slots - 1;
    static int slotOf(std::uint32_t t) { return static_cast<int>(t % (rollbackWindow + 1)); }
    Tick& at(std::uint32_t t);
    const Tick& at(std::uint32_t t) const;
    void addLocal(std::uint16_t word);
    std::uint16_t remoteFor(std::uint32_t t);
    void run(std::uint32_t t, bool shown);

    RollbackGame& game_;
    int local_, remote_;
    std::array<Tick, 128> ticks_{};
    std::uint32_t next_ = 0, localNext_ = 0, remoteNext_ = 0;
    std::uint32_t rollbackFrom_ = UINT32_MAX;
    int lastRolledBack_ = 0;
};

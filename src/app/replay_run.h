// --replay FILE: a replay played from where it began, in a window with its own controls
// or headless as a check of every stored hash.
#pragma once

#include <memory>

#include "app/command_line.h"
#include "app/play_mode.h"
#include "app/replay_reader.h"

// Plays a replay tick by tick through the same input path a keyboard feeds, read from its
// file (or from memory) as it plays.
class ReplayPlayer {
  public:
    // Sets up what the start state stands on (the display and loaded arenas of the
    // recorded run) and loads it.
    explicit ReplayPlayer(ReplayReader& reader);
    bool done() const { return next_ >= count_; }
    // The recorded run's number of the next tick.
    long long nextTick() const { return firstTick_ + static_cast<long long>(next_); }
    // Runs the next tick; false when its stored hash, if it has one, differs (or the file
    // can no longer be read).
    bool step();

  private:
    ReplayReader* reader_ = nullptr;
    std::size_t count_ = 0;
    long long firstTick_ = 1;
    std::size_t next_ = 0;
};

// A replay as a mode of the loop. In a window: PAUSE pauses, SPACE steps one tick, 4
// plays at four times the speed, ESC leaves; the last frame stays until then. Headless,
// every tick runs as fast as it goes and every stored hash is checked. It prints "replay
// ok N ticks" or "replay desync at tick T".
class ReplayMode : public PlayMode {
  public:
    ReplayMode(ReplayReader& reader, const CommandLine& options);
    // 0 played (and every stored hash matched), 1 a desync.
    int status() const { return status_; }

    RunMode runModeFrom(const RunMode& base) const override;
    void enter(TickLoop& loop) override;
    void leave(TickLoop& loop) override;
    bool over() const override;
    void key(std::uint8_t vk, bool down) override;
    void closed() override { leave_ = true; }
    FrameEnd frame(TickLoop& loop) override;

  private:
    bool stopped() const;
    void endPlaying();

    ReplayReader& reader_;
    const CommandLine& options_;
    const bool windowed_;
    std::unique_ptr<ReplayPlayer> player_;
    bool paused_ = false, fast_ = false, leave_ = false;
    int steps_ = 0;
    long long played_ = 0;
    bool desync_ = false, ended_ = false;
    int status_ = 0;
};

// The replay named on the command line, opened and checked before any window opens;
// null, with what is wrong printed, when it is not a good replay for this game.
std::unique_ptr<ReplayReader> openReplay(const CommandLine& options);

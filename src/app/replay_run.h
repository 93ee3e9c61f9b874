// --replay FILE: a replay played from where it began, in a window with its own controls
// or headless as a check of every stored hash.
#pragma once

#include "app/command_line.h"
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

// The exit status: 0 played (and every stored hash matched), 1 a desync or an output
// that could not be written, 2 a file that is not a good replay for this game.
int runReplay(const CommandLine& options);

// What a run writes as it goes: the --shot pictures and --dump states at their ticks,
// and, for --stats, the work times of the ticks in a fixed size, which it prints with the
// window's size. The battle's ticks are also counted apart, each split into the
// simulation, the time inside the display's calls and the time to reach the screen.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/tick_times.h"

class RunOutputs {
  public:
    explicit RunOutputs(const CommandLine& options);
    bool shotAt(long long tick) const;
    // Where the picture of the frame numbered `frame` (a tick, or a screen with no tick)
    // is to be captured at its swap: null when no shot is due. Every shot is taken once,
    // the first time its number comes.
    std::vector<std::uint8_t>* captureFor(long long frame);
    // Before a tick, to split its time for --stats.
    void beforeTick();
    // After the tick: shots and dumps due are written; a failure makes the status 1.
    void afterTick(long long tick, std::int64_t workMicros);
    int status() const { return status_; }
    void printStats() const;
    // After a frame of a screen with no tick (online play's waiting screens).
    void afterScreen(long long frame);
    // Online, shots and dumps count the session's ticks: once it is over, no tick of the
    // play that follows is shot or dumped.
    void stopCounting() { counting_ = false; }
    // A line of its own for --stats (online play's traffic).
    void addStatsLine(std::string line) { statsLines_.push_back(std::move(line)); }

  private:
    const CommandLine& options_;
    TickTimes workTimes_;
    struct BattleTimes {
        TickTimes work, simulation, draw, present;
    };
    BattleTimes battle_;
    bool battleAtStart_ = false;
    std::vector<std::string> statsLines_;
    std::vector<std::uint8_t> capture_;
    std::vector<bool> shotTaken_ = std::vector<bool>(options_.shots.size());
    void writeShots(long long tick);
    int status_ = 0;
    bool counting_ = true;
};

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
    // Before the tick: its frame is captured when a shot is due.
    void beforeTick(long long tick);
    // After the tick: shots and dumps due are written; a failure makes the status 1.
    void afterTick(long long tick, std::int64_t workMicros);
    int status() const { return status_; }
    void printStats() const;
    // A frame of a screen with no tick (online play's waiting screens): a shot due at
    // `frame` is taken from it. Every shot is taken once, the first time its number comes.
    void beforeScreen(long long frame) { beforeTick(frame); }
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

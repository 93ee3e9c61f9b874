// The replays of matches played in a window: a match is recorded from its versus
// presentation (or its first battle tick) and stored when its victory screen is left —
// to a rematch, the title or the end of the program — or when the fight is left.
#pragma once

#include "app/replay_recorder.h"
#include "shell/plain_data.h"

class MatchRecording {
  public:
    // Between ticks, before the input of the tick numbered nextTick.
    void atTickBoundary(long long nextTick);
    void afterTick(const TickInput& input);
    // The program ends: a match under way is stored.
    void end();
    // The last stored replay's path, empty if none.
    const std::string& lastStored() const { return lastStored_; }

  private:
    void store();
    ReplayRecorder recorder_;
    Name lastScene_;
    std::string lastStored_;
};

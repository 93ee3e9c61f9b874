// Which side of a session runs ahead, and how much it waits for the other. Each frame
// adds this side's lead in ticks over its peer as it sees it, and the lead the peer last
// reported of its own; the two views together tell which side is truly ahead. As GGPO
// does, both are averaged over the last timeSyncFrames frames, so a late packet's
// one-frame spike does not slow the game while a steady lead does.
#pragma once

#include <array>
#include <cstddef>

constexpr int timeSyncFrames = 40;

class TimeSync {
  public:
    void add(int ours, int theirs);
    // Extra milliseconds for this side's next frame: half the gap between the two
    // averaged views is how far ahead it runs; 3 ms from one tick ahead, 6 ms from three.
    int stretchMs() const;

  private:
    std::array<int, timeSyncFrames> ours_{}, theirs_{};
    std::size_t next_ = 0;
    long long sumOurs_ = 0, sumTheirs_ = 0;
};

// The work times of the ticks for --stats, in a fixed size however many ticks run
// (296 KiB): one bucket per microsecond up to 65.535 ms, then one per millisecond up to
// 10 s (longer ticks share the last), and the longest tick kept as it was. Percentiles are
// exact below 65.536 ms and within their millisecond above.
#pragma once

#include <cstdint>
#include <vector>

class TickTimes {
  public:
    static constexpr std::int64_t fineBuckets = 65536;   // 0 .. 65535 us, one each
    static constexpr std::int64_t coarseBuckets = 10000; // then one per millisecond

    void add(std::int64_t micros);
    std::uint64_t count() const { return count_; }
    std::int64_t max() const { return max_; }
    // The tick at place round(p * (count - 1)) of the times in order, as a sorted copy of
    // every time would give it; 0 with no tick.
    std::int64_t percentile(double p) const;

  private:
    // Made on the first tick: a run without --stats holds none of it.
    std::vector<std::uint32_t> fine_, coarse_;
    std::uint64_t count_ = 0;
    std::int64_t max_ = 0;
};

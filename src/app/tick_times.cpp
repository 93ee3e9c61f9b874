#include "app/tick_times.h"

#include <algorithm>

void TickTimes::add(std::int64_t micros) {
    micros = std::max<std::int64_t>(micros, 0);
    if (fine_.empty()) {
        fine_.assign(static_cast<std::size_t>(fineBuckets), 0);
        coarse_.assign(static_cast<std::size_t>(coarseBuckets), 0);
    }
    if (micros < fineBuckets) {
        ++fine_[static_cast<std::size_t>(micros)];
    } else {
        const std::int64_t ms = std::min(micros / 1000, coarseBuckets - 1);
        ++coarse_[static_cast<std::size_t>(ms)];
    }
    max_ = count_ == 0 ? micros : std::max(max_, micros);
    ++count_;
}

std::int64_t TickTimes::percentile(double p) const {
    if (count_ == 0) return 0;
    const auto place = static_cast<std::uint64_t>(p * static_cast<double>(count_ - 1) + 0.5);
    if (place >= count_ - 1) return max_;
    std::uint64_t seen = 0;
    for (std::size_t i = 0; i < fine_.size(); ++i) {
        seen += fine_[i];
        if (seen > place) return static_cast<std::int64_t>(i);
    }
    // A long tick: the start of its millisecond.
    for (std::size_t i = 0; i < coarse_.size(); ++i) {
        seen += coarse_[i];
        if (seen > place) {
            const auto start =
                std::max<std::int64_t>(static_cast<std::int64_t>(i) * 1000, fineBuckets);
            return std::min(start, max_);
        }
    }
    return max_;
}

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "app/tick_times.h"

namespace {

// What a sorted copy of every time gives.
std::int64_t exactPercentile(std::vector<std::int64_t> v, double p) {
    std::sort(v.begin(), v.end());
    return v[static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5)];
}

} // namespace

TEST(TickTimes, PercentilesMatchTheSortedTimes) {
    struct Case {
        const char* name;
        std::vector<std::int64_t> times;
    };
    std::vector<Case> cases = {
        {"one tick", {7}},
        {"two ticks", {3, 90}},
        {"a loading tick among short ones", {5, 6, 98481, 5, 7, 4, 9, 5}},
        {"the fine buckets' last and the first coarse one", {65535, 65536, 1, 65535}},
        {"negative times count as 0", {-3, 2, 4}},
    };
    // Many ticks: mostly a few microseconds, some of a frame, now and then a long one.
    std::uint32_t s = 12345;
    Case many{"a hundred thousand ticks", {}};
    for (int i = 0; i < 100000; ++i) {
        s = s * 1103515245u + 12345u;
        const std::uint32_t r = (s >> 8) % 1000;
        many.times.push_back(r < 900 ? 3 + r % 20 : r < 995 ? 1000 + r * 13 : 20000 + r * 40);
    }
    cases.push_back(many);

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TickTimes t;
        for (std::int64_t v : c.times) t.add(v);
        std::vector<std::int64_t> clamped = c.times;
        for (std::int64_t& v : clamped) v = std::max<std::int64_t>(v, 0);
        EXPECT_EQ(t.count(), c.times.size());
        for (double p : {0.0, 0.5, 0.95, 0.99, 1.0})
            EXPECT_EQ(t.percentile(p), exactPercentile(clamped, p)) << "p" << p * 100;
        EXPECT_EQ(t.max(), *std::max_element(clamped.begin(), clamped.end()));
    }
}

TEST(TickTimes, LongTicksFallWithinTheirMillisecond) {
    TickTimes t;
    // Half the ticks past the fine buckets: the median lands among the long ones.
    for (int i = 0; i < 50; ++i) t.add(10);
    for (int i = 0; i < 51; ++i) t.add(123456 + i);
    EXPECT_GE(t.percentile(0.5), 123000);
    EXPECT_LE(t.percentile(0.5), 123456);
    EXPECT_EQ(t.percentile(1.0), 123506);
    EXPECT_EQ(t.max(), 123506);
    // Longer than the coarse buckets reach: still counted, the longest kept as it was.
    t.add(90'000'000);
    EXPECT_EQ(t.count(), 102u);
    EXPECT_EQ(t.max(), 90'000'000);
    EXPECT_EQ(TickTimes{}.percentile(0.99), 0);
}

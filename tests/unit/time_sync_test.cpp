// The frame stretch follows which side runs ahead on average over the last frames: a
// one-frame spike does not stretch, a steady lead does, by today's amounts.
#include <gtest/gtest.h>

#include <vector>

#include "app/time_sync.h"

namespace {

struct Frames {
    int frames, ours, theirs;
};

} // namespace

TEST(TimeSync, StretchesOnASteadyLeadNotOnASpike) {
    struct Case {
        const char* what;
        std::vector<Frames> runs;
        int stretchMs;
    } cases[] = {
        {"in step", {{timeSyncFrames, 0, 0}}, 0},
        {"a one-frame spike of twenty ticks", {{timeSyncFrames - 1, 0, 0}, {1, 20, -20}}, 0},
        {"one tick ahead, steadily", {{timeSyncFrames, 1, -1}}, 3},
        {"two ahead as we see it, in step as the peer does", {{timeSyncFrames, 2, 0}}, 3},
        {"three ticks ahead, steadily", {{timeSyncFrames, 3, -3}}, 6},
        {"a lead just begun", {{timeSyncFrames - 10, 0, 0}, {10, 1, -1}}, 0},
        {"three ahead for half the window",
         {{timeSyncFrames / 2, 0, 0}, {timeSyncFrames / 2, 3, -3}},
         3},
        {"behind, steadily", {{timeSyncFrames, -3, 3}}, 0},
        {"a lead the window has left behind", {{timeSyncFrames, 3, -3}, {timeSyncFrames, 0, 0}}, 0},
    };
    for (const Case& c : cases) {
        TimeSync sync;
        for (const Frames& r : c.runs)
            for (int f = 0; f < r.frames; ++f) sync.add(r.ours, r.theirs);
        EXPECT_EQ(sync.stretchMs(), c.stretchMs) << c.what;
    }
}

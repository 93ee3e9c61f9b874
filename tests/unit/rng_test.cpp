#include <gtest/gtest.h>

#include "shell/game_state.h"
#include "shell/rng.h"

TEST(Random, FollowsTheGeneratorFromAKnownSeed) {
    gs = {};
    seedRandom(0);
    // s1 = 1: high word of 10 * 1 is 0.
    EXPECT_EQ(random(10), 0u);
    // s2 = 134775814: high word of 1000000 * 134775814 = 134775814000000 / 2^32 = 31379.6
    EXPECT_EQ(random(1000000), 31379u);
    EXPECT_EQ(gs.rngState, 134775814u);
}

// The versus presentation: its timing, the skip and the hand-over to the battle.
#include <gtest/gtest.h>

#include "game_runner.h"

// The presentation starts with the key event before tick 12 with t = 150; tick k shows
// t = 161 - k.
TEST(Versus, WithoutKeysTheBattleIsRequestedAtTenAndStartsSixteenTicksLater) {
    std::string dir = scratchDir("versus-wait");
    std::string script = writeScript(dir, startupScript('1'));
    GameRun run = runGame("--headless --seed 5 --trace --ticks 170 --script " + script +
                          " --dump 150:" + dir + "/before.json --dump 151:" + dir + "/at.json");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("12 scene VS-APRESENTACAO\n166 scene BATALHA\n"), std::string::npos)
        << run.out;
    auto before = readJson(dir + "/before.json");
    auto at = readJson(dir + "/at.json");
    EXPECT_EQ(before["versusTimer"], 11);
    EXPECT_EQ(before["nextScene"], "");
    EXPECT_EQ(at["versusTimer"], 10);
    EXPECT_EQ(at["nextScene"], "BATALHA");
    EXPECT_EQ(at["transitionTimer"], 29.0) << "the curtain's first tick is the request tick";
    EXPECT_EQ(at["introTimer"], 100);
    EXPECT_EQ(at["roundNumber"], 1);
}

TEST(Versus, ButtonOneSkipsToFiveButNotAtFive) {
    std::string dir = scratchDir("versus-skip");
    // Z is fighter 1's button 1: pressed at t = 140 (tick 21), and again at t = 5 (tick 156)
    // in a run left to wait.
    GameRun skip = runGame("--headless --seed 5 --trace --ticks 40 --script " +
                           writeScript(dir, startupScript('1') + "21 tap Z\n") +
                           " --dump 21:" + dir + "/skip.json");
    ASSERT_EQ(skip.status, 0) << skip.err;
    EXPECT_EQ(readJson(dir + "/skip.json")["versusTimer"], 5);
    EXPECT_NE(skip.out.find("37 scene BATALHA"), std::string::npos) << skip.out;

    GameRun late = runGame("--headless --seed 5 --ticks 156 --script " +
                           writeScript(dir, startupScript('1') + "156 tap Z\n") +
                           " --dump 156:" + dir + "/late.json");
    ASSERT_EQ(late.status, 0) << late.err;
    EXPECT_EQ(readJson(dir + "/late.json")["versusTimer"], 5);
}

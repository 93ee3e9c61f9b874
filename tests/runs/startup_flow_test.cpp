// The start-up sequence driven by scripts, read back through the trace and state dumps.
#include <gtest/gtest.h>

#include <algorithm>

#include "game_runner.h"

TEST(StartupFlow, FiveScreensLeadToTheVersusPresentation) {
    std::string dir = scratchDir("flow");
    std::string script = writeScript(dir, startupScript('2'));
    GameRun run = runGame("--headless --seed 7 --trace --ticks 14 --script " + script +
                          " --dump 11:" + dir + "/d11.json --dump 12:" + dir + "/d12.json");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "1 scene DEBUG-PERSONAGEM\n"
                       "4 scene DEBUG-CENARIO\n"
                       "6 scene DEBUG-MODO\n"
                       "8 scene DEBUG-DIFICULDADE\n"
                       "10 scene DEBUG-RESOLUCAO\n"
                       "12 scene VS-APRESENTACAO\n");

    auto before = readJson(dir + "/d11.json");
    ASSERT_TRUE(before.is_object());
    EXPECT_EQ(before["sceneName"], "DEBUG-RESOLUCAO");
    EXPECT_EQ(before["gameMode"], "P1-VS-CPU");
    EXPECT_EQ(before["difficulty"], 3);
    EXPECT_EQ(before["arena"], 1);
    EXPECT_EQ(before["fighters"][0]["displayName"], "TORVEL");
    EXPECT_EQ(before["fighters"][1]["displayName"], "SEU BRANDOLIM");
    EXPECT_EQ(before["fighters"][0]["isHuman"], 1);
    EXPECT_EQ(before["fighters"][1]["isHuman"], 0);
    EXPECT_EQ(before["resolutionChoice"], 0);

    auto after = readJson(dir + "/d12.json");
    ASSERT_TRUE(after.is_object());
    EXPECT_EQ(after["sceneName"], "VS-APRESENTACAO");
    EXPECT_EQ(after["resolutionChoice"], 2);
    EXPECT_GE(after["versusTimer"].get<int>(), 149);
    EXPECT_EQ(after["tick"], 12);
}

TEST(StartupFlow, EscapeOnAStartupScreenEndsTheRun) {
    // The choices that lead to each start-up screen, one a tick from tick 2.
    const char* choices = "12113";
    for (int screen = 0; screen < 5; ++screen) {
        std::string dir = scratchDir("escape" + std::to_string(screen));
        std::string text;
        for (int i = 0; i < screen; ++i)
            text += std::to_string(2 + i) + " tap " + choices[i] + "\n";
        text += "9 tap ESC\n";
        GameRun run =
            runGame("--headless --stats --trace --ticks 100 --script " + writeScript(dir, text));
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.out.find("ticks 8\n"), std::string::npos) << "screen " << screen << "\n"
                                                                << run.out;
    }
}

TEST(StartupFlow, SameSeedAndInputGiveTheSameState) {
    std::string dir = scratchDir("determinism");
    std::string script = writeScript(dir, startupScript('1'));
    auto hashFor = [&](const std::string& seed, const std::string& name) {
        GameRun run = runGame("--headless --ticks 30 --seed " + seed + " --script " + script +
                              " --dump 30:" + dir + "/" + name);
        EXPECT_EQ(run.status, 0) << run.err;
        return readJson(dir + "/" + name)["stateHash"].get<std::string>();
    };
    EXPECT_EQ(hashFor("11", "a.json"), hashFor("11", "b.json"));
    EXPECT_NE(hashFor("11", "a.json"), hashFor("12", "c.json"));
}

TEST(StartupFlow, AMalformedScriptStopsTheRunNamingTheLine) {
    std::string dir = scratchDir("malformed");
    GameRun run = runGame("--headless --ticks 10 --script " +
                          writeScript(dir, "2 tap 1\n# fine\n5 tap SHIFT\n"));
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.err.find("script.txt:3:"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("SHIFT"), std::string::npos) << run.err;
}

TEST(StartupFlow, HelpListsTheHarnessOptions) {
    GameRun run = runGame("--help");
    EXPECT_EQ(run.status, 0);
    for (const char* option :
         {"--headless", "--seed", "--script", "--ticks", "--dump", "--shot", "--trace", "--stats"})
        EXPECT_NE(run.out.find(option), std::string::npos) << option;
}

// The command line answers in one line: the version, or what is wrong with an option.
TEST(CommandLineRun, VersionAndBadOptionsAnswerInOneLine) {
    const GameRun version = runGame("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "torvel-arena 2.2\n");
    struct Case {
        const char* args;
        const char* named;
    } cases[] = {{"--frobnicate", "--frobnicate"},
                 {"--seed -4", "--seed"},
                 {"--input-delay 9", "--input-delay"},
                 {"--join nowhere", "--join"}};
    for (const Case& c : cases) {
        const GameRun run = runGame(c.args);
        EXPECT_EQ(run.status, 2) << c.args;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty()) << c.args;
    }
}

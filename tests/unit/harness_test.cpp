#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "app/command_line.h"
#include "shell/input_script.h"
#include "shell/state_dump.h"
#include "test_support.h"

TEST(InputScript, ReadsEveryKindOfLine) {
    InputScript s;
    std::string error;
    ASSERT_TRUE(parseInputScript("# start-up\n"
                                 "3 tap 1   # fighter one\n"
                                 "\n"
                                 "2 down NUM7\n"
                                 "5 up NUM7\n"
                                 "4 joy 2 x 0\n"
                                 "4 joy 2 btn 10 down\n"
                                 "9 tap F12\n",
                                 "s", s, error))
        << error;
    ASSERT_EQ(s.events.size(), 8u);
    EXPECT_EQ(s.events[0].tick, 2);
    EXPECT_EQ(s.events[0].key, vk::Numpad0 + 7);
    EXPECT_EQ(s.events[1].tick, 3);
    EXPECT_EQ(s.events[1].key, '1');
    EXPECT_EQ(s.events[1].kind, ScriptEvent::KeyDown);
    EXPECT_EQ(s.events[2].tick, 4) << "the tap's release comes one tick later";
    EXPECT_EQ(s.events[2].kind, ScriptEvent::KeyUp);
    EXPECT_EQ(s.events[3].kind, ScriptEvent::JoyAxis);
    EXPECT_EQ(s.events[4].value, 10u);
    EXPECT_TRUE(s.events[4].down);
    EXPECT_EQ(s.events[6].key, vk::F1 + 11);
    EXPECT_FALSE(s.joystickUsed[0]);
    EXPECT_TRUE(s.joystickUsed[1]);
}

TEST(InputScript, MalformedLinesAreNamed) {
    const char* bad[] = {
        "tap 1",           "0 tap 1",       "3 tap",           "3 tap 1 2",
        "3 press 1",       "3 tap ENTER",   "3 tap a",         "3 tap F13",
        "3 joy 3 x 0",     "3 joy 1 z 0",   "3 joy 1 x 70000", "3 joy 1 btn 11 down",
        "3 joy 1 btn 1 x", "3 joy 1 btn 1", "x3 tap 1",        "3 tap NUM10",
    };
    for (const char* line : bad) {
        InputScript s;
        std::string error;
        EXPECT_FALSE(parseInputScript(std::string("1 tap 1\n") + line + "\n", "run.txt", s, error))
            << line;
        EXPECT_EQ(error.rfind("run.txt:2: ", 0), 0u) << line << " -> " << error;
    }
}

TEST(CommandLine, ReadsTheHarnessOptions) {
    const char* argv[] = {"torvel-arena", "--headless", "--seed",    "7",      "--ticks",
                          "30",           "--dump",     "12:a.json", "--dump", "30:b.json",
                          "--trace",      "--stats",    "--script",  "s.txt"};
    CommandLine c;
    std::string error;
    ASSERT_TRUE(parseCommandLine(14, argv, c, error)) << error;
    EXPECT_TRUE(c.headless);
    EXPECT_EQ(c.seed, 7u);
    EXPECT_EQ(c.ticks, 30);
    ASSERT_EQ(c.dumps.size(), 2u);
    EXPECT_EQ(c.dumps[1].tick, 30);
    EXPECT_EQ(c.dumps[1].path, "b.json");
    EXPECT_TRUE(c.trace && c.stats);
    EXPECT_EQ(c.scriptPath, "s.txt");
}

TEST(CommandLine, TitleTakesOneOfTheFourSizes) {
    struct Case {
        std::vector<const char*> args;
        bool title;
        u8 size;
    } cases[] = {
        {{}, false, 2},
        {{"--title"}, true, 2},
        {{"--title", "--size", "640x480"}, true, 1},
        {{"--size", "1280x1024", "--title"}, true, 4},
    };
    for (const Case& c : cases) {
        std::vector<const char*> argv = {"torvel-arena"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        CommandLine line;
        std::string error;
        ASSERT_TRUE(parseCommandLine(static_cast<int>(argv.size()), argv.data(), line, error))
            << error;
        EXPECT_EQ(line.title, c.title);
        EXPECT_EQ(line.displaySize, c.size);
    }
}

TEST(CommandLine, VersionIsAnOptionOfItsOwn) {
    const char* argv[] = {"torvel-arena", "--version"};
    CommandLine c;
    std::string error;
    ASSERT_TRUE(parseCommandLine(2, argv, c, error)) << error;
    EXPECT_TRUE(c.version);
    EXPECT_FALSE(c.help);
}

TEST(CommandLine, ReadsTheOnlineOptions) {
    const char* host[] = {"torvel-arena", "--host",  "7000", "--input-delay", "0",
                          "--net-sim",    "delay=60"};
    CommandLine c;
    std::string error;
    ASSERT_TRUE(parseCommandLine(7, host, c, error)) << error;
    EXPECT_EQ(c.hostPort, 7000);
    EXPECT_EQ(c.inputDelay, 0);
    EXPECT_EQ(c.netSim, "delay=60");
    const char* join[] = {"torvel-arena", "--join", "::1:7000", "--size", "640x480"};
    CommandLine j;
    ASSERT_TRUE(parseCommandLine(5, join, j, error)) << error;
    EXPECT_EQ(j.joinAddress, "::1");
    EXPECT_EQ(j.joinPort, 7000);
    EXPECT_EQ(j.displaySize, 1);
    EXPECT_EQ(j.inputDelay, 2);
}

TEST(CommandLine, RejectsBadValues) {
    std::vector<std::vector<const char*>> bad = {
        {"--seed"},
        {"--seed", "-1"},
        {"--ticks", "abc"},
        {"--dump", "12"},
        {"--dump", "0:a.json"},
        {"--shot", ":a.png"},
        {"--frobnicate"},
        {"--headless", "--shot", "5:a.png"},
        {"--title", "--size", "800x601"},
        {"--size", "1024x768"},
        {"--host", "70000"},
        {"--join", "localhost"},
        {"--join", "localhost:0"},
        {"--host", "7000", "--join", "a:1"},
        {"--input-delay", "5"},
        {"--net-sim", "loss=5"},
        {"--host", "7000", "--synctest", "2"},
    };
    for (auto& args : bad) {
        std::vector<const char*> argv = {"torvel-arena"};
        argv.insert(argv.end(), args.begin(), args.end());
        CommandLine c;
        std::string error;
        EXPECT_FALSE(parseCommandLine(static_cast<int>(argv.size()), argv.data(), c, error))
            << args[0];
        EXPECT_FALSE(error.empty());
    }
}

TEST(StateDump, HashIsEqualForEqualStatesAndSeesEveryChange) {
    freshGame(5);
    const std::uint64_t h = stateHash();
    GameState copy = gs;
    freshGame(5);
    EXPECT_EQ(stateHash(), h);
    gs.fighter(2).parts[25].worldBox[5] = 0.001;
    EXPECT_NE(stateHash(), h);
    gs = copy;
    gs.rngState += 1;
    EXPECT_NE(stateHash(), h);
    gs = copy;
    gs.effectTimers[5] = -0.0;
    EXPECT_EQ(stateHash(), h) << "-0 equals 0";
    gs.sceneName = "DEBUG-CENARIO";
    EXPECT_NE(stateHash(), h);
}

TEST(StateDump, WritesEveryFieldByName) {
    freshGame(5);
    gs.effectTimers[5] = 12;
    auto j = nlohmann::json::parse(stateDumpJson(77));
    EXPECT_EQ(j["sceneName"], "DEBUG-PERSONAGEM");
    ASSERT_EQ(j["effectTimers"].size(), 5u);
    EXPECT_EQ(j["effectTimers"][4], 12.0);
    EXPECT_EQ(j["transitionTimer"], 12.0);
    EXPECT_EQ(j["versionText"], "VERSÃO 2.2");
    EXPECT_EQ(j["tick"], 77);
    EXPECT_EQ(j["rngState"], gs.rngState);
    ASSERT_EQ(j["fighters"].size(), 2u);
    EXPECT_EQ(j["fighters"][1]["posX"], 2.0);
    EXPECT_EQ(j["fighters"][0]["parts"].size(), 25u);
    EXPECT_EQ(j["fighters"][0]["hits"].size(), 30u);
    EXPECT_EQ(j["fighters"][0]["keyStart"]["angleZ"].size(), 25u);
    EXPECT_TRUE(j["objects"].is_array());
    EXPECT_EQ(j["stateHash"].get<std::string>().size(), 16u);
    for (const char* field : {"nextScene", "inputLock", "joy1ButtonMap", "kbInputPrev", "menuInput",
                              "joy2Info", "joystickProbeCounter", "soundRequest",
                              "musicStartRequest", "cameraTargetZ", "versusTimer"})
        EXPECT_TRUE(j.contains(field)) << field;
}

// The way into training from the start-up choices and from the title, the training menu
// on ESC with its settings in the dump, and the way back to the title; then the training
// battle and its menu on screen.
#include <gtest/gtest.h>

#include <string>

#include "game_runner.h"

namespace {

// Fighters 1 and 2, arena 1, "4-TREINO", NORMAL, 800x600.
constexpr const char* startupTraining = "2 tap 1\n4 tap 2\n6 tap 1\n8 tap 4\n10 tap 3\n12 tap 2\n";

// Title row 3, both fighters and the arena confirmed by player 1; in the fight, ESC and
// the training menu: the dummy crouching, guarding all, the power refilled; then "TELA
// INICIAL", the last row.
constexpr const char* titleTraining = R"(10 tap DOWN
12 tap DOWN
14 tap Z
50 tap Z
55 tap Z
110 tap Z
420 tap ESC
430 tap DOWN
432 tap RIGHT
434 tap DOWN
436 tap RIGHT
438 tap DOWN
440 tap RIGHT
450 tap DOWN
452 tap DOWN
454 tap DOWN
456 tap DOWN
458 tap DOWN
460 tap Z
)";

const nlohmann::json& fighter(const nlohmann::json& d, int i) {
    return d["fighters"][i - 1];
}

// A training battle under way: player 1 on its devices, fighter 2 the dummy, no clock.
void expectTrainingBattle(const nlohmann::json& d) {
    EXPECT_EQ(d["sceneName"], "BATALHA");
    EXPECT_EQ(d["gameMode"], "TREINO");
    EXPECT_EQ(d["training"]["active"], 1);
    EXPECT_EQ(fighter(d, 1)["isHuman"], 1);
    EXPECT_EQ(fighter(d, 2)["isHuman"], 0);
    EXPECT_EQ(d["introTimer"], 0);
    EXPECT_EQ(d["timeOverTimer"], 0);
    EXPECT_EQ(d["roundTime"], 60) << "the clock never runs";
    EXPECT_EQ(fighter(d, 2)["anim"], "PARADO") << "the dummy stands";
}

} // namespace

TEST(Training, TheStartupChoicesLeadToATrainingBattle) {
    const std::string dir = scratchDir("training-startup");
    const std::string script = writeScript(dir, startupTraining);
    GameRun r = runGame("--headless --seed 3 --trace --ticks 2000 --script " + script +
                        " --dump 11:" + dir + "/mode.json --dump 2000:" + dir + "/battle.json");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("scene BATALHA"), std::string::npos) << r.out;
    const auto mode = readJson(dir + "/mode.json");
    EXPECT_EQ(mode["gameMode"], "TREINO");
    expectTrainingBattle(readJson(dir + "/battle.json"));
}

TEST(Training, TheTitleLeadsToATrainingBattleWhoseMenuSetsTheDummyAndLeaves) {
    const std::string dir = scratchDir("training-title");
    const std::string script = writeScript(dir, titleTraining);
    std::string dumps;
    for (int t : {419, 445, 520})
        dumps += " --dump " + std::to_string(t) + ":" + dir + "/" + std::to_string(t) + ".json";
    GameRun r =
        runGame("--headless --title --seed 5 --trace --ticks 520 --script " + script + dumps);
    ASSERT_EQ(r.status, 0) << r.err;

    expectTrainingBattle(readJson(dir + "/419.json"));

    const auto menu = readJson(dir + "/445.json");
    EXPECT_EQ(menu["pauseMenuOpen"], 1);
    EXPECT_EQ(menu["optionsScreen"], "OPCOES-TREINO");
    const auto& t = menu["training"];
    EXPECT_EQ(t["dummyAction"], 1) << "crouching";
    EXPECT_EQ(t["dummyGuard"], 1) << "guarding all";
    EXPECT_EQ(t["powerRefill"], 1);
    EXPECT_EQ(t["display"], 1) << "shown unless turned off";
    EXPECT_EQ(t["resetPlace"], 0);

    const auto title = readJson(dir + "/520.json");
    EXPECT_EQ(title["sceneName"], "OPCOES");
    EXPECT_EQ(title["pauseMenuOpen"], 0);
    EXPECT_EQ(title["training"]["active"], 0);
}

namespace {

// Training from the start-up choices; once the fight is on, F5 puts player 1 4 from the dummy,
// player 1 walks 3 towards it and throws a weak punch.
constexpr const char* scriptedJab = R"(2 tap 1
4 tap 2
6 tap 1
8 tap 4
10 tap 3
12 tap 2
300 tap F5
310 down RIGHT
322 up RIGHT
340 tap Z
)";

} // namespace

TEST(Training, TheDumpCarriesTheFrameDataAndInputsOfAScriptedBlow) {
    const std::string dir = scratchDir("training-jab");
    const std::string script =
        writeScript(dir, std::string(scriptedJab) + "400 tap F4\n410 tap F6\n430 tap F6\n");
    GameRun r = runGame("--headless --seed 4 --ticks 440 --script " + script +
                        " --dump 399:" + dir + "/jab.json --dump 440:" + dir + "/after.json");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto jab = readJson(dir + "/jab.json");
    const auto& m = jab["training"]["lastMove"];
    // The weak punch strikes in its frames 2 to 4 of 5; a standing hit reaction lasts 10.
    EXPECT_EQ(m["anim"], "SOCO-FRACO");
    EXPECT_EQ(m["startup"], 2);
    EXPECT_EQ(m["active"], 3);
    EXPECT_EQ(m["recovery"], 1);
    EXPECT_EQ(m["outcome"], 1) << "it hit";
    EXPECT_EQ(m["onHit"], 7);
    EXPECT_GT(m["damage"].get<double>(), 0);
    EXPECT_EQ(m["comboHits"], 1);
    const auto& inputs = jab["training"]["inputs"];
    ASSERT_GE(jab["training"]["inputCount"].get<int>(), 4);
    EXPECT_EQ(inputs[1]["buttons"], 1) << "the punch";
    EXPECT_EQ(inputs[1]["ticks"], 1);
    EXPECT_EQ(inputs[3]["direction"], 6) << "walking in";
    EXPECT_EQ(inputs[3]["ticks"], 12);

    const auto after = readJson(dir + "/after.json");
    EXPECT_EQ(after["training"]["display"], 0) << "F4";
    EXPECT_EQ(after["training"]["recordLength"], 20) << "F6, F6";
    EXPECT_EQ(after["training"]["recorder"], 0);
}

TEST(Training, TheDisplayDrawsTheBoxesUntilF4) {
    if (!xvfbAvailable()) GTEST_SKIP() << "xvfb-run is not installed";
    const std::string dir = scratchDir("training-display");
    const std::string script = writeScript(dir, std::string(scriptedJab) + "400 tap F4\n");
    GameRun r = runGame("--seed 4 --ticks 421 --script " + script + " --shot 342:" + dir +
                            "/on.png --shot 420:" + dir + "/off.png",
                        true);
    ASSERT_EQ(r.status, 0) << r.err;
    // The dummy's body box is drawn in a bright green no picture of the scene has.
    const auto outlinePixels = [](const Picture& p) {
        int n = 0;
        for (int y = 150; y < p.height; ++y)
            for (int x = 0; x < p.width; ++x)
                if (p.at(x, y)[0] < 110 && p.at(x, y)[1] > 235 && p.at(x, y)[2] < 110) ++n;
        return n;
    };
    const Picture on = readPng(dir + "/on.png"), off = readPng(dir + "/off.png");
    ASSERT_TRUE(on.ok() && off.ok());
    EXPECT_GT(outlinePixels(on), 300);
    EXPECT_LT(outlinePixels(off), 20);
}

// A whole match from the start-up screens: "P1 VS P2", fighter 1 knocks fighter 2 out in
// two rounds, the victory screen, "LUTAR NOVAMENTE" and the first tick of the next match,
// headless and windowed.
#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>

#include "game_runner.h"

namespace {

// Characters 1 and 2, arena 1, "P1 VS P2", NORMAL, 640 x 480; the fight starts at 266.
// Player 1 steps in and chains weak punch, weak kick and strong punch every 30 ticks until
// tick 1780; player 2 stands still. Z (button 1) at 1960 confirms "LUTAR NOVAMENTE".
constexpr int lastAttack = 1780, rematchKey = 1960, runLength = 2020;

std::string matchScript() {
    std::string s = "2 tap 1\n4 tap 2\n6 tap 1\n8 tap 2\n10 tap 3\n12 tap 1\n";
    for (int t = 270; t < lastAttack; t += 30) {
        const std::string at = std::to_string(t);
        s += at + " down RIGHT\n" + std::to_string(t + 8) + " up RIGHT\n" + std::to_string(t + 10) +
             " tap Z\n" + std::to_string(t + 15) + " tap X\n" + std::to_string(t + 20) + " tap C\n";
    }
    return s + std::to_string(rematchKey) + " tap Z\n";
}

// The tick of the n-th switch to `scene` in a trace, if any.
std::optional<int> sceneTick(const std::string& trace, const std::string& scene, int nth = 1) {
    std::istringstream in(trace);
    std::string line;
    while (std::getline(in, line)) {
        const auto space = line.find(' ');
        if (line.substr(space + 1) == "scene " + scene && --nth == 0)
            return std::stoi(line.substr(0, space));
    }
    return std::nullopt;
}

const nlohmann::json& fighter(const nlohmann::json& d, int i) {
    return d["fighters"][i - 1];
}

} // namespace

TEST(WholeMatch, TwoKnockOutsTheVictoryScreenAndTheRematch) {
    const std::string dir = scratchDir("whole-match");
    const std::string script = writeScript(dir, matchScript());
    std::string dumps;
    for (int t = 270; t <= lastAttack + 60; t += 2)
        dumps += " --dump " + std::to_string(t) + ":" + dir + "/" + std::to_string(t) + ".json";
    GameRun run = runGame("--headless --seed 5 --trace --ticks " + std::to_string(runLength) +
                          " --script " + script + dumps);
    ASSERT_EQ(run.status, 0) << run.err;

    // Walk the fight two ticks at a time: each round ends in a knock-out of fighter 2, and
    // the result hands the next round its number, its lighting and fresh fighters.
    int knockOuts = 0, lastRound = 1;
    bool sawResult = false;
    for (int t = 270; t <= lastAttack + 60; t += 2) {
        const auto d = readJson(dir + "/" + std::to_string(t) + ".json");
        if (d["sceneName"] != "BATALHA") break;
        if (d["knockOutTimer"].get<int>() > 40 && fighter(d, 2)["life"] == 0.0 &&
            d["roundNumber"] == knockOuts + 1)
            ++knockOuts;
        if (d["resultTimer"].get<int>() > 15) {
            sawResult = true;
            EXPECT_EQ(d["hudHide"], 2.0) << t;
            EXPECT_EQ(d["cameraHold"], 20) << "the camera on the winner at " << t;
        }
        if (d["roundNumber"].get<int>() == lastRound + 1) {
            lastRound += 1;
            EXPECT_EQ(d["introTimer"].get<int>() >= 96, true) << t;
            EXPECT_EQ(d["lightingVariant"], 2) << "the second round's lighting";
            EXPECT_EQ(fighter(d, 1)["roundsWon"], 1);
            EXPECT_EQ(fighter(d, 1)["roundMarks"][0], "V0P") << "won untouched with time left";
            EXPECT_EQ(fighter(d, 2)["roundsWon"], 0);
        }
    }
    EXPECT_EQ(knockOuts, 2);
    EXPECT_TRUE(sawResult);

    const auto victory = sceneTick(run.out, "VS-VITORIA");
    ASSERT_TRUE(victory) << run.out;
    EXPECT_LT(*victory, rematchKey);
    const auto rematch = sceneTick(run.out, "BATALHA", 2);
    ASSERT_TRUE(rematch) << run.out;
    EXPECT_GT(*rematch, rematchKey);

    // The same run again, headless and windowed: the victory screen after the rockets have
    // had time to fly, and the first tick of the next match, the one after the switch.
    const int onVictory = *victory + 40, firstTick = *rematch + 1;
    const std::string common =
        "--seed 5 --ticks " + std::to_string(firstTick) + " --script " + script;
    GameRun headless =
        runGame("--headless " + common + " --dump " + std::to_string(onVictory) + ":" + dir +
                "/v.json --dump " + std::to_string(firstTick) + ":" + dir + "/h.json");
    ASSERT_EQ(headless.status, 0) << headless.err;

    const auto v = readJson(dir + "/v.json");
    EXPECT_EQ(v["sceneName"], "VS-VITORIA");
    EXPECT_EQ(v["optionsScreen"], "OPCOES-JOGO-3");
    EXPECT_EQ(fighter(v, 1)["roundsWon"], 2);
    EXPECT_EQ(fighter(v, 1)["roundMarks"][1], "V0P");
    EXPECT_EQ(fighter(v, 1)["winStreak"], 1);
    EXPECT_EQ(fighter(v, 2)["winStreak"], 0);

    const auto h = readJson(dir + "/h.json");
    EXPECT_EQ(h["sceneName"], "BATALHA");
    EXPECT_EQ(h["introTimer"], 99);
    EXPECT_EQ(h["roundNumber"], 1);
    EXPECT_EQ(h["lightingVariant"], 1);
    for (int i = 1; i <= 2; ++i) {
        SCOPED_TRACE("fighter " + std::to_string(i));
        EXPECT_EQ(fighter(h, i)["life"], 100.0);
        EXPECT_EQ(fighter(h, i)["roundsWon"], 0);
        EXPECT_EQ(fighter(h, i)["roundMarks"][0], "-");
        EXPECT_EQ(fighter(h, i)["anim"], "PARADO");
    }
    EXPECT_EQ(fighter(h, 1)["winStreak"], 1) << "the streak outlives the match";

    if (!xvfbAvailable()) GTEST_SKIP() << "xvfb-run is not installed";
    GameRun windowed =
        runGame(common + " --dump " + std::to_string(firstTick) + ":" + dir + "/w.json --shot " +
                    std::to_string(onVictory) + ":" + dir + "/victory.png",
                true);
    ASSERT_EQ(windowed.status, 0) << windowed.err;
    const auto w = readJson(dir + "/w.json");
    EXPECT_EQ(h["stateHash"], w["stateHash"]);
    EXPECT_EQ(h, w);

    // The victory backdrop is dark blue at its top corner.
    Picture shot = readPng(dir + "/victory.png");
    ASSERT_TRUE(shot.ok());
    const std::uint8_t* corner = shot.at(20, 20);
    EXPECT_LT(corner[0], 30);
    EXPECT_LT(corner[1], 30);
    EXPECT_GT(corner[2], corner[0] + 20);
}

// The music each scene asks for, read from the dumps of the same match: the menus theme
// on the start-up screens (asked for, not yet loaded), the sting, the arena's theme through
// both rounds until the deciding knock-out, silence, the victory theme, the theme again.
TEST(WholeMatch, EachSceneAsksForItsMusic) {
    const std::string dir = scratchDir("match-music");
    const std::string script = writeScript(dir, matchScript());
    std::string dumps;
    for (int t = 2; t <= runLength; t += 6)
        dumps += " --dump " + std::to_string(t) + ":" + dir + "/" + std::to_string(t) + ".json";
    GameRun run = runGame("--headless --seed 5 --trace --ticks " + std::to_string(runLength) +
                          " --script " + script + dumps);
    ASSERT_EQ(run.status, 0) << run.err;

    bool decided = false, rematch = false;
    std::string seen;
    for (int t = 2; t <= runLength; t += 6) {
        const auto d = readJson(dir + "/" + std::to_string(t) + ".json");
        const std::string scene = d["sceneName"];
        const int index = d["musicIndex"], request = d["musicStartRequest"];
        SCOPED_TRACE("tick " + std::to_string(t) + " in " + scene);
        if (scene.rfind("DEBUG-", 0) == 0) {
            EXPECT_EQ(index, 1);
            EXPECT_EQ(request, 1) << "nothing to play before the music is loaded";
            continue;
        }
        EXPECT_EQ(request, 0) << "every request is served at once";
        if (scene == "VS-APRESENTACAO") {
            EXPECT_EQ(index, 4);
        }
        if (scene == "VS-VITORIA") {
            EXPECT_EQ(index, 5);
            rematch = true;
        }
        if (scene != "BATALHA") continue;
        decided = decided || (d["roundNumber"] == 2 && d["knockOutTimer"].get<int>() > 0);
        EXPECT_EQ(index, decided && !rematch ? 0 : 2);
        const std::string piece = std::to_string(index);
        if (seen.empty() || seen.back() != piece.back()) seen += piece;
    }
    EXPECT_EQ(seen, "202") << "the theme, silence after the deciding knock-out, the theme";

    // Arena 2 has its own theme; the title screen plays the menus theme at once.
    const std::string arena2 =
        writeScript(dir, "2 tap 1\n4 tap 2\n6 tap 2\n8 tap 2\n10 tap 3\n12 tap 1\n");
    ASSERT_EQ(runGame("--headless --seed 5 --ticks 300 --script " + arena2 + " --dump 300:" + dir +
                      "/casa.json")
                  .status,
              0);
    EXPECT_EQ(readJson(dir + "/casa.json")["musicIndex"], 3);
    ASSERT_EQ(runGame("--headless --title --ticks 5 --dump 5:" + dir + "/title.json").status, 0);
    const auto title = readJson(dir + "/title.json");
    EXPECT_EQ(title["musicIndex"], 1);
    EXPECT_EQ(title["musicStartRequest"], 0);
}

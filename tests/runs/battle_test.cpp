// The battle reached through the start-up screens: the intro's length, the round clock,
// the time over, the pause display, and a windowed run reaching the headless state.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "game_runner.h"

namespace {

// Characters 1 and 2, arena 1, "P1 VS P2", NORMAL, 640 x 480. The battle scene starts at
// tick 166, so battle tick k is game tick 166 + k; the intro ends at tick 266.
std::string versusScript() {
    return "2 tap 1\n4 tap 2\n6 tap 1\n8 tap 2\n10 tap 3\n12 tap 1\n";
}

constexpr int introEnd = 266;

std::string dumpArgs(const std::string& dir, std::initializer_list<int> ticks) {
    std::string args;
    for (int t : ticks)
        args += " --dump " + std::to_string(t) + ":" + dir + "/" + std::to_string(t) + ".json";
    return args;
}

nlohmann::json dumpAt(const std::string& dir, int tick) {
    return readJson(dir + "/" + std::to_string(tick) + ".json");
}

// Average brightness of a pixel.
int grey(const Picture& p, int x, int y) {
    const std::uint8_t* px = p.at(x, y);
    return (px[0] + px[1] + px[2]) / 3;
}

} // namespace

TEST(Battle, TheIntroLastsOneHundredTicksThenTheClockRuns) {
    std::string dir = scratchDir("battle-intro");
    std::string script = writeScript(dir, versusScript());
    GameRun run =
        runGame("--headless --seed 7 --trace --ticks 300 --script " + script +
                dumpArgs(dir, {167, introEnd - 1, introEnd, introEnd + 1, introEnd + 33}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("166 scene BATALHA\n"), std::string::npos) << run.out;

    auto first = dumpAt(dir, 167);
    EXPECT_EQ(first["gameMode"], "P1-VS-P2");
    EXPECT_EQ(first["introTimer"], 99);
    EXPECT_EQ(first["hudHide"], 2.0);
    EXPECT_DOUBLE_EQ(first["cameraZ"].get<double>(), 3.5)
        << "the round opens at the fighters' depth";

    auto last = dumpAt(dir, introEnd - 1);
    EXPECT_EQ(last["introTimer"], 1);
    EXPECT_EQ(last["roundTimeF"], 99.0);
    EXPECT_DOUBLE_EQ(last["hudHide"].get<double>(), 0.2);

    auto ended = dumpAt(dir, introEnd);
    EXPECT_EQ(ended["introTimer"], 0);
    EXPECT_EQ(ended["roundTime"], 60);
    EXPECT_EQ(ended["roundTimeF"], 99.0) << "the intro holds the clock to its last tick";
    EXPECT_EQ(ended["hudHide"], 0.0);

    auto fight = dumpAt(dir, introEnd + 1);
    EXPECT_EQ(fight["roundTimeF"], 96.0);
    auto second = dumpAt(dir, introEnd + 33);
    EXPECT_EQ(second["roundTime"], 59);
    EXPECT_EQ(second["roundTimeF"], 99.0);
}

// "TEMPO DO ROUND" 30 from the saved configuration: 30 clock seconds of 33 ticks.
TEST(Battle, TheClockRunsOutIntoTheTimeOver) {
    std::string run30 = copyOfRunDir("battle-time-over");
    {
        std::ofstream config(run30 + "/Config.dat", std::ios::binary);
        const char* lines[] = {"3", "1", "2", "3", "1", "-1000", "-1000", "-1000", "1", "1", "1",
                               "&", "(", "%", "'", "Z", "X",     "C",     "V",     "A", "S", "D"};
        for (const char* l : lines) config << l << "\r\n";
        for (int map = 0; map < 2; ++map)
            for (int b = 1; b <= 10; ++b) config << b << "\r\n";
    }
    std::string dir = scratchDir("battle-time-over-dumps");
    std::string script = writeScript(dir, versusScript());
    const int zero = introEnd + 30 * 33;
    GameRun run = runGameIn(run30, "--headless --seed 7 --ticks " + std::to_string(zero + 1) +
                                       " --script " + script + dumpArgs(dir, {zero - 1, zero}));
    ASSERT_EQ(run.status, 0) << run.err;
    auto before = dumpAt(dir, zero - 1);
    EXPECT_EQ(before["roundTimeSetting"], 1);
    EXPECT_EQ(before["roundTime"], 1);
    EXPECT_EQ(before["timeOverTimer"], 0);
    auto over = dumpAt(dir, zero);
    EXPECT_EQ(over["roundTime"], 0);
    EXPECT_EQ(over["timeOverTimer"], 59) << "started at 60 and run in the same tick";
    EXPECT_EQ(over["soundRequest"], 31);
}

TEST(BattleWindowed, ReachesTheHeadlessStateAndDarkensThePauseBand) {
    if (!xvfbAvailable()) GTEST_SKIP() << "xvfb-run is not installed";
    std::string dir = scratchDir("battle-windowed");
    // The presentation skipped at tick 21 hands over at 37, so the fight starts at 137. Walk
    // in, throw a punch, pause at 206 once its hit-stop (and the flashing light that comes
    // with it) is over; the band shows for 31 ticks of every 51; leave the pause.
    std::string script =
        writeScript(dir, versusScript() + "21 tap Z\n140 down RIGHT\n150 up RIGHT\n152 tap Z\n"
                                          "206 tap PAUSE\n243 tap PAUSE\n");
    const std::string common = "--seed 11 --ticks 247 --script " + script;
    GameRun headless = runGame("--headless " + common + " --dump 247:" + dir + "/h.json");
    ASSERT_EQ(headless.status, 0) << headless.err;
    GameRun windowed = runGame(common + " --dump 247:" + dir + "/w.json --shot 209:" + dir +
                                   "/on.png --shot 241:" + dir + "/off.png",
                               true);
    ASSERT_EQ(windowed.status, 0) << windowed.err;
    auto h = readJson(dir + "/h.json");
    auto w = readJson(dir + "/w.json");
    EXPECT_EQ(h["sceneName"], "BATALHA");
    EXPECT_EQ(h["introTimer"], 0);
    EXPECT_EQ(h["stateHash"], w["stateHash"]);
    EXPECT_EQ(h, w);

    // The world stands still through the pause, so the two pictures differ only where the
    // "PAUSA" band lies: x -0.8..0.8, y -0.5..-0.7 at depth 5 (pixels 243..397, 208..227).
    Picture on = readPng(dir + "/on.png");
    Picture off = readPng(dir + "/off.png");
    ASSERT_TRUE(on.ok() && off.ok());
    EXPECT_LT(grey(on, 300, 224) * 100, grey(off, 300, 224) * 75) << "darkened near the middle";
    EXPECT_LT(grey(on, 250, 224), grey(off, 250, 224)) << "less near the ends";
    EXPECT_EQ(grey(on, 300, 300), grey(off, 300, 300)) << "nothing else changes";
    EXPECT_EQ(grey(on, 100, 216), grey(off, 100, 216));
}

// Player 1 walks on the keyboard and jumps; player 2 holds its stick away from player 1.
// The dumps follow the walking speeds and the jump's rise and landing in the real game.
TEST(Battle, PlayersWalkAndJumpAtTheirSpeeds) {
    std::string dir = scratchDir("battle-moves");
    const int start = introEnd + 5;
    std::string script = versusScript() + std::to_string(start) + " down RIGHT\n" +
                         std::to_string(start + 10) + " up RIGHT\n" + std::to_string(start + 20) +
                         " down UP\n" + std::to_string(start + 21) + " up UP\n" +
                         std::to_string(start) + " joy 1 x 65535\n" + std::to_string(start + 10) +
                         " joy 1 x 32767\n";
    GameRun run = runGame("--headless --seed 3 --ticks " + std::to_string(start + 45) +
                          " --script " + writeScript(dir, script) +
                          dumpArgs(dir, {start - 1, start + 9, start + 24, start + 44}));
    ASSERT_EQ(run.status, 0) << run.err;
    auto before = dumpAt(dir, start - 1);
    auto walked = dumpAt(dir, start + 9);
    const auto x = [](const nlohmann::json& d, int i) {
        return d["fighters"][i - 1]["posX"].get<double>();
    };
    EXPECT_EQ(walked["fighters"][0]["anim"], "ANDAR-FRENTE");
    EXPECT_EQ(walked["fighters"][1]["anim"], "ANDAR-TRAS");
    // Whole ticks of walking at each character's speed: Torvel forward at 0.25, Seu
    // Brandolim backward at his own speed.
    const double p1 = x(walked, 1) - x(before, 1), p2 = x(walked, 2) - x(before, 2);
    const double back = walked["fighters"][1]["walkBackSpeed"].get<double>();
    EXPECT_NEAR(p1, 0.25 * std::round(p1 / 0.25), 1e-9);
    EXPECT_GE(p1, 0.25 * 8);
    EXPECT_NEAR(p2, back * std::round(p2 / back), 1e-9);
    EXPECT_GE(p2, back * 8);

    auto rising = dumpAt(dir, start + 24);
    EXPECT_EQ(rising["fighters"][0]["anim"], "PULAR");
    EXPECT_GT(rising["fighters"][0]["posY"].get<double>(), 1.0);
    auto landed = dumpAt(dir, start + 44);
    EXPECT_EQ(landed["fighters"][0]["posY"], 0.0);
    EXPECT_EQ(landed["fighters"][0]["anim"], "PARADO");
    EXPECT_EQ(landed["fighters"][0]["airborne"], 0);
}

// Replays and the sync test through the game's command line: recorded runs play back to
// the same states headless and in a window, bad files are refused, and whole matches of
// every kind stay in sync under --synctest.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "game_runner.h"

namespace {

// Characters 1 and 2, arena 1, then `mode` (1 P1 VS CPU, 2 P1 VS P2, 3 CPU VS CPU),
// difficulty `difficulty`, 640 x 480. The battle starts at tick 166.
std::string startup(int mode, int difficulty) {
    return "2 tap 1\n4 tap 2\n6 tap 1\n8 tap " + std::to_string(mode) + "\n10 tap " +
           std::to_string(difficulty) + "\n12 tap 1\n";
}

struct Line {
    int tick;
    std::string what;
};

// Player 1 on the keyboard, 400 ticks from t0: walk in, throw, power up, two quarter
// circles, the double quarter circle of the super, a back quarter circle, jumps with
// air attacks, the item buttons and a mash.
void playerOneCycle(int t0, std::vector<Line>& out) {
    auto at = [&](int dt, const std::string& s) { out.push_back({t0 + dt, s}); };
    at(0, "down RIGHT"), at(40, "up RIGHT");
    at(42, "down RIGHT"), at(43, "tap C"), at(45, "up RIGHT");
    for (const char* k : {"Z", "X", "C"})
        at(80, std::string("down ") + k), at(200, std::string("up ") + k);
    for (auto [base, button] : {std::pair{210, "Z"}, std::pair{230, "C"}}) {
        at(base, "down DOWN"), at(base + 2, "down RIGHT"), at(base + 4, "up DOWN");
        at(base + 5, std::string("tap ") + button), at(base + 7, "up RIGHT");
    }
    at(250, "down DOWN"), at(252, "down RIGHT"), at(253, "up DOWN"), at(254, "up RIGHT");
    at(255, "down DOWN"), at(257, "down RIGHT"), at(258, "up DOWN"), at(259, "tap Z");
    at(261, "up RIGHT");
    at(290, "down DOWN"), at(292, "down LEFT"), at(294, "up DOWN"), at(295, "tap C");
    at(297, "up LEFT");
    at(320, "tap UP"), at(326, "tap V"), at(340, "tap UP"), at(344, "tap X");
    at(360, "tap A"), at(364, "tap S"), at(368, "tap D");
    for (int k = 372; k < 400; k += 4) at(k, k % 8 ? "tap Z" : "tap X");
}

// Player 2 on joystick 1, who stands to the right: the same kinds of move, mirrored.
void playerTwoCycle(int t0, std::vector<Line>& out) {
    auto at = [&](int dt, const std::string& s) { out.push_back({t0 + dt, "joy 1 " + s}); };
    auto x = [&](int dt, int v) { at(dt, "x " + std::to_string(v)); };
    auto y = [&](int dt, int v) { at(dt, "y " + std::to_string(v)); };
    auto press = [&](int dt, int b) {
        at(dt, "btn " + std::to_string(b) + " down"),
            at(dt + 1, "btn " + std::to_string(b) + " up");
    };
    x(0, 0), x(30, 32767);
    x(100, 0), press(101, 4), x(103, 32767);
    y(140, 65535), x(142, 0), y(144, 32767), press(145, 1), x(147, 32767);
    y(170, 65535), x(172, 65535), y(174, 32767), press(175, 3), x(177, 32767);
    for (int b = 1; b <= 3; ++b)
        at(200, "btn " + std::to_string(b) + " down"), at(300, "btn " + std::to_string(b) + " up");
    y(310, 65535), x(312, 0), y(313, 32767), x(314, 32767), y(315, 65535), x(317, 0);
    y(318, 32767), press(319, 1), x(321, 32767);
    y(340, 0), y(342, 32767), press(346, 2), press(360, 5), press(365, 6);
    for (int k = 370; k < 400; k += 5) press(k, k % 10 ? 1 : 2);
}

// A P1 VS P2 match of two rounds and its rematch, by tick 4790, with specials, supers,
// throws, air combos, projectiles and the item buttons.
std::string fullMatchScript() {
    std::vector<Line> lines;
    for (int c = 0; c < 12; ++c) {
        playerOneCycle(170 + 400 * c, lines);
        playerTwoCycle(190 + 400 * c, lines);
    }
    std::stable_sort(lines.begin(), lines.end(),
                     [](const Line& a, const Line& b) { return a.tick < b.tick; });
    std::string text = startup(2, 3);
    for (const Line& l : lines) text += std::to_string(l.tick) + " " + l.what + "\n";
    return text;
}
constexpr int fullMatchTicks = 4790;

std::string slurp(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

} // namespace

TEST(SyncTest, AScriptedMatchWithEveryKindOfMoveStaysInSync) {
    const std::string dir = scratchDir("synctest-p1p2");
    const GameRun run = runGame("--headless --seed 4 --trace --synctest 8 --ticks " +
                                std::to_string(fullMatchTicks) + " --script " +
                                writeScript(dir, fullMatchScript()));
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("VS-VITORIA"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("synctest ok " + std::to_string(fullMatchTicks) + " ticks"),
              std::string::npos)
        << run.out;
}

TEST(SyncTest, AWholeComputerMatchStaysInSyncAtEachDifficulty) {
    const std::string dir = scratchDir("synctest-cpu");
    for (int difficulty = 1; difficulty <= 5; ++difficulty) {
        const std::string s = writeScript(dir, startup(3, difficulty));
        const GameRun run = runGame("--headless --seed " + std::to_string(20 + difficulty) +
                                    " --trace --synctest 8 --ticks 12000 --script " + s);
        EXPECT_EQ(run.status, 0) << "difficulty " << difficulty << "\n" << run.out << run.err;
        EXPECT_NE(run.out.find("VS-VITORIA"), std::string::npos)
            << "difficulty " << difficulty << ": the match ends\n"
            << run.out;
        EXPECT_NE(run.out.find("synctest ok"), std::string::npos) << run.out;
    }
}

TEST(Replay, ARecordedMatchReplaysToTheSameStatesHeadlessAndInAWindow) {
    const std::string dir = scratchDir("replay-recorded");
    const std::string replay = dir + "/match.tvr";
    auto dumps = [&](const std::string& tag) {
        return " --dump 400:" + dir + "/" + tag + "-400.json --dump 1500:" + dir + "/" + tag +
               "-1500.json";
    };
    GameRun run = runGame("--headless --seed 8 --ticks 1500 --record " + replay + " --script " +
                          writeScript(dir, fullMatchScript()) + dumps("live"));
    ASSERT_EQ(run.status, 0) << run.err;

    run = runGame("--headless --trace --replay " + replay + dumps("replayed"));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("166 scene BATALHA"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("replay ok 1500 ticks"), std::string::npos) << run.out;
    for (const char* t : {"400", "1500"})
        EXPECT_EQ(slurp(dir + "/live-" + t + ".json"), slurp(dir + "/replayed-" + t + ".json"))
            << "tick " << t;

    if (!xvfbAvailable()) GTEST_SKIP() << "xvfb-run is not installed";
    // In a window, up to tick 400.
    run = runGame("--replay " + replay + " --ticks 400 --shot 400:" + dir + "/shown.png" +
                      dumps("shown"),
                  true);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readJson(dir + "/live-400.json")["stateHash"],
              readJson(dir + "/shown-400.json")["stateHash"]);
    EXPECT_TRUE(readPng(dir + "/shown.png").ok());
}

TEST(Replay, AMatchRecordedInAWindowReplaysHeadless) {
    if (!xvfbAvailable()) GTEST_SKIP() << "xvfb-run is not installed";
    const std::string dir = scratchDir("replay-windowed");
    const std::string replay = dir + "/w.tvr";
    GameRun run = runGame("--seed 9 --ticks 300 --record " + replay + " --dump 300:" + dir +
                              "/live.json --script " + writeScript(dir, fullMatchScript()),
                          true);
    ASSERT_EQ(run.status, 0) << run.err;
    run = runGame("--headless --replay " + replay + " --dump 300:" + dir + "/replayed.json");
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(slurp(dir + "/live.json"), slurp(dir + "/replayed.json"));
}

TEST(Replay, AFileThatIsNotAGoodReplayExitsTwoAndSaysWhatIsWrong) {
    const std::string dir = scratchDir("replay-bad");
    const std::string good = dir + "/good.tvr";
    ASSERT_EQ(runGame("--headless --seed 2 --ticks 200 --record " + good + " --script " +
                      writeScript(dir, startup(2, 3)))
                  .status,
              0);
    const std::string bytes = slurp(good);
    struct Case {
        const char* name;
        std::string content;
        const char* message;
    } cases[] = {
        {"text.tvr", "2 tap 1\n", "not a replay file"},
        {"empty.tvr", "", "not a replay file"},
        {"cut.tvr", bytes.substr(0, bytes.size() / 2), "truncated"},
        {"version.tvr", bytes.substr(0, 8) + '\x07' + bytes.substr(9), "format version 7"},
        {"damaged.tvr",
         bytes.substr(0, bytes.size() - 30) + static_cast<char>(bytes[bytes.size() - 30] ^ 4) +
             bytes.substr(bytes.size() - 29),
         "damaged"},
    };
    for (const Case& c : cases) {
        const std::string path = dir + "/" + c.name;
        std::ofstream(path, std::ios::binary) << c.content;
        const GameRun run = runGame("--headless --replay " + path);
        EXPECT_EQ(run.status, 2) << c.name << run.out << run.err;
        EXPECT_EQ(run.out.rfind("replay " + path + ": ", 0), 0u) << run.out;
        EXPECT_NE(run.out.find(c.message), std::string::npos) << c.name << ": " << run.out;
    }
    const GameRun missing = runGame("--headless --replay " + dir + "/none.tvr");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.out.find("cannot be opened"), std::string::npos) << missing.out;
}

// What the display holds does not grow with play: after a whole match, its rematch and
// changes of arena from the title, the game holds as many textures and display lists as
// when the second arena's battle began (each arena's pictures come with its first
// battle), headless and in a window.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <utility>

#include "game_runner.h"

namespace {

// Arena 1, "P1 VS P2": player 1 knocks player 2 out twice, Z takes "LUTAR NOVAMENTE" and
// the rematch begins at 1975. ESC, "TELA INICIAL", "SIM" leave each battle for the title,
// and from the title "CPU VS CPU" goes to arena 2 (its battle at 2460), then to arena 1
// again (2945).
constexpr int secondArena = 2460, backToFirst = 2945;

struct Key {
    int after;
    const char* key;
};
// From a battle's first tick: ESC, "TELA INICIAL", "SIM".
constexpr Key leaveBattle[] = {{115, "ESC"}, {121, "DOWN"}, {123, "DOWN"}, {125, "DOWN"},
                               {128, "Z"},   {136, "UP"},   {139, "Z"}};
// From the title's first tick: VS, CPU VS CPU, both fighters, the arena under the cursor
// (RIGHT at 155 moves it to arena 2).
constexpr Key fromTitle[] = {{20, "DOWN"}, {22, "Z"}, {55, "DOWN"}, {57, "DOWN"},
                             {60, "Z"},    {95, "Z"}, {100, "Z"},   {160, "Z"}};

std::string longScript() {
    std::string s = "2 tap 1\n4 tap 2\n6 tap 1\n8 tap 2\n10 tap 3\n12 tap 1\n";
    for (int t = 270; t < 1780; t += 30) {
        const std::string at = std::to_string(t);
        s += at + " down RIGHT\n" + std::to_string(t + 8) + " up RIGHT\n" + std::to_string(t + 10) +
             " tap Z\n" + std::to_string(t + 15) + " tap X\n" + std::to_string(t + 20) + " tap C\n";
    }
    s += "1960 tap Z\n";
    auto add = [&](int from, const auto& keys) {
        for (const Key& k : keys) s += std::to_string(from + k.after) + " tap " + k.key + "\n";
    };
    add(1975, leaveBattle);
    add(2130, fromTitle);
    s += std::to_string(2130 + 155) + " tap RIGHT\n";
    add(secondArena, leaveBattle);
    add(2615, fromTitle);
    return s;
}

// "held by the display: textures T  display lists L" from --stats.
std::pair<int, int> held(const GameRun& run) {
    std::smatch m;
    const std::regex line("held by the display: textures (\\d+)  display lists (\\d+)");
    if (!std::regex_search(run.out, m, line)) return {-1, -1};
    return {std::stoi(m[1]), std::stoi(m[2])};
}

// A figure of a --stats line "NAME: p50 A  p95 B  p99 C  max D" or "NAME N".
long long statsFigure(const GameRun& run, const std::string& name, const std::string& figure) {
    std::smatch m;
    const std::regex line("\n" + name + "[^\n]*" + (figure.empty() ? " " : figure + " ") +
                          "(\\d+)");
    if (!std::regex_search(run.out, m, line)) return -1;
    return std::stoll(m[1]);
}

} // namespace

TEST(HeldByTheDisplay, LevelAfterRematchesAndArenaChanges) {
    const std::string dir = scratchDir("held-objects");
    const std::string script = writeScript(dir, longScript());
    const std::string common = "--seed 5 --stats --script " + script;
    for (bool windowed : {false, true}) {
        SCOPED_TRACE(windowed ? "windowed" : "headless");
        if (windowed && !xvfbAvailable()) GTEST_SKIP() << "xvfb-run is not installed";
        const std::string mode = windowed ? "" : "--headless ";
        const GameRun first =
            runGame(mode + common + " --ticks " + std::to_string(secondArena + 2), windowed);
        ASSERT_EQ(first.status, 0) << first.err;
        const GameRun all =
            runGame(mode + common + " --trace --ticks " + std::to_string(backToFirst + 5) +
                        " --dump " + std::to_string(secondArena + 5) + ":" + dir + "/second.json",
                    windowed);
        ASSERT_EQ(all.status, 0) << all.err;

        // The run went where the script meant: the victory screen, the rematch, arena 2
        // and arena 1 again.
        for (const char* step : {"1890 scene VS-VITORIA", "1975 scene BATALHA",
                                 "2460 scene BATALHA", "2945 scene BATALHA"})
            EXPECT_NE(all.out.find("\n" + std::string(step) + "\n"), std::string::npos)
                << step << "\n"
                << all.out;
        EXPECT_EQ(readJson(dir + "/second.json")["arena"], 2);

        const auto [textures, lists] = held(first);
        EXPECT_GT(textures, 100) << first.out;
        EXPECT_GT(lists, 50) << first.out;
        EXPECT_EQ(held(all), held(first)) << all.out;

        // The battle's ticks are counted apart (three battles here), split into the
        // simulation, the display's calls and the way to the screen: nothing of the last
        // two in a headless run.
        const long long battleTicks = statsFigure(all, "battle ticks", "");
        EXPECT_GT(battleTicks, 1000) << all.out;
        EXPECT_LT(battleTicks, statsFigure(all, "ticks", "")) << all.out;
        EXPECT_GT(statsFigure(all, "battle simulation per tick", "p50"), 0) << all.out;
        const long long draw = statsFigure(all, "battle draw submission per tick", "p50");
        const long long present = statsFigure(all, "battle present per tick", "p50");
        if (windowed) {
            EXPECT_GT(draw, 0) << all.out;
            EXPECT_GT(present, 0) << all.out;
        } else {
            EXPECT_EQ(draw, 0) << all.out;
            EXPECT_EQ(present, 0) << all.out;
        }
    }
}

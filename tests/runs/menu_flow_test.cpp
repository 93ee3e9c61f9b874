// The game played from its title screen: every way through the menu scenes and back,
// a battle left for the title, the configuration saved, and the way out; headless, then
// each menu scene on screen.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "game_runner.h"

namespace {

// Each key comes once the curtain of the step before has opened again (30 ticks).
constexpr const char* flowScript = R"(# title: VS, then button 2 back to the title
10 tap DOWN
12 tap Z
50 tap X
# VS again, CPU VS CPU, then ESC back from the fighter selection
85 tap DOWN
87 tap Z
120 tap DOWN
122 tap DOWN
125 tap Z
160 tap ESC
# CPU VS CPU again: player 1 confirms both computers, then ESC back from the arenas
195 tap DOWN
197 tap DOWN
200 tap Z
235 tap Z
240 tap Z
295 tap ESC
# once more, on to arena 2 and the versus presentation
330 tap DOWN
332 tap DOWN
335 tap Z
370 tap Z
375 tap Z
430 tap RIGHT
435 tap Z
# in the fight: ESC, TELA INICIAL, SIM
720 tap ESC
726 tap DOWN
728 tap DOWN
730 tap DOWN
733 tap Z
741 tap UP
744 tap Z
# the configuration: difficulty to DIFICIL, button 2, SIM
780 tap DOWN
782 tap DOWN
784 tap DOWN
786 tap DOWN
788 tap DOWN
791 tap Z
825 tap RIGHT
827 tap RIGHT
829 tap RIGHT
832 tap X
840 tap Z
# SAIR DO JOGO
875 tap DOWN
877 tap DOWN
879 tap DOWN
881 tap DOWN
883 tap DOWN
885 tap DOWN
888 tap Z
)";

using Trace = std::vector<std::pair<int, std::string>>;

Trace sceneTrace(const std::string& out) {
    Trace t;
    std::istringstream in(out);
    std::string line;
    while (std::getline(in, line)) {
        const auto space = line.find(' ');
        if (line.compare(space + 1, 6, "scene ") == 0)
            t.emplace_back(std::stoi(line.substr(0, space)), line.substr(space + 7));
    }
    return t;
}

std::string firstLine(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::string line;
    std::getline(f, line);
    return line;
}

const nlohmann::json& fighter(const nlohmann::json& d, int i) {
    return d["fighters"][i - 1];
}

} // namespace

TEST(MenuFlow, EveryMenuSceneBothWaysABattleLeftForTheTitleAndASavedConfiguration) {
    const std::string dir = scratchDir("menu-flow");
    const std::string run = copyOfRunDir("menu-flow-run");
    const std::string script = writeScript(dir, flowScript);
    std::string dumps;
    for (int t : {141, 449, 719, 761, 856})
        dumps += " --dump " + std::to_string(t) + ":" + dir + "/" + std::to_string(t) + ".json";
    GameRun r = runGameIn(run, "--headless --title --seed 11 --trace --ticks 1000 --script " +
                                   script + dumps);
    ASSERT_EQ(r.status, 0) << r.err;

    const Trace expected = {
        {1, "DEBUG-PERSONAGEM"},  {1, "OPCOES"},
        {27, "VS-SELECAO-JOG"},   {65, "OPCOES"},
        {102, "VS-SELECAO-JOG"},  {140, "SELECAO-LUTADOR"},
        {175, "VS-SELECAO-JOG"},  {215, "SELECAO-LUTADOR"},
        {275, "SELECAO-CENARIO"}, {310, "VS-SELECAO-JOG"},
        {350, "SELECAO-LUTADOR"}, {410, "SELECAO-CENARIO"},
        {450, "VS-APRESENTACAO"}, {605, "BATALHA"},
        {760, "OPCOES"},          {806, "CONFIGURACOES"},
        {855, "OPCOES"},          {903, "SAIR-DO-JOGO"},
    };
    EXPECT_EQ(sceneTrace(r.out), expected) << r.out;

    const auto selection = readJson(dir + "/141.json");
    EXPECT_EQ(selection["gameMode"], "CPU-VS-CPU");
    for (int i = 1; i <= 2; ++i) {
        EXPECT_EQ(fighter(selection, i)["isHuman"], 0);
        EXPECT_EQ(fighter(selection, i)["selectColumn"], i + 1);
        EXPECT_EQ(fighter(selection, i)["selectRow"], 2);
        EXPECT_EQ(fighter(selection, i)["characterChosen"], 0);
    }

    // The arena confirmed: its set-up done, the versus presentation on its way.
    const auto arena = readJson(dir + "/449.json");
    EXPECT_EQ(arena["arena"], 2);
    EXPECT_EQ(arena["lightingVariant"], 1);
    EXPECT_EQ(arena["nextScene"], "VS-APRESENTACAO");
    EXPECT_GT(arena["versusTimer"].get<int>(), 140);
    for (int i = 1; i <= 2; ++i) {
        EXPECT_EQ(fighter(arena, i)["character"], i);
        EXPECT_EQ(fighter(arena, i)["characterChosen"], 1);
        EXPECT_EQ(fighter(arena, i)["strengthChosen"], 1);
    }

    const auto battle = readJson(dir + "/719.json");
    EXPECT_EQ(battle["sceneName"], "BATALHA");
    EXPECT_EQ(battle["introTimer"], 0);
    EXPECT_EQ(fighter(battle, 1)["displayName"], "TORVEL");
    EXPECT_EQ(fighter(battle, 2)["displayName"], "SEU BRANDOLIM");

    // Left for the title: nothing of the fight goes on.
    const auto title = readJson(dir + "/761.json");
    EXPECT_EQ(title["sceneName"], "OPCOES");
    EXPECT_EQ(title["pauseMenuOpen"], 0);
    EXPECT_EQ(title["paused"], 0);
    EXPECT_EQ(title["optionsScreen"], "");
    for (const char* timer : {"introTimer", "timeOverTimer", "knockOutTimer", "resultTimer"})
        EXPECT_EQ(title[timer], 0) << timer;
    for (int k = 0; k < 4; ++k) EXPECT_EQ(title["effectTimers"][k], 0.0) << "effect " << k + 1;
    for (int i = 1; i <= 2; ++i) {
        EXPECT_EQ(fighter(title, i)["life"], 100.0);
        EXPECT_EQ(fighter(title, i)["roundsWon"], 0);
        EXPECT_EQ(fighter(title, i)["anim"], "PARADO");
    }

    const auto saved = readJson(dir + "/856.json");
    EXPECT_EQ(saved["sceneName"], "OPCOES");
    EXPECT_EQ(saved["difficulty"], 4);
    EXPECT_EQ(firstLine(run + "/Config.dat"), "4\r") << "the file has the new difficulty";
    EXPECT_FALSE(std::filesystem::exists(std::string(TORVEL_RUN_DIR) + "/Config.dat"));
}

// Each menu scene on screen, with its own colours where the layout puts them.
TEST(MenuFlow, EachMenuSceneOnScreen) {
    if (!xvfbAvailable()) GTEST_SKIP() << "xvfb-run is not installed";
    const std::string dir = scratchDir("menu-shots");
    const std::string script = writeScript(dir, R"(10 tap DOWN
12 tap Z
50 tap Z
90 tap Z
95 tap Z
160 tap ESC
195 tap X
240 tap DOWN
242 tap DOWN
244 tap DOWN
246 tap DOWN
248 tap DOWN
250 tap Z
)");
    struct Shot {
        int tick;
        const char* name;
    } shots[] = {{5, "title"},   {45, "mode"},    {85, "fighters"},
                 {155, "arena"}, {235, "title2"}, {290, "configuration"}};
    std::string args = "--title --seed 4 --ticks 290 --trace --script " + script;
    for (const Shot& s : shots)
        args += " --shot " + std::to_string(s.tick) + ":" + dir + "/" + s.name + ".png";
    GameRun r = runGame(args, true);
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_NE(r.out.find("65 scene SELECAO-LUTADOR"), std::string::npos) << r.out;

    auto picture = [&](const char* name) {
        Picture p = readPng(dir + "/" + name + ".png");
        EXPECT_EQ(p.width, 800) << name;
        EXPECT_EQ(p.height, 600) << name;
        return p;
    };
    // Pixels in a box that pass a colour test.
    auto count = [](const Picture& p, int x0, int y0, int x1, int y1, auto test) {
        int n = 0;
        for (int y = y0; p.ok() && y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if (test(p.at(x, y)[0], p.at(x, y)[1], p.at(x, y)[2])) ++n;
        return n;
    };
    auto sunny = [](int r, int g, int b) { return r > 200 && g > 150 && b < 120; };
    auto sky = [](int r, int, int b) { return b > 150 && b > r + 30; };
    auto reddish = [](int r, int, int b) { return r > b + 40; };

    // The title: the logo's sunny letters at the upper right, the slate end of the field.
    const Picture title = picture("title");
    EXPECT_GT(count(title, 500, 40, 780, 230, sunny), 3000);
    EXPECT_GT(count(title, 700, 300, 800, 400, [](int r, int, int b) { return b > r; }), 9000);
    // The mode menu is red; the fighter grid holds the two portraits; the arena picture
    // shows the first arena's sky.
    EXPECT_GT(count(picture("mode"), 0, 0, 800, 600, reddish), 300000);
    const Picture fighters = picture("fighters");
    EXPECT_GT(count(fighters, 320, 220, 480, 330, sunny), 100) << "TORVEL's straw hat";
    EXPECT_GT(count(picture("arena"), 390, 100, 720, 140, sky), 1000);
    // Back on the title by ESC, the mode menu and its button 2; then the configuration,
    // warm beige with its title band.
    const Picture again = picture("title2");
    EXPECT_GT(count(again, 500, 40, 780, 230, sunny), 3000);
    EXPECT_GT(count(picture("configuration"), 0, 60, 800, 600, reddish), 300000);
}

// Every menu scene, the curtain, the saved configuration and the way out, under the sync
// test: each tick run again unseen gives the state it gave when shown.
TEST(MenuFlow, TheWholeFlowStaysInSync) {
    const std::string dir = scratchDir("menu-flow-sync");
    const std::string run = copyOfRunDir("menu-flow-sync-run");
    const GameRun r = runGameIn(run, "--headless --title --seed 11 --synctest 8 --ticks 1000 "
                                     "--script " +
                                         writeScript(dir, flowScript));
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_NE(r.out.find("synctest ok 903 ticks"), std::string::npos) << r.out;
}

// The display under a virtual X server: full screen, the display keys and screenshots.
// Full screen and a screenshot are the window's business; the game's picture, its shots
// and its state stay what they are in a window.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "game_runner.h"

namespace fs = std::filesystem;

namespace {

const std::string settingsFile = playerHome() + "/config/torvel-arena/display.cfg";
const std::string screenshots = playerHome() + "/pictures/torvel-arena";

std::string slurp(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

// The --stats line "display: window WxH[ full screen], picture WxH".
std::string displayLine(const GameRun& run) {
    std::smatch m;
    // The line that begins with it, not "held by the display: ...".
    static const std::regex line("(?:^|\n)(display: [^\n]*)");
    return std::regex_search(run.out, m, line) ? m.str(1) : "(no display line)";
}

std::vector<fs::path> filesIn(const std::string& folder) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(folder, ec)) files.push_back(e.path());
    return files;
}

// Rows [top, bottom) that differ between two pictures of one size.
std::pair<int, int> differingRows(const Picture& a, const Picture& b) {
    int top = a.height, bottom = 0;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            if (std::memcmp(a.at(x, y), b.at(x, y), 3) != 0) {
                top = std::min(top, y);
                bottom = y + 1;
            }
    return {top, bottom};
}

class Display : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!xvfbAvailable()) GTEST_SKIP() << "xvfb-run is not installed";
        clean();
    }
    void TearDown() override { clean(); }
    static void clean() {
        fs::remove(settingsFile);
        fs::remove_all(screenshots);
    }
};

} // namespace

TEST_F(Display, F12SavesThePictureShownAndLeavesTheGameAlone) {
    const std::string dir = scratchDir("display-f12");
    const std::string common = "--seed 7 --ticks 70 --dump 70:";
    auto run = [&](const std::string& name, const std::string& extra) {
        const std::string script = writeScript(dir + "/" + name, startupScript('2') + extra);
        return runGame(common + dir + "/" + name + ".json --record " + dir + "/" + name +
                           ".tvr --script " + script + " --shot 59:" + dir + "/" + name +
                           "-59.png --shot 66:" + dir + "/" + name + "-66.png",
                       true);
    };
    fs::create_directories(dir + "/with");
    fs::create_directories(dir + "/without");
    const GameRun with = run("with", "60 tap F12\n");
    ASSERT_EQ(with.status, 0) << with.err;
    const std::vector<fs::path> saved = filesIn(screenshots);
    const GameRun without = run("without", "");
    ASSERT_EQ(without.status, 0) << without.err;

    // F12 is no key of the game: neither the ticks' input nor the state knows of it.
    EXPECT_TRUE(slurp(dir + "/with.tvr") == slurp(dir + "/without.tvr")) << "recorded input";
    EXPECT_TRUE(slurp(dir + "/with.json") == slurp(dir + "/without.json")) << "state";

    ASSERT_EQ(saved.size(), 1u);
    EXPECT_TRUE(std::regex_match(saved[0].filename().string(),
                                 std::regex(R"(torvel-arena_\d{4}-\d\d-\d\d_\d\d-\d\d-\d\d\.png)")))
        << saved[0];
    // The picture last shown before the press, at the game's size, without the notice.
    const Picture shot = readPng(saved[0].string());
    const Picture shown = readPng(dir + "/with-59.png");
    ASSERT_TRUE(shot.ok());
    ASSERT_EQ(shot.width, 800);
    ASSERT_EQ(shot.height, 600);
    EXPECT_EQ(shot.rgb, shown.rgb);

    // Then the notice, over the scene in a band near the bottom, and nothing else.
    const Picture noticed = readPng(dir + "/with-66.png"), plain = readPng(dir + "/without-66.png");
    ASSERT_TRUE(noticed.ok() && plain.ok());
    const auto [top, bottom] = differingRows(noticed, plain);
    EXPECT_LT(top, bottom) << "no notice";
    EXPECT_GE(top, 450);
    EXPECT_LE(bottom, 580);
}

TEST_F(Display, FullscreenFillsTheScreenAndShotsKeepTheGameSize) {
    const std::string dir = scratchDir("display-fullscreen");
    const GameRun run = runGame("--fullscreen --title --size 1024x768 --seed 3 --ticks 10 --stats "
                                "--shot 10:" +
                                    dir + "/shot.png",
                                true);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(displayLine(run), "display: window 1280x1024 full screen, picture 1024x768");
    const Picture shot = readPng(dir + "/shot.png");
    EXPECT_EQ(shot.width, 1024);
    EXPECT_EQ(shot.height, 768);
    EXPECT_FALSE(fs::exists(settingsFile)) << "--fullscreen is for one run";
}

TEST_F(Display, F11SwitchesAndTheChoiceIsKeptForTheNextRun) {
    const std::string dir = scratchDir("display-f11");
    const std::string f11 = writeScript(dir, "5 tap F11\n");
    const std::string options = "--title --seed 3 --ticks 10 --stats";
    const std::string fullscreen = "display: window 1280x1024 full screen, picture 800x600";
    const std::string windowed = "display: window 800x600, picture 800x600";

    GameRun run = runGame(options + " --script " + f11, true);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(displayLine(run), fullscreen);
    EXPECT_EQ(slurp(settingsFile), "fullscreen=1\n");

    run = runGame(options, true);
    EXPECT_EQ(displayLine(run), fullscreen) << "the kept choice";

    run = runGame(options + " --script " + f11, true);
    EXPECT_EQ(displayLine(run), windowed);
    EXPECT_EQ(slurp(settingsFile), "fullscreen=0\n");
}

// Windowed runs under a virtual X server: what the window shows, and that it reaches the
// same state as a headless run.
#include <gtest/gtest.h>

#include "game_runner.h"

namespace {

bool near(const std::uint8_t* px, int r, int g, int b, int tolerance = 2) {
    return std::abs(px[0] - r) <= tolerance && std::abs(px[1] - g) <= tolerance &&
           std::abs(px[2] - b) <= tolerance;
}

// Bright pixels in a box: text drawn there.
int brightPixels(const Picture& p, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (p.at(x, y)[0] > 200 && p.at(x, y)[1] > 200 && p.at(x, y)[2] > 200) ++n;
    return n;
}

int pinkPixels(const Picture& p, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (p.at(x, y)[0] > 200 && p.at(x, y)[1] > 100 && p.at(x, y)[1] < 190) ++n;
    return n;
}

class Windowed : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!xvfbAvailable()) GTEST_SKIP() << "xvfb-run is not installed";
    }
};

} // namespace

TEST_F(Windowed, StartupScreensAreBlueWithWhiteTextAndFrames) {
    std::string dir = scratchDir("shots");
    std::string script = writeScript(dir, "2 tap 1\n4 tap 2\n");
    GameRun run = runGame("--seed 3 --ticks 5 --script " + script + " --shot 1:" + dir +
                              "/first.png --shot 5:" + dir + "/arena.png",
                          true);
    ASSERT_EQ(run.status, 0) << run.err;

    Picture first = readPng(dir + "/first.png");
    ASSERT_TRUE(first.ok());
    ASSERT_EQ(first.width, 600);
    ASSERT_EQ(first.height, 450);
    EXPECT_TRUE(near(first.at(300, 300), 40, 80, 130)) << "window colour";
    EXPECT_TRUE(near(first.at(590, 5), 40, 80, 130));
    EXPECT_GT(brightPixels(first, 10, 10, 260, 24), 60) << "title line";
    EXPECT_GT(brightPixels(first, 10, 60, 90, 74), 20) << "SELECIONE :";
    // The player 1 frame (10, 80, 120, 140): its left bar and its top bar.
    EXPECT_TRUE(near(first.at(12, 110), 255, 255, 255));
    EXPECT_TRUE(near(first.at(60, 82), 255, 255, 255));
    EXPECT_TRUE(near(first.at(60, 100), 40, 80, 130)) << "inside the frame";
    // The ESC-SAIR frame (10, 410, 80, 440).
    EXPECT_TRUE(near(first.at(11, 425), 255, 255, 255));
    EXPECT_TRUE(near(first.at(78, 425), 255, 255, 255));
    EXPECT_TRUE(near(first.at(45, 438), 255, 255, 255));

    Picture arena = readPng(dir + "/arena.png");
    ASSERT_TRUE(arena.ok());
    // The arena frame (250, 80, 410, 140) and the characters chosen, highlighted.
    EXPECT_TRUE(near(arena.at(251, 100), 255, 255, 255));
    EXPECT_TRUE(near(arena.at(408, 100), 255, 255, 255));
    EXPECT_TRUE(near(arena.at(330, 138), 255, 255, 255));
    EXPECT_FALSE(near(first.at(251, 100), 255, 255, 255)) << "no arena frame on the first screen";
    EXPECT_GT(pinkPixels(arena, 20, 105, 110, 118), 20) << "1-TORVEL highlighted in column 1";
    EXPECT_GT(pinkPixels(arena, 140, 120, 250, 133), 20) << "2-SEU BRANDOLIM in column 2";
    EXPECT_EQ(pinkPixels(first, 0, 0, 600, 450), 0) << "nothing chosen yet";
}

TEST_F(Windowed, ReachesTheSameStateAsHeadless) {
    std::string dir = scratchDir("same-state");
    std::string script = writeScript(dir, startupScript('3'));
    const std::string common = "--seed 99 --ticks 40 --script " + script;
    GameRun headless = runGame("--headless " + common + " --dump 40:" + dir + "/h.json");
    ASSERT_EQ(headless.status, 0) << headless.err;
    GameRun windowed =
        runGame(common + " --dump 40:" + dir + "/w.json --shot 40:" + dir + "/w.png", true);
    ASSERT_EQ(windowed.status, 0) << windowed.err;
    auto h = readJson(dir + "/h.json");
    auto w = readJson(dir + "/w.json");
    ASSERT_TRUE(h.is_object() && w.is_object());
    EXPECT_EQ(h["sceneName"], "VS-APRESENTACAO");
    EXPECT_EQ(h["stateHash"], w["stateHash"]);
    EXPECT_EQ(h, w);

    // 1024 x 768: the window ends 1024 wide and 768 high.
    Picture shot = readPng(dir + "/w.png");
    ASSERT_TRUE(shot.ok());
    EXPECT_EQ(shot.width, 1024);
    EXPECT_EQ(shot.height, 768);
}

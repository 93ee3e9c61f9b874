#include <gtest/gtest.h>

#include "app/frame.h"
#include "platform/audio.h"
#include "shell/run_mode.h"
#include "test_support.h"

TEST(FrameEnd, EndsTwentyFiveMillisecondsLaterButWithinItsSecond) {
    struct Case {
        std::int64_t startMs;
        int extra;
        std::int64_t endMs;
    } cases[] = {
        {5'000, 0, 5'025}, {5'500, 0, 5'525}, {5'973, 0, 5'998},  {5'974, 0, 5'999},
        {5'990, 0, 5'999}, {5'999, 0, 5'999}, {5'100, 10, 5'135}, {5'980, 10, 5'999},
    };
    for (const Case& c : cases)
        EXPECT_EQ(frameEndTimeMs(c.startMs, c.extra), c.endMs) << "start " << c.startMs;
}

TEST(SoundService, RequestsBeyondTheListStayPending) {
    freshGame();
    audioResetLists();
    runMode.pace = false;
    gs.soundRequest = 3;
    Draw();
    EXPECT_EQ(gs.soundRequest, 3);
    // Only the placeholder is in the music list, so music 1 is never started.
    EXPECT_EQ(gs.musicIndex, 1);
    EXPECT_EQ(gs.musicStartRequest, 1);
}

TEST(Tick, AbsentJoystickIsQueriedAgainOnlyEvery200Ticks) {
    freshGame();
    runMode.pace = false;
    DXTimer1Timer();
    EXPECT_NE(gs.joy1Status, 0u);
    joyVirtualPlug(0); // plugged in after the first query
    for (int t = 2; t <= 199; ++t) DXTimer1Timer();
    EXPECT_NE(gs.joy1Status, 0u) << "queried before the probe";
    DXTimer1Timer(); // tick 200: the probe marks both present again
    EXPECT_EQ(gs.joystickProbeCounter, 0);
    DXTimer1Timer(); // the next sampling queries it
    EXPECT_EQ(gs.joy1Status, 0u);
    EXPECT_EQ(gs.joy1Info.x, 32767u);
}

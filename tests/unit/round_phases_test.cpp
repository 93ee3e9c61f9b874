#include <gtest/gtest.h>

#include "battle_support.h"
#include "fight/objects.h"
#include "match/battle_scene.h"
#include "match/round_phases.h"
#include "recording_gfx.h"

namespace {

// The phase tick on which `step` leaves its timer at t.
void stepTo(i32& timer, i32 t, void (*step)()) {
    timer = t + 1;
    step();
}

} // namespace

TEST(RoundClock, OneClockSecondIsThirtyThreeUnfrozenTicks) {
    freshBattle();
    for (int tick = 1; tick <= 32; ++tick) roundClock();
    EXPECT_EQ(gs.roundTime, 60);
    EXPECT_EQ(gs.roundTimeF, 3);
    gs.worldFrozen = 1;
    for (int tick = 1; tick <= 10; ++tick) roundClock();
    EXPECT_EQ(gs.roundTimeF, 3) << "frozen ticks do not count";
    gs.worldFrozen = 0;
    roundClock();
    EXPECT_EQ(gs.roundTime, 59);
    EXPECT_EQ(gs.roundTimeF, 99);
    EXPECT_EQ(gs.soundRequest, 0) << "no tick sound above ten seconds";
}

TEST(RoundClock, TicksEachOfTheLastTenSecondsThenTimeIsOver) {
    freshBattle();
    gs.roundTime = 10;
    gs.roundTimeF = 3;
    roundClock();
    EXPECT_EQ(gs.roundTime, 9);
    EXPECT_EQ(gs.soundRequest, 30);
    gs.soundRequest = 0;
    for (int tick = 1; tick <= 32; ++tick) roundClock();
    EXPECT_EQ(gs.soundRequest, 0) << "once per clock second";
    roundClock();
    EXPECT_EQ(gs.soundRequest, 30);

    gs.roundTime = 1;
    gs.roundTimeF = 3;
    roundClock();
    EXPECT_EQ(gs.roundTime, 0);
    EXPECT_EQ(gs.timeOverTimer, 60);
    EXPECT_EQ(gs.soundRequest, 31) << "the time-over sound in the same tick";
    gs.soundRequest = 0;
    roundClock();
    EXPECT_EQ(gs.timeOverTimer, 60);
    EXPECT_EQ(gs.soundRequest, 0);
}

TEST(RoundClock, StandsStillWithoutAClockAndOutsideTheFight) {
    freshBattle();
    gs.roundTimeSetting = 4;
    for (int tick = 1; tick <= 100; ++tick) roundClock();
    EXPECT_EQ(gs.roundTime, 60);
    EXPECT_EQ(gs.roundTimeF, 99);
    gs.roundTimeSetting = 2;
    for (auto phase :
         {&GameState::timeOverTimer, &GameState::knockOutTimer, &GameState::resultTimer}) {
        gs.*phase = 5;
        roundClock();
        gs.*phase = 0;
    }
    EXPECT_EQ(gs.roundTimeF, 99);
}

TEST(RoundClock, NeverMovesDuringIntroPauseHitStopOrSuperFlash) {
    struct Case {
        const char* what;
        void (*hold)();
        int ticks;
    } cases[] = {
        {"intro", [] { gs.introTimer = 100; }, 100},
        {"pause", [] { gs.paused = 1; }, 40},
        {"options menu", [] { gs.pauseMenuOpen = 1; }, 40},
        {"hit-stop", [] { gs.hitStop = 40; }, 40},
        {"super flash", [] { gs.effectTimers[3] = 40; }, 40},
    };
    for (const Case& c : cases) {
        freshBattle();
        c.hold();
        for (int tick = 1; tick <= c.ticks; ++tick) battleScene();
        EXPECT_EQ(gs.roundTime, 60) << c.what;
        EXPECT_EQ(gs.roundTimeF, 99) << c.what;
    }
}

TEST(Intro, LastsOneHundredTicksThenTheClockRuns) {
    freshBattle();
    gs.introTimer = 100;
    for (int tick = 1; tick <= 100; ++tick) {
        battleScene();
        ASSERT_EQ(gs.introTimer, 100 - tick);
        ASSERT_EQ(gs.roundTimeF, 99);
        ASSERT_EQ(gs.hudHide, gs.introTimer < 10 ? 0.2 * gs.introTimer : 2) << tick;
    }
    battleScene();
    EXPECT_EQ(gs.roundTimeF, 96);
    EXPECT_EQ(gs.hudHide, 0);
}

TEST(Intro, TheFirstTickResetsFightersCameraAndObjects) {
    freshBattle();
    gs.roundTimeSetting = 3;
    gs.roundTime = 4;
    gs.introTimer = 100;
    gs.knockOutTimer = 7;
    gs.resultTimer = 3;
    gs.frameDelayExtra = 30;
    gs.superOwner = 2;
    gs.firstHitDone = 1;
    gs.cameraHold = 9;
    gs.cameraX = 2;
    gs.cameraZ = 12;
    gs.fighter(1).life = 0;
    gs.fighter(1).posX = 4;
    gs.fighter(2).posX = 5;
    spawnObject(26, "-", objectWhite, 0, 2, 3.5, 0.5, 0.5, 0, 1);
    battleScene();
    EXPECT_EQ(gs.introTimer, 99);
    EXPECT_EQ(gs.fighter(1).life, 100);
    EXPECT_DOUBLE_EQ(gs.fighter(1).posX, (-10 + 5.8) / 2 - 2);
    EXPECT_DOUBLE_EQ(gs.fighter(2).posX, (-10 + 5.8) / 2 + 2);
    EXPECT_DOUBLE_EQ(gs.cameraX, (-10 + 5.8) / 2);
    EXPECT_DOUBLE_EQ(gs.cameraZ, 3.5) << "the camera opens at the fighters and pulls back";
    for (const objeto& o : gs.objectPool) ASSERT_EQ(o.kind, 0);
    EXPECT_EQ(gs.knockOutTimer, 0);
    EXPECT_EQ(gs.resultTimer, 0);
    EXPECT_EQ(gs.frameDelayExtra, 0);
    EXPECT_EQ(gs.superOwner, 0);
    EXPECT_EQ(gs.firstHitDone, 0);
    EXPECT_EQ(gs.cameraHold, 0);
    EXPECT_EQ(gs.roundTime, 90);
    EXPECT_EQ((gs.itemTimer - 500) % 50, 0);

    // Later intro ticks leave fighters and camera to the fight's rules.
    gs.fighter(1).life = 40;
    battleScene();
    EXPECT_EQ(gs.fighter(1).life, 40);
    EXPECT_DOUBLE_EQ(gs.cameraZ, 4.0);
}

TEST(Intro, DrawsRoundItsNumberAndLutemInTurn) {
    freshBattle();
    gs.roundNumber = 3;
    // Each word is a shadow and the word: the number of font quads drawn at tick t.
    struct Case {
        i32 t;
        std::size_t quads;
    } cases[] = {
        {70, 0}, {69, 10}, {65, 12}, {66, 10}, {31, 12}, {30, 0}, {29, 10}, {0, 10},
    };
    for (const Case& c : cases) {
        RecordingGfx rec;
        useGfx(rec);
        stepTo(gs.introTimer, c.t, introStep);
        useGfx(nullGfx());
        std::size_t quads = rec.count("begin") - (c.t < 30 ? 2 : 0); // the band's two halves
        EXPECT_EQ(quads, c.quads) << "t " << c.t;
    }
}

TEST(TimeOver, HandsOverToTheResultAtTwo) {
    freshBattle();
    gs.timeOverTimer = 60;
    for (int tick = 1; tick <= 57; ++tick) timeOverStep();
    EXPECT_EQ(gs.timeOverTimer, 3);
    EXPECT_EQ(gs.resultTimer, 0);
    timeOverStep();
    EXPECT_EQ(gs.resultTimer, 100);
    gs.worldFrozen = 1;
    timeOverStep();
    EXPECT_EQ(gs.timeOverTimer, 2) << "frozen";
}

TEST(KnockOut, SlowMotionThenTheHudSlidesOutAndTheResultFollows) {
    freshBattle();
    gs.fighter(1).life = 0;
    struct Case {
        i32 t;
        u8 delay;
        f64 hudHide;
        i32 result;
    } cases[] = {
        {49, 30, 0, 0}, {26, 30, 0, 0}, {25, 0, 0, 0},    {11, 0, 0, 0},
        {10, 0, 0, 0},  {4, 0, 1.2, 0}, {2, 0, 1.6, 100}, {0, 0, 2, 0},
    };
    for (const Case& c : cases) {
        gs.resultTimer = 0;
        stepTo(gs.knockOutTimer, c.t, knockOutStep);
        EXPECT_EQ(gs.frameDelayExtra, c.delay) << "t " << c.t;
        EXPECT_DOUBLE_EQ(gs.hudHide, c.hudHide) << "t " << c.t;
        EXPECT_EQ(gs.resultTimer, c.result) << "t " << c.t;
    }
}

TEST(KnockOut, WaitsAtTenUntilTheSurvivorStandsIdle) {
    freshBattle();
    gs.fighter(1).life = 0;
    gs.fighter(1).anim = "DESMAIAR";
    gs.fighter(2).anim = "ANDAR";
    gs.knockOutTimer = 11;
    for (int tick = 1; tick <= 5; ++tick) {
        knockOutStep();
        ASSERT_EQ(gs.knockOutTimer, 11);
    }
    gs.fighter(2).anim = "PARADO";
    knockOutStep();
    EXPECT_EQ(gs.knockOutTimer, 10);
    knockOutStep();
    EXPECT_EQ(gs.knockOutTimer, 9);

    // In a double knock-out nobody is left standing, so nobody is waited for.
    gs.fighter(2).life = 0;
    gs.fighter(2).anim = "DESMAIAR";
    gs.knockOutTimer = 11;
    knockOutStep();
    knockOutStep();
    EXPECT_EQ(gs.knockOutTimer, 9);
}

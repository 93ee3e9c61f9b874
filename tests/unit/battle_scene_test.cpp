#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "battle_support.h"
#include "fight/objects.h"
#include "match/battle_camera.h"
#include "match/battle_lights.h"
#include "match/battle_scene.h"
#include "match/item_drop.h"
#include "recording_gfx.h"
#include "shell/rng.h"

namespace {

// Records the GL calls of one battle tick.
struct RecordedTick {
    RecordingGfx rec;
    RecordedTick() {
        useGfx(rec);
        battleScene();
        useGfx(nullGfx());
    }
};

// The "PAUSA" banner's top-left corner was drawn.
bool pauseBannerDrawn(const RecordingGfx& rec) {
    for (const GfxCall& c : rec.all("vertex"))
        if (c.a[0] == -0.8 && c.a[1] == -0.5 && c.a[2] == -5) return true;
    return false;
}

// The figure transform of the fighter drawn at height y.
GfxCall figureTranslation(const RecordingGfx& rec, f64 y) {
    for (const GfxCall& c : rec.all("translate"))
        if (c.a[1] == y) return c;
    ADD_FAILURE() << "no figure at height " << y;
    return {};
}

objeto& slot(int n) {
    return gs.objectPool[static_cast<std::size_t>(n)];
}

} // namespace

TEST(BattleFreeze, HitStopCountsDownOneFrozenTickAtATime) {
    freshBattle();
    gs.hitStop = 1;
    freezeStep();
    EXPECT_EQ(gs.hitStop, 0);
    EXPECT_EQ(gs.worldFrozen, 1) << "the tick that takes hit-stop from 1 to 0 is frozen";
    freezeStep();
    EXPECT_EQ(gs.worldFrozen, 0);

    gs.hitStop = 0.5;
    freezeStep();
    EXPECT_EQ(gs.hitStop, 0) << "never below 0";
    EXPECT_EQ(gs.worldFrozen, 1);

    // While something else freezes the world, hit-stop waits.
    gs.hitStop = 3;
    gs.effectTimers[3] = 5;
    freezeStep();
    EXPECT_EQ(gs.hitStop, 3);
    EXPECT_EQ(gs.worldFrozen, 1);
}

TEST(BattleFreeze, PauseHoldsOnlyInTheFightPhase) {
    freshBattle();
    gs.paused = 1;
    gs.introTimer = 40;
    freezeStep();
    EXPECT_EQ(gs.paused, 0);
    EXPECT_EQ(gs.worldFrozen, 1) << "the tick that cancels the pause is still frozen";
    gs.introTimer = 0;
    gs.paused = 1;
    freezeStep();
    EXPECT_EQ(gs.paused, 1);
}

TEST(BattleFreeze, PauseStopsFightersObjectsClockAndCameraButNotTheDrawing) {
    freshBattle();
    spawnObject(26, "-", objectWhite, 0, 2, 3.5, 0.5, 0.5, 0, 1);
    spawnObject(26, "-", objectWhite, 1, 2, 3.5, 0.5, 0.5, 0, 2);
    slot(2).runsWhileFrozen = 1;
    for (int i = 0; i < 3; ++i) battleScene();
    const u16 age1 = slot(1).objAge, age2 = slot(2).objAge;
    EXPECT_GT(age1, 0);

    gs.paused = 1;
    const RecordedTick first;
    const personagem f1 = gs.fighter(1);
    const f64 clock = gs.roundTimeF, camera = gs.cameraX, cycle = gs.gameCycle;
    const RecordedTick second;
    EXPECT_EQ(slot(1).objAge, age1);
    EXPECT_EQ(slot(2).objAge, age2) << "a pause stops even what runs through freezes";
    EXPECT_EQ(gs.fighter(1).frame, f1.frame);
    EXPECT_EQ(gs.fighter(1).posX, f1.posX);
    EXPECT_EQ(gs.roundTimeF, clock);
    EXPECT_EQ(gs.cameraX, camera);
    EXPECT_EQ(gs.gameCycle, cycle);
    EXPECT_GT(second.rec.count("callList"), 0u) << "arena and fighters are still drawn";
    EXPECT_EQ(second.rec.count("callList"), first.rec.count("callList"));

    // The options menu holds the same way and darkens the screen.
    gs.paused = 0;
    gs.pauseMenuOpen = 1;
    const RecordedTick menu;
    EXPECT_EQ(slot(1).objAge, age1);
    EXPECT_EQ(gs.roundTimeF, clock);
    EXPECT_EQ(menu.rec.count("callList"), first.rec.count("callList"));
    bool darkened = false;
    for (const GfxCall& c : menu.rec.all("vertex"))
        darkened = darkened || (c.a[0] == -3.5 && c.a[1] == 1.8 && c.a[2] == -5);
    EXPECT_TRUE(darkened);
}

TEST(BattleFreeze, HitStopRunsOnlyObjectsThatRunThroughFreezes) {
    freshBattle();
    spawnObject(26, "-", objectWhite, 0, 2, 3.5, 0.5, 0.5, 0, 1);
    spawnObject(26, "-", objectWhite, 1, 2, 3.5, 0.5, 0.5, 0, 2);
    slot(2).runsWhileFrozen = 1;
    gs.hitStop = 2;
    battleScene();
    EXPECT_EQ(slot(1).objAge, 0);
    EXPECT_EQ(slot(2).objAge, 1);
}

TEST(BattlePause, PausaBlinksThirtyOneTicksOnAndTwentyOff) {
    freshBattle();
    gs.paused = 1;
    gs.pauseCycle = 50;
    std::string pattern;
    for (int tick = 0; tick < 51; ++tick)
        pattern += pauseBannerDrawn(RecordedTick().rec) ? '#' : '.';
    EXPECT_EQ(pattern, std::string(31, '#') + std::string(20, '.'));

    gs.introTimer = 50;
    gs.pauseCycle = 0;
    gs.paused = 1;
    EXPECT_FALSE(pauseBannerDrawn(RecordedTick().rec)) << "no pause outside the fight";
    EXPECT_EQ(gs.paused, 0);
}

TEST(BattleCamera, FollowsTheFightersWithinItsLimits) {
    struct Case {
        const char* what;
        f64 x1, y1, x2, y2;
        f64 camX, camY, camZ;
        u8 hold, paused;
        f64 wantX, wantY, wantZ;
        f64 targetX, targetY, targetZ;
        u8 wantHold;
    } cases[] = {
        {"snaps when within a step", -2, 0, 2, 0, 0.5, 2.5, 9.8, 0, 0, 0, 2.7, 10, 0, 2.7, 10, 0},
        {"steps toward far targets", -2, 0, 2, 0, -1.5, 1.5, 3.5, 0, 0, -0.75, 2.0, 4.0, 0, 2.7, 10,
         0},
        {"far apart: distance at most 12.5", -8, 0, 4, 0, -2, 2.7, 12.4, 0, 0, -2, 2.7, 12.5, -2,
         2.7, 12.5, 0},
        {"close: distance at least 9.5", -0.25, 0, 0.25, 0, 0, 2.7, 9.6, 0, 0, 0, 2.7, 9.5, 0, 2.7,
         9.5, 0},
        {"high jumps: height at most 3.8", -1, 6, 1, 6, 0, 3.5, 10, 0, 0, 0, 3.8, 9.5, 0, 3.8, 9.5,
         0},
        {"clamped to the arena's left limit", -10, 0, -9, 0, -9, 2.7, 9.5, 0, 0, -7, 2.7, 9.5, -9.5,
         2.7, 9.5, 0},
        {"clamped to the right limit", 4, 0, 5.8, 0, 4.5, 2.7, 9.5, 0, 0, 2.4, 2.7, 9.5, 4.9, 2.7,
         9.5, 0},
        {"held: old targets, no clamp", -10, 0, -9, 0, -9, 2.7, 9.5, 5, 0, -9.75, 3.2, 10, -10, 3.2,
         11, 4},
        {"hold ending now: targets again", -2, 0, 2, 0, 0, 2.7, 10, 1, 0, 0, 2.7, 10, 0, 2.7, 10,
         0},
        {"paused: stands, keeps its hold", -8, 0, 4, 0, 0, 2.7, 10, 3, 1, 0, 2.7, 10, -10, 3.2, 11,
         3},
        {"paused: new targets, clamped", -10, 0, -9, 0, -8, 2.7, 10, 0, 1, -7, 2.7, 10, -9.5, 2.7,
         9.5, 0},
    };
    for (const Case& c : cases) {
        freshBattle();
        gs.fighter(1).posX = c.x1;
        gs.fighter(1).posY = c.y1;
        gs.fighter(2).posX = c.x2;
        gs.fighter(2).posY = c.y2;
        gs.cameraX = c.camX;
        gs.cameraY = c.camY;
        gs.cameraZ = c.camZ;
        gs.cameraTargetX = -10;
        gs.cameraTargetY = 3.2;
        gs.cameraTargetZ = 11;
        gs.cameraHold = c.hold;
        gs.paused = c.paused;
        updateBattleCamera();
        EXPECT_DOUBLE_EQ(gs.cameraX, c.wantX) << c.what;
        EXPECT_DOUBLE_EQ(gs.cameraY, c.wantY) << c.what;
        EXPECT_DOUBLE_EQ(gs.cameraZ, c.wantZ) << c.what;
        EXPECT_DOUBLE_EQ(gs.cameraTargetX, c.targetX) << c.what;
        EXPECT_DOUBLE_EQ(gs.cameraTargetY, c.targetY) << c.what;
        EXPECT_DOUBLE_EQ(gs.cameraTargetZ, c.targetZ) << c.what;
        EXPECT_EQ(gs.cameraHold, c.wantHold) << c.what;
    }
}

TEST(BattleCamera, TheViewMovesTheWorldByTheCamera) {
    freshBattle();
    gs.cameraX = 1.5;
    gs.cameraY = 2.7;
    gs.cameraZ = 9.5;
    gs.fighter(1).posX = 0.5;
    gs.fighter(2).posX = 2.5;
    gs.cameraLimitX2 = 5;
    const RecordedTick tick;
    const GfxCall& t = tick.rec.first("translate");
    EXPECT_DOUBLE_EQ(t.a[0], -1.5);
    EXPECT_DOUBLE_EQ(t.a[1], -3.5);
    EXPECT_DOUBLE_EQ(t.a[2], -9.5);
}

TEST(BattleLights, FlashesOverTheAmbientTheLaterWinning) {
    freshBattle();
    const std::array<float, 4> base = gs.lightAmbient;
    auto expectDraws = [](u32 before) {
        const u32 after = gs.rngState;
        gs.rngState = before;
        random(2);
        random(3);
        random(3);
        EXPECT_EQ(gs.rngState, after) << "three draws every tick";
    };

    u32 before = gs.rngState;
    std::array<float, 4> a = battleAmbient();
    expectDraws(before);
    EXPECT_EQ(a, base) << "no flash";

    gs.hitStop = 4;
    gs.fighter(2).hitCount = 1;
    a = battleAmbient();
    EXPECT_TRUE(a[0] == base[0] + 0.6f || a[0] == base[0] + 1.2f);
    EXPECT_FLOAT_EQ(a[1], base[1] + 0.6f);
    EXPECT_FLOAT_EQ(a[2], base[2] + 0.6f);
    gs.flashOn = 0;
    EXPECT_EQ(battleAmbient(), base) << "the hit flash can be switched off";

    gs.fighter(1).anim = "SOFRE-COMBO-AEREO";
    before = gs.rngState;
    a = battleAmbient();
    expectDraws(before);
    EXPECT_TRUE(a[0] == 0.8f || a[0] == 0.95f || a[0] == 1.1f) << a[0];
    EXPECT_FLOAT_EQ(a[1], 0.1f);
    EXPECT_FLOAT_EQ(a[2], 0.1f);

    gs.effectTimers[3] = 10;
    a = battleAmbient();
    EXPECT_FLOAT_EQ(a[0], 1);
    EXPECT_FLOAT_EQ(a[1], 1);
    EXPECT_TRUE(a[2] == 1.5f || a[2] == 1.65f || a[2] == 1.8f) << "the super flash wins";
}

TEST(BattleHud, AnAirComboSendsTheHudOut) {
    freshBattle();
    gs.hudHide = 1;
    battleScene();
    EXPECT_EQ(gs.hudHide, 0) << "in place while no phase runs";
    gs.paused = 1; // nothing changes the animation during the tick
    gs.fighter(2).anim = "SOFRE-COMBO-AEREO";
    battleScene();
    EXPECT_EQ(gs.hudHide, 2);
}

TEST(ItemDrop, TheChestFallsAwayFromFightersOnOneSide) {
    freshBattle();
    const f64 middle = (-10 + 5.8) / 2;
    struct Case {
        f64 x1, x2, want;
    } cases[] = {
        {-3, 0, middle},      // one on each side
        {-9, -8, middle - 2}, // both left
        {0, 3, middle + 2},   // both right
        {-8, -5, middle - 2}, // both left, the nearer one still left of the new spot
        {-2.6, -3, middle},   // both just left: past the new spot, so back again
    };
    for (const Case& c : cases) {
        gs.fighter(1).posX = c.x1;
        gs.fighter(2).posX = c.x2;
        EXPECT_DOUBLE_EQ(chestDropX(), c.want) << c.x1 << ", " << c.x2;
    }
}

TEST(ItemDrop, AChestEveryFiveToSevenHundredTicksOfFighting) {
    freshBattle();
    gs.fighter(1).posX = -9;
    gs.fighter(2).posX = -8;
    gs.itemTimer = 0;
    itemDrop();
    ASSERT_EQ(slot(1).kind, 19);
    EXPECT_DOUBLE_EQ(slot(1).x, (-10 + 5.8) / 2 - 2);
    EXPECT_DOUBLE_EQ(slot(1).y, 8.0);
    EXPECT_DOUBLE_EQ(slot(1).z, gs.fighter(1).posZ - 0.2);
    EXPECT_EQ((gs.itemTimer + 1 - 500) % 50, 0);
    EXPECT_LE(gs.itemTimer + 1, 700);

    const u16 timer = gs.itemTimer;
    for (auto phase :
         {&GameState::timeOverTimer, &GameState::knockOutTimer, &GameState::resultTimer}) {
        gs.*phase = 5;
        itemDrop();
        gs.*phase = 0;
    }
    gs.worldFrozen = 1;
    itemDrop();
    EXPECT_EQ(gs.itemTimer, timer) << "no count-down outside the fight or while frozen";
    gs.worldFrozen = 0;
    itemDrop();
    EXPECT_EQ(gs.itemTimer, timer - 1);
    EXPECT_EQ(slot(2).kind, 0);
}

TEST(PushApart, OverlappingSolidBodiesMoveApartEvenWhenFrozen) {
    freshBattle();
    for (int i = 1; i <= 2; ++i) {
        personagem& f = gs.fighter(i);
        f.bodySolid = 1;
        f.curPose.root = {0, 0, 0};
        f.bodyBoxMin = {-0.4, 0, -0.5};
        f.bodyBoxMax = {0.4, 2, 0.5};
    }
    gs.paused = 1;
    gs.fighter(1).posX = 0.2;
    gs.fighter(2).posX = 0.0;
    battleScene();
    EXPECT_DOUBLE_EQ(gs.fighter(1).posX, 0.3);
    EXPECT_DOUBLE_EQ(gs.fighter(2).posX, -0.1);
    gs.fighter(2).bodySolid = 0;
    battleScene();
    EXPECT_DOUBLE_EQ(gs.fighter(1).posX, 0.3);
}

TEST(BattleDrawing, AHitFighterShakesWithTheHitStopAndShadowsShrinkWithHeight) {
    freshBattle();
    for (int i = 1; i <= 2; ++i) {
        personagem& f = gs.fighter(i);
        f.showMarker = 0;
        f.curPose.root = {0.1, 1.9, 0};
    }
    personagem& f1 = gs.fighter(1);
    gs.paused = 1; // nothing moves; hit-stop waits too
    struct Case {
        f64 hitStop;
        f64 shake;
    } cases[] = {{2, -0.05}, {3, 0.05}, {2.5, -0.05}, {0, -0.05}};
    for (const Case& c : cases) {
        f1.shakeTimer = 4;
        f1.posY = 1.5;
        gs.hitStop = c.hitStop;
        const RecordedTick tick;
        const GfxCall figure = figureTranslation(tick.rec, 1.5 + 1.9);
        EXPECT_DOUBLE_EQ(figure.a[0], f1.posX + 0.1 + c.shake) << "hit-stop " << c.hitStop;
        EXPECT_DOUBLE_EQ(figure.a[2], f1.posZ);
        // Its ground shadow, unshaken, on the floor below it.
        std::vector<GfxCall> floor;
        for (const GfxCall& v : tick.rec.all("vertex"))
            if (v.a[1] == 0.02) floor.push_back(v);
        ASSERT_EQ(floor.size(), 30u) << "two shadows of 15 corners";
        f64 minX = 99, maxX = -99, minZ = 99, maxZ = -99;
        for (std::size_t k = 0; k < 15; ++k) {
            minX = std::min(minX, floor[k].a[0]);
            maxX = std::max(maxX, floor[k].a[0]);
            minZ = std::min(minZ, floor[k].a[2]);
            maxZ = std::max(maxZ, floor[k].a[2]);
        }
        EXPECT_NEAR((minX + maxX) / 2, f1.posX + 0.1, 0.02);
        EXPECT_NEAR((maxX - minX) / 2, f1.shadowRadius - 0.1, 0.01);
        EXPECT_NEAR((maxZ - minZ) / 2, 0.5 - 0.1, 0.01);
    }
    f1.shakeTimer = 0;
    gs.fighter(2).invisible = 1;
    const RecordedTick still;
    EXPECT_DOUBLE_EQ(figureTranslation(still.rec, 1.5 + 1.9).a[0], f1.posX + 0.1);
    std::size_t corners = 0;
    for (const GfxCall& v : still.rec.all("vertex")) corners += v.a[1] == 0.02 ? 1 : 0;
    EXPECT_EQ(corners, 15u) << "an invisible fighter casts no shadow";
}

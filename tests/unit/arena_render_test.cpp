// Arena set-up (lights, bounds, the add calls) and the drawing of props, cut-outs, floor
// shadows and objects.
#include <gtest/gtest.h>

#include "fight/objects.h"
#include "recording_gfx.h"
#include "render/arena_draw.h"
#include "render/arena_setup.h"
#include "shell/rng.h"
#include "test_support.h"

namespace {

struct LightingCase {
    u8 variant;
    Rgb clear;
    float ambientR, ambientB, fighterAmbientB, diffuse;
};

TEST(ArenaSetup, LightingVariantsSetSkyAndLights) {
    const LightingCase cases[] = {
        {1, {200, 220, 255}, 2.43f, 2.43f, 2.72f, 0.24f},
        {2, {240, 220, 180}, 2.73f, 2.33f, 2.64f, 0.24f},
        {3, {40, 40, 80}, 1.61f, 2.31f, 2.53f, 0.23f},
    };
    for (const LightingCase& c : cases) {
        gs = {};
        gs.lightingVariant = c.variant;
        arenaSetup(1);
        SCOPED_TRACE(int(c.variant));
        EXPECT_EQ(gs.clearColor.r, c.clear.r);
        EXPECT_EQ(gs.clearColor.g, c.clear.g);
        EXPECT_EQ(gs.clearColor.b, c.clear.b);
        EXPECT_FLOAT_EQ(gs.lightAmbient[0], c.ambientR);
        EXPECT_FLOAT_EQ(gs.lightAmbient[2], c.ambientB);
        EXPECT_FLOAT_EQ(gs.lightAmbient[3], 1.0f);
        EXPECT_FLOAT_EQ(gs.fighterAmbient[2], c.fighterAmbientB);
        EXPECT_FLOAT_EQ(gs.lightDiffuse[1], c.diffuse);
        EXPECT_FLOAT_EQ(gs.lightSpecular[0], 0.0f);
        EXPECT_FLOAT_EQ(gs.materialSpecular[3], 1.0f);
    }
    // Night: a bluish light on both the arena and the fighters.
    EXPECT_GT(gs.lightAmbient[2], gs.lightAmbient[0]);
    EXPECT_GT(gs.fighterAmbient[2], gs.fighterAmbient[0]);
}

TEST(ArenaSetup, BoundsPerArena) {
    const struct {
        u8 arena;
        f64 x1, x2, c1, c2;
    } cases[] = {{1, -10, 5.8, -7, 2.4}, {2, -9.3, 6.0, -7, 3.0}};
    for (const auto& c : cases) {
        gs = {};
        gs.lightingVariant = 1;
        arenaSetup(c.arena);
        EXPECT_EQ(gs.arenaLimitX1, c.x1);
        EXPECT_EQ(gs.arenaLimitX2, c.x2);
        EXPECT_EQ(gs.cameraLimitX1, c.c1);
        EXPECT_EQ(gs.cameraLimitX2, c.c2);
    }
}

TEST(ArenaSetup, AddCallsTakeTheFirstFreeRecordAndIgnoreAFullList) {
    gs = {};
    gs.lightingVariant = 1;
    arenaSetup(1); // frees everything, then lays arena 1 out
    for (auto& p : gs.arenaProps) p = {};
    for (auto& s : gs.arenaSprites) s = {};
    for (auto& f : gs.floorShadows) f = {};

    addProp(18, 1, 2, 3, 45);
    addProp(5, 0, 0, 0, 10);
    EXPECT_EQ(gs.arenaProps[1].propAngle[0], 34);
    EXPECT_EQ(gs.arenaProps[1].propAngle[1], 45);
    EXPECT_EQ(gs.arenaProps[2].propAngle[0], 0);
    gs.arenaProps[1] = {};
    addProp(7, 0, 0, 0, 0);
    EXPECT_EQ(gs.arenaProps[1].propModel, 7);

    addSprite(3, "I", 0, 1, 0, 1, 0.5, 2, 0);
    addSprite(3, "-", 1, 1, 0, 1, 0.5, 2, 0);
    EXPECT_EQ(gs.arenaSprites[1].spriteMirrored, 1);
    EXPECT_EQ(gs.arenaSprites[2].spriteMirrored, 0);
    EXPECT_EQ(gs.arenaSprites[2].spriteFlat, 1);

    for (int i = 0; i < 12; ++i) addFloorShadow(i, 0, 0, 1, 1, 0);
    EXPECT_EQ(gs.floorShadows[10].centre[0], 9); // the 11th and 12th were ignored
}

class ArenaDrawing : public ::testing::Test {
  protected:
    RecordingGfx rec;
    void SetUp() override {
        gs = {};
        gs.lightingVariant = 1;
        arenaSetup(1);
        for (auto& p : gs.arenaProps) p = {};
        for (auto& s : gs.arenaSprites) s = {};
        useGfx(rec);
    }
    void TearDown() override { useGfx(nullGfx()); }
};

TEST_F(ArenaDrawing, PropTurnsAboutXThenYThenTheSlantedAxis) {
    addProp(18, 1, 0, -2, 30);
    gs.arenaProps[1].propAngle[2] = 12;
    drawArena();
    const auto rotations = rec.all("rotate");
    ASSERT_EQ(rotations.size(), 3u);
    EXPECT_EQ(rotations[0].a[0], 34);
    EXPECT_EQ(rotations[0].a[1], 1);
    EXPECT_EQ(rotations[1].a[0], 30);
    EXPECT_EQ(rotations[1].a[2], 1);
    EXPECT_EQ(rotations[2].a[0], 12);
    EXPECT_EQ(rotations[2].a[1], 0); // about (0, 1, 1), not about z
    EXPECT_EQ(rotations[2].a[2], 1);
    EXPECT_EQ(rotations[2].a[3], 1);
    EXPECT_EQ(rec.count("callList"), 1u);
}

// The cut-out colour: ambient x 70 normally, red in an air combo, bluish white in a super
// flash, which wins; both random draws are made whatever the case.
TEST_F(ArenaDrawing, CutOutColourFollowsTheLightAndItsFlashes) {
    addSprite(1, "-", 0, 0, 0, 0, 1, 2, 0);
    const struct {
        const char* anim;
        f64 superFlash;
        int r, g;
    } cases[] = {
        {"PARADO", 0, 170, 170},          // 2.43 x 70
        {"SOFRE-COMBO-AEREO", 0, -1, 24}, // (0.1 + 0.24) x 70
        {"SOFRE-COMBO-AEREO", 5, -1, 87}, // (1 + 0.24) x 70
    };
    for (const auto& c : cases) {
        rec.calls.clear();
        gs.fighter(2).anim = c.anim;
        gs.effectTimers[3] = c.superFlash;
        const u32 before = gs.rngState;
        drawArena();
        const u32 after = gs.rngState;
        gs.rngState = before;
        random(3);
        random(3);
        EXPECT_EQ(after, gs.rngState) << c.anim;
        const GfxCall& colour = rec.nth("color", 1); // after the props' white
        if (c.r >= 0) {
            EXPECT_EQ(colour.a[0], c.r) << c.anim;
        }
        EXPECT_EQ(colour.a[1], c.g) << c.anim;
        EXPECT_EQ(colour.a[3], 255);
    }
}

TEST_F(ArenaDrawing, FlatCutOutIsAShadowAThirdOfItsHeightDeep) {
    addSprite(2, "I", 1, 0, 0, 0, 1.5, 3, 0);
    drawArena();
    const auto vertices = rec.all("vertex");
    ASSERT_EQ(vertices.size(), 4u);
    EXPECT_EQ(vertices[0].a[0], 1.5); // mirrored: s = +1
    EXPECT_EQ(vertices[0].a[1], 0.01);
    EXPECT_EQ(vertices[0].a[2], -1.0);
    const GfxCall& colour = rec.nth("color", 1);
    EXPECT_EQ(colour.a[0], 0);
    EXPECT_EQ(colour.a[3], 35);
}

TEST_F(ArenaDrawing, ObjectsBlinkGlowShakeAndCastShadows) {
    spawnObject(46, "-", 0x0000FF, 1, 2, 3, 0.5, 0.5, 0, 0);
    objeto& o = gs.objectPool[1];
    o.glows = 1;
    o.alpha = 200;
    o.blinking = 1;
    o.tint = 1;
    o.objAge = 3;
    o.objScale = 0.4;
    o.shakeX = 1;
    drawObjects();
    const auto colours = rec.all("color");
    ASSERT_GE(colours.size(), 2u);
    EXPECT_EQ(colours[0].a[0], 255); // red in the low byte
    EXPECT_EQ(colours[0].a[3], 50);  // the glow: (200 - 100) / 2 on an odd age
    EXPECT_EQ(colours[1].a[3], 100); // the quad: 200 / 2
    const auto vertices = rec.all("vertex");
    EXPECT_DOUBLE_EQ(vertices[0].a[0], 1 + 0.1 - 0.25 - 0.05); // shaken +0.1 at age 3
    EXPECT_DOUBLE_EQ(vertices[0].a[2], 3 - 0.01);
    EXPECT_EQ(rec.count("begin"), 3u); // glow, quad, ground shadow
}

TEST_F(ArenaDrawing, FloorItemGetsItsMarkersOnlyWhileLyingStill) {
    spawnObject(22, "-", objectWhite, 0, 0, 0, 0.5, 0.5, 0, 0);
    objeto& o = gs.objectPool[1];
    o.kind = 22;
    o.y = 0;
    o.velY = 0;
    o.objLife = 200;
    drawObjects();
    const std::size_t still = rec.count("begin");
    rec.calls.clear();
    o.velY = 0.3;
    drawObjects();
    EXPECT_EQ(rec.count("begin") + 1, still); // the bobbing marker is gone
}

} // namespace

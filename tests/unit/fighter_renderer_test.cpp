#include <gtest/gtest.h>

#include "fight/fighter_setup.h"
#include "recording_gfx.h"
#include "render/fighter_renderer.h"
#include "shell/rosters.h"
#include "test_support.h"

namespace {

// The battle camera: a translation by -(cameraX, cameraY + 0.8, cameraZ).
void battleCamera() {
    gfx().matrixMode(GL::MODELVIEW);
    gfx().loadIdentity();
    gfx().translated(-gs.cameraX, -(gs.cameraY + 0.8), -gs.cameraZ);
}

} // namespace

TEST(FighterRenderer, PartBoxesFollowTheJointChainInWorldSpace) {
    freshGame();
    registerFighter(1, 1, fighterRoster);
    gs.cameraX = 1.5;
    gs.cameraY = 2;
    gs.cameraZ = 9;
    personagem& f = gs.fighter(1);
    f.curPose = {};
    f.curPose.angleX[2] = -90; // right upper arm raised forward
    battleCamera();
    const Matrix before = gfx().currentMatrix(GL::MODELVIEW);
    drawFighter(1, {255, 255, 255}, 1, 0, 90, 0, 3.5, 2.0, -2.0);
    EXPECT_EQ(gfx().currentMatrix(GL::MODELVIEW), before);

    // Right hand: shoulder at (-0.35, 0.12 + 0.47, 0) from the figure origin; the arm
    // (0.63 + 0.5 long) turned -90 about X points along +z; turned 90 about Y, +z is +x.
    const auto& hand = f.parts[4].worldBox;
    const double cx = -2.0 + 1.13, cy = 2.0 + 0.59, cz = 3.5 + 0.35;
    EXPECT_NEAR(hand[0], cx - 0.1, 1e-9);
    EXPECT_NEAR(hand[3], cx + 0.1, 1e-9);
    EXPECT_NEAR(hand[1], cy - 0.1, 1e-9);
    EXPECT_NEAR(hand[2], cz - 0.1, 1e-9);
    // Head: 0.12 + 0.6 above the origin, 0.05 forward (towards +x once turned).
    const auto& head = f.parts[14].worldBox;
    EXPECT_NEAR(head[0], -2.0 + 0.05 - 0.3, 1e-9);
    EXPECT_NEAR(head[4], 2.0 + 0.72 + 0.3, 1e-9);
}

TEST(FighterRenderer, PartsWithoutAModelGetNoBoxAndInvisibleOnesStillDo) {
    freshGame();
    registerFighter(2, 2, fighterRoster);
    personagem& f = gs.fighter(2);
    f.parts[25].worldBox = {7, 7, 7, 7, 7, 7};
    f.invisible = 1;
    RecordingGfx rec;
    useGfx(rec);
    battleCamera();
    drawFighter(2, {255, 255, 255}, 1, 0, -90, 0, 3.5, 0, 2);
    useGfx(nullGfx());
    EXPECT_EQ(f.parts[25].worldBox[0], 7) << "part 25 has no model";
    EXPECT_NE(f.parts[9].worldBox[0], 0) << "boxes are refreshed while invisible";
    EXPECT_EQ(rec.count("callList"), 0u) << "nothing drawn while invisible";
    EXPECT_EQ(rec.count("pushMatrix"), rec.count("popMatrix"));
}

TEST(FighterRenderer, PartLightAddsTintAndFlashesAndIsClamped) {
    freshGame();
    registerFighter(1, 2, fighterRoster); // blackParts 1: the torso tint is (30, 30, 80)
    personagem& f = gs.fighter(1);
    f.parts[1].tint = packTint({255, 255, 255});
    gs.fighterAmbient = {0.5f, 0.5f, 0.5f, 1};
    gs.outlinesOn = 0;
    RecordingGfx rec;
    useGfx(rec);
    drawFighter(1, {255, 255, 255}, 1, 0, 90, 0, 3.5, 0, 0);
    useGfx(nullGfx());
    auto ambients = rec.all("light");
    ASSERT_GE(ambients.size(), 2u);
    EXPECT_FLOAT_EQ(static_cast<float>(ambients[0].a[2]), 5.0f) << "255 / 51 + 0.5 clamps to 5";
    const double armRed = ambients[2].a[2]; // part 2's ambient (each part sets ambient, diffuse)
    EXPECT_FLOAT_EQ(static_cast<float>(armRed), 0.5f);
}

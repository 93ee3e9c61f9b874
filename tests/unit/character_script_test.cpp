// What every tick of a character's script does whatever the move: the props it shows and
// the body box of the animation, mirrored when the fighter faces "ESQ".
#include <gtest/gtest.h>

#include "fight/fight_hooks.h"
#include "fight/fighter_setup.h"
#include "shell/rosters.h"
#include "test_support.h"

TEST(CharacterScript, BodyBoxFollowsTheAnimationAndTheFacing) {
    const struct {
        u8 character;
        const char* anim;
        const char* facing;
        f64 minX, maxX, minY, maxY;
    } cases[] = {
        {1, "PARADO", "DIR", -0.45, 0.5, -1.7, 1.15},
        {1, "PARADO", "ESQ", -0.5, 0.45, -1.7, 1.15},
        {1, "VOADORA", "DIR", -0.45, 1.2, -0.6, 0.9},
        {2, "AGACHAR", "DIR", -0.3, 0.45, -1.8, 1.1},
        {2, "VOADORA", "ESQ", -1.4, 0.55, -0.4, 0.5},
        {2, "TONTO", "DIR", -0.45, 0.45, -1.8, 0.8},
        {1, "GOLPE-CURTA-DISTANCIA-FORTE", "DIR", -0.37, 0.37, -1.2, 1.0},
    };
    for (const auto& c : cases) {
        freshGame();
        registerFighter(1, c.character, fighterRoster);
        personagem& f = gs.fighter(1);
        f.anim = c.anim;
        f.facing = c.facing;
        characterUpdate(1);
        SCOPED_TRACE(std::string(c.anim) + " " + c.facing);
        EXPECT_DOUBLE_EQ(f.bodyBoxMin[0], c.minX);
        EXPECT_DOUBLE_EQ(f.bodyBoxMax[0], c.maxX);
        EXPECT_DOUBLE_EQ(f.bodyBoxMin[1], c.minY);
        EXPECT_DOUBLE_EQ(f.bodyBoxMax[1], c.maxY);
    }
}

TEST(CharacterScript, AnAnimationWithoutABoxKeepsTheLastOne) {
    freshGame();
    registerFighter(1, 1, fighterRoster);
    personagem& f = gs.fighter(1);
    f.facing = "DIR";
    f.anim = "CORRIDA";
    characterUpdate(1);
    f.anim = "SOCO-FRACO";
    characterUpdate(1);
    EXPECT_DOUBLE_EQ(f.bodyBoxMax[0], 0.7);
}

TEST(CharacterScript, PropsAreResetEveryTick) {
    freshGame();
    registerFighter(1, 1, fighterRoster);
    registerFighter(2, 2, fighterRoster);
    for (int i = 1; i <= 2; ++i)
        for (auto& p : gs.fighter(i).parts) p.visible = 1;
    gs.fighter(2).parts[16].visible = 0;
    characterUpdate(1);
    characterUpdate(2);
    EXPECT_EQ(gs.fighter(1).parts[16].visible, 0) << "slingshot";
    EXPECT_EQ(gs.fighter(1).parts[17].visible, 0) << "broom";
    EXPECT_EQ(gs.fighter(1).parts[1].visible, 1);
    EXPECT_EQ(gs.fighter(2).parts[16].visible, 1) << "carbine on the torso";
    EXPECT_EQ(gs.fighter(2).parts[17].visible, 0) << "carbine in the hand";
    EXPECT_EQ(gs.fighter(2).parts[24].visible, 0) << "newspaper";
}

#include <gtest/gtest.h>

#include "fight/fighter_setup.h"
#include "shell/rosters.h"
#include "test_support.h"

TEST(Registration, BuildsTheCharacterTableWithTheCostumeTint) {
    freshGame();
    registerFighter(1, 1, fighterRoster); // blackParts 1
    registerFighter(2, 1, fighterRoster); // blackParts 0
    const personagem& a = gs.fighter(1);
    const personagem& b = gs.fighter(2);
    EXPECT_EQ(a.displayName, "TORVEL");
    EXPECT_EQ(a.character, 1);
    EXPECT_EQ(a.parts[15].name, "CHAPEU");
    EXPECT_EQ(a.parts[15].parent, 14);
    EXPECT_EQ(a.parts[15].model, 9);
    EXPECT_EQ(a.parts[15].tint, 0u);
    EXPECT_EQ(b.parts[15].tint, packTint({60, 10, 10}));
    EXPECT_EQ(b.parts[10].tint, 30u + 10u * 256u) << "red in the low byte";
    EXPECT_DOUBLE_EQ(a.parts[17].pivotZ, 0.3);
    EXPECT_EQ(a.parts[23].name, "PESCOCO");
    EXPECT_EQ(a.parts[24].model, 0) << "parts beyond the table have no model";
    EXPECT_EQ(a.parts[24].visible, 1);
    EXPECT_EQ(a.airComboRoute, "BACDAD");
    EXPECT_EQ(a.moveMotions[7], "214214C");
    EXPECT_DOUBLE_EQ(a.shadowRadius, 0.6);
    EXPECT_DOUBLE_EQ(a.walkForwardSpeed, 0.25);
    EXPECT_DOUBLE_EQ(a.rollForwardSpeed, 0.3);
}

TEST(Registration, SecondCharacterHasTwentyFourPartsAndItsOwnMoves) {
    freshGame();
    registerFighter(2, 2, fighterRoster);
    const personagem& f = gs.fighter(2);
    EXPECT_EQ(f.displayName, "SEU BRANDOLIM");
    EXPECT_EQ(f.parts[24].name, "JORNAL");
    EXPECT_EQ(f.parts[24].parent, 4);
    EXPECT_EQ(f.parts[24].model, 32);
    EXPECT_EQ(f.parts[1].tint, packTint({50, 105, 90}));
    EXPECT_EQ(f.parts[25].model, 0);
    EXPECT_EQ(f.airComboRoute, "ADBCAD");
    EXPECT_EQ(f.moveNames[6], "fSUPER GOLPE-1");
    EXPECT_EQ(f.moveMotions[7], "2363214S");
}

TEST(Registration, HitRadiiOnHandsFeetAndHead) {
    freshGame();
    registerFighter(1, 2, fighterRoster);
    const personagem& f = gs.fighter(1);
    for (std::size_t p = 1; p <= 25; ++p) {
        double expected = (p == 3 || p == 4 || p == 6 || p == 7)      ? 0.1
                          : (p == 9 || p == 10 || p == 12 || p == 13) ? 0.22
                          : p == 14                                   ? 0.3
                                                                      : 0.0;
        EXPECT_DOUBLE_EQ(f.parts[p].hitRadiusX, expected) << "part " << p;
        EXPECT_DOUBLE_EQ(f.parts[p].hitRadiusZ, expected) << "part " << p;
    }
}

TEST(Registration, RosterEntriesWithoutABodyBuildNothing) {
    freshGame();
    for (u8 c : {u8(0), u8(3), u8(5), u8(9)}) {
        registerFighter(1, c, fighterRoster);
        EXPECT_EQ(gs.fighter(1).character, c) << "the number is kept";
        EXPECT_TRUE(gs.fighter(1).displayName.empty()) << int(c);
        EXPECT_EQ(gs.fighter(1).parts[1].model, 0) << int(c);
    }
    // An empty cell after a previewed fighter: no character, the old body untouched.
    registerFighter(1, 1, fighterRoster);
    const u8 model = gs.fighter(1).parts[1].model;
    registerFighter(1, 0, fighterRoster);
    EXPECT_EQ(gs.fighter(1).character, 0);
    EXPECT_EQ(gs.fighter(1).parts[1].model, model);
}

TEST(Resets, MatchAndRoundStartValues) {
    freshGame();
    personagem& f = gs.fighter(2);
    f.roundsWon = 2;
    f.roundMarks[2] = "V";
    f.stocks = 3;
    f.power = 70;
    f.items = {4, 1, 0, 0, 2};
    f.life = 10;
    f.anim = "DEITADO";
    f.frame = 30;
    f.posY = 2;
    f.airborne = 1;
    f.chainWindow = 4;
    f.glowTimer = 9;
    f.rotVel = {1, 2, 3};
    gs.arenaLimitX1 = -10;
    gs.arenaLimitX2 = 14;
    resetForMatch(2);
    resetForRound(2);
    EXPECT_EQ(f.roundsWon, 0);
    for (const Name& m : f.roundMarks) EXPECT_EQ(m, "-");
    EXPECT_EQ(f.stocks, 0);
    EXPECT_EQ(f.power, 0);
    EXPECT_EQ(f.items, (std::array<u8, 5>{}));
    EXPECT_EQ(f.life, 100);
    EXPECT_EQ(f.lifeTrail, 100);
    EXPECT_EQ(f.guard, 100);
    EXPECT_EQ(f.anim, "PARADO");
    EXPECT_EQ(f.frame, 0);
    EXPECT_EQ(f.posX, 4.0) << "centre of the arena + 2";
    EXPECT_EQ(f.posY, 0);
    EXPECT_EQ(f.airborne, 0);
    EXPECT_EQ(f.glowTimer, 0);
    EXPECT_EQ(f.rotVel, (std::array<f64, 3>{}));
    EXPECT_EQ(f.chainWindow, 4) << "the chain window survives the round reset";
}

TEST(FormCreate, StartValues) {
    freshGame(42);
    EXPECT_EQ(gs.sceneName, "DEBUG-PERSONAGEM");
    EXPECT_EQ(gs.versionText, "VERSÃO 2.2");
    EXPECT_EQ(gs.versionDate, "09/DEZ/2006");
    EXPECT_EQ(gs.roundTimeSetting, 2);
    EXPECT_EQ(gs.roundsSetting, 2);
    EXPECT_EQ(gs.damageLevel, 3);
    EXPECT_EQ(gs.controlMode, 1);
    EXPECT_EQ(gs.musicVolume, -1000);
    EXPECT_EQ(gs.soundVolume, -1000);
    EXPECT_EQ(gs.thirdVolume, -1000);
    EXPECT_EQ(gs.roundTime, 99);
    EXPECT_EQ(gs.credits, 5);
    EXPECT_DOUBLE_EQ(gs.gravity, 0.1);
    EXPECT_EQ(gs.joy2ButtonMap[10], 10);
    EXPECT_TRUE(gs.itemTimer >= 500 && gs.itemTimer <= 700 && gs.itemTimer % 50 == 0);
    EXPECT_EQ(gs.fighter(1).blackParts, 1);
    EXPECT_EQ(gs.fighter(2).blackParts, 0);
    EXPECT_EQ(gs.fighter(1).posX, -2);
    EXPECT_EQ(gs.fighter(2).posX, 2);
    EXPECT_EQ(gs.fighter(2).posZ, 3.5);
    EXPECT_EQ(gs.fighter(1).damageScale, 1.0);
    EXPECT_EQ(gs.fighter(1).roundMarks[3], "-");
    EXPECT_EQ(gs.fighter(2).life, 100);
    EXPECT_EQ(gs.fighter(1).selectColumn, 2);
    EXPECT_EQ(gs.fighter(2).selectColumn, 3);
}

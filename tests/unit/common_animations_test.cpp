#include "fight/fighter_fx.h"
#include "fighter_update_support.h"
#include "shell/rng.h"

namespace {

using CommonAnimations = FighterTest;

// Key poses and blend of one frame. A key of -1 was not loaded on that frame.
TEST_F(CommonAnimations, KeyPosesAndBlendFollowTheRulesInOrder) {
    struct Case {
        int fighter;
        const char* anim;
        double frame;
        long start, end;
        double blend;
        void (*setup)(personagem& f);
    } cases[] = {
        {1, "SOCO-FRACO", 1, 31, 32, 50, nullptr},
        {1, "SOCO-FRACO", 2, 31, 32, 100, nullptr},
        {1, "SOCO-FRACO", 3, 31, 32, 100, nullptr},
        {1, "SOCO-FRACO", 4, 31, 32, 50, nullptr},
        {2, "SOCO-FRACO", 1, 140, 141, 50, nullptr},
        {1, "CHUTE-FORTE", 3, 37, 38, 75, nullptr},
        {1, "CHUTE-FORTE", 4, 37, 38, 100, nullptr},
        {1, "CHUTE-FORTE", 9, 37, 38, 75, nullptr},
        {1, "CHUTE-FRACO-AGACHADO", 5, 41, 42, 50, nullptr},
        {1, "CHUTE-FORTE-AR", 12, 53, 54, 60, nullptr},
        {1, "LEVANTAR", 5, 63, 66, 100, nullptr},
        {1, "LEVANTAR", 6, 66, 67, 40, nullptr},
        {1, "LEVANTAR", 10, 66, 67, 100, nullptr}, // 120, clamped
        {1, "LEVANTAR", 11, 67, 1, 60, nullptr},
        {1, "VOADORA", 22, 55, 56, 0, nullptr},
        {1, "VOADORA", 23, -1, -1, 42, nullptr}, // nothing loaded: last tick's blend stays
        {1, "VOADORA", 24, 23, 1, 33.33, nullptr},
        {1, "PARADO", 5, 1, 2, 100, nullptr},
        {1, "PARADO", 6, 1, 2, 80, nullptr},
        {1, "PARADO", 8, 3, 4, 100, [](personagem& f) { f.life = 25; }},
        {1, "ANDAR-FRENTE", 5, 9, 10, 0, nullptr},
        {1, "ANDAR-FRENTE", 15, 10, 8, 100, nullptr},
        {1, "AGACHAR", 16, 23, 24, 93.4, nullptr},
        {1, "PULAR", 17, 26, 25, 100, nullptr},
        {1, "PULAR", 3, 27, 26, 0, [](personagem& f) { f.jumpVelX = -0.23; }},
        {1, "USAR-ITEM", 15, -1, -1, 42, nullptr},
        {1, "JOGAR-ITEM", 12, 19, 20, 100, nullptr},
        {1, "QUEBRA-GUARDA", 4, 68, -1, 0, nullptr},
        {1, "QUEBRA-GUARDA", 5, 69, -1, 0, nullptr},
        {1, "QUEBRA-GUARDA", 26, 68, 1, 20, nullptr},
        {1, "TONTO", 20, 70, 71, 88.9, nullptr},
        {1, "TONTO", 40, 70, 71, 22.2, nullptr},
        {1, "TONTO", 72, 71, 1, 0, nullptr},
        {1, "DESMAIAR", 5, 73, 74, 0, nullptr},
        {1, "DESMAIAR", 7, 73, 74, 40, nullptr},
        {1, "DESMAIAR", 20, 74, 75, 50, nullptr},
        {1, "SOFRE-ATAQUE-ALTO-2", 8, 59, 1, 33.33, nullptr},
        {1, "SOFRE-ATAQUE-AR", 6, 61, 25, 12.5, nullptr},
        {1, "QUEDA-1", 9, 61, 62, 59.94, [](personagem& f) { f.airborne = 1, f.posY = 3; }},
    };
    for (const Case& c : cases) {
        SetUp();
        const personagem& f = playFrame(c.fighter, c.anim, c.frame, c.setup);
        const std::string what = std::string(c.anim) + " " + std::to_string(c.frame);
        EXPECT_EQ(f.frame, c.frame) << what;
        expectKeys(f, c.start, c.end, c.blend, what);
        TearDown();
    }
}

TEST_F(CommonAnimations, RollsPassThroughUntilNearlyOver) {
    struct Case {
        double frame;
        u8 bodySolid, intangible;
        double rotX;
    } cases[] = {{1, 0, 1, -32}, {10, 0, 1, -320}, {11, 0, 1, 0}, {12, 0, 1, 0}, {13, 1, 0, 0}};
    for (const Case& c : cases) {
        SetUp();
        personagem& f = one();
        playing(1, "ROLAR-TRAS", 1);
        ticks(static_cast<int>(c.frame));
        EXPECT_EQ(f.bodySolid, c.bodySolid) << c.frame;
        EXPECT_EQ(f.intangible, c.intangible) << c.frame;
        EXPECT_EQ(f.rotX, c.rotX) << c.frame;
        TearDown();
    }
}

TEST_F(CommonAnimations, KnockedOutAndLyingFightersStayPut) {
    personagem& f = one();
    playing(1, "DESMAIAR", 20);
    ticks(100);
    EXPECT_EQ(f.anim, "DESMAIAR");
    EXPECT_EQ(f.frame, 25);
    EXPECT_EQ(f.life, 0);
    EXPECT_EQ(f.blend, 100);

    personagem& g = two();
    gs.knockOutTimer = 50;
    g.life = 0;
    playing(2, "DEITADO", 1);
    ticks(40, 2);
    EXPECT_EQ(g.anim, "DEITADO");
    EXPECT_EQ(g.frame, 0);
}

TEST_F(CommonAnimations, ADizzyPlayerShakesFreeThreeFramesATick) {
    struct Case {
        u8 human;
        double frame;
    } cases[] = {{1, 3 + 9}, {0, 3}};
    for (const Case& c : cases) {
        SetUp();
        personagem& f = one();
        playing(1, "TONTO", 1);
        f.frame = 0;
        f.isHuman = c.human;
        f.inLeft = 1;
        f.inRight = 1;
        f.inButtons[1] = 1;
        ticks(3);
        EXPECT_EQ(f.frame, c.frame) << int(c.human);
        EXPECT_EQ(f.mashStep, 0);
        EXPECT_EQ(f.rotY, 90);
        TearDown();
    }
}

TEST_F(CommonAnimations, UsedItemStartsItsEffectOnFrameFiveAndStopsTheWorld) {
    struct Case {
        u8 item;
        int kind;
        u8 paused;
    } cases[] = {{2, 32, 0}, {5, 35, 0}, {3, 0, 1}};
    for (const Case& c : cases) {
        SetUp();
        personagem& f = one();
        playing(1, "USAR-ITEM", 5);
        f.items[0] = c.item;
        gs.paused = c.paused;
        f.movesWhileFrozen = 1; // a paused world advances nobody's frame otherwise
        ticks(1);
        EXPECT_EQ(f.movesWhileFrozen, 1);
        if (c.kind != 0) {
            EXPECT_EQ(objectsOfKind(c.kind), 1);
            EXPECT_EQ(f.items[0], 0);
            const auto& o = gs.objectPool[1];
            EXPECT_EQ(o.owner, 1);
            EXPECT_DOUBLE_EQ(o.z, f.posZ + 0.2);
        } else {
            EXPECT_EQ(f.items[0], c.item) << "kept while paused";
        }
        TearDown();
    }
}

TEST_F(CommonAnimations, ThrownItemLeavesFromOverTheShoulder) {
    personagem& f = two(); // facing "ESQ"
    playing(2, "JOGAR-ITEM", 5);
    f.items[0] = 6;
    ticks(1, 2);
    ASSERT_EQ(objectsOfKind(36), 1);
    EXPECT_DOUBLE_EQ(gs.objectPool[1].x, f.posX + 1.2);
    EXPECT_DOUBLE_EQ(gs.objectPool[1].y, f.posY + 2.8);
    EXPECT_EQ(gs.objectPool[1].owner, 2);
    EXPECT_EQ(f.items[0], 0);
}

TEST_F(CommonAnimations, ChargingStopsAtThreeStocks) {
    personagem& f = one();
    playing(1, "AUMENTAR-PODER", 1);
    f.power = 10;
    ticks(1);
    EXPECT_DOUBLE_EQ(f.power, 10.9);
    EXPECT_EQ(objectsOfKind(3), 1) << "round(f) mod 4 = 1";
    EXPECT_EQ(f.animLoops, 1);
    f.stocks = 3;
    ticks(1);
    EXPECT_EQ(f.anim, "PARADO");
    EXPECT_EQ(f.frame, 0);
}

TEST_F(CommonAnimations, RunningKicksUpDustStepsAndSpeedLines) {
    gs.arenaLimitX1 = -10;
    gs.arenaLimitX2 = 10;
    personagem& f = one();
    playing(1, "CORRIDA", 5);
    ticks(1);
    EXPECT_EQ(gs.soundRequest, 1) << "a step";
    EXPECT_EQ(objectsOfKind(2), 3);
    EXPECT_DOUBLE_EQ(f.slideSpeed, 0.165);
    gs.arenaLimitX2 = f.posX; // at the arena's end: no speed lines
    ticks(1);
    EXPECT_EQ(objectsOfKind(2), 3);
    EXPECT_EQ(objectsOfKind(1), 5) << "five puffs on frame 6";
}

TEST_F(CommonAnimations, FlungFighterHitsTheWallAndFallsBack) {
    gs.arenaLimitX1 = -10;
    gs.arenaLimitX2 = 10;
    gs.cameraX = 0;
    personagem& f = one(); // facing "DIR", as the opponent faces "ESQ": flung backwards
    playing(1, "QUEDA-3", 1);
    f.posX = -4;
    ticks(1);
    EXPECT_EQ(f.anim, "QUEDA-3");
    EXPECT_DOUBLE_EQ(f.posX, -4.5);
    f.posX = -5.1;
    ticks(1);
    EXPECT_EQ(f.anim, "QUEDA-1");
    EXPECT_EQ(f.frame, 0);
    EXPECT_EQ(f.airborne, 1);
    EXPECT_DOUBLE_EQ(f.jumpVelY, 0.45);
    EXPECT_DOUBLE_EQ(f.jumpVelX, 0.03);
    EXPECT_EQ(gs.soundRequest, 3);
    EXPECT_EQ(objectsOfKind(11), 3);
}

TEST_F(CommonAnimations, JuggledVictimRisesAndHoldsTheAttackerInFront) {
    personagem& f = two();
    personagem& o = one();
    f.posX = 0;
    f.posY = 1;
    o.anim = "PULAR";
    o.posX = -3;
    o.posY = 0.5;
    playing(2, "SOFRE-COMBO-AEREO", 5);
    ticks(1, 2);
    EXPECT_EQ(f.frame, 0) << "counts only from the top";
    EXPECT_DOUBLE_EQ(f.posY, 1.12);
    EXPECT_DOUBLE_EQ(o.posX, -2.7) << "drawn 0.3 a tick towards the victim's front";
    EXPECT_DOUBLE_EQ(o.posY, 0.7);
    EXPECT_EQ(o.airborne, 1);
    EXPECT_EQ(f.rotZ, 40);
    EXPECT_EQ(gs.effectTimers[1], 5);
    o.posX = -0.5;
    f.posY = 2;
    const double x = f.posX;
    ticks(1, 2);
    EXPECT_DOUBLE_EQ(o.posX, x - 1.3) << "never closer than 1.3";
    EXPECT_DOUBLE_EQ(f.posX, x + 0.03) << "drifting back slowly at the top";
    EXPECT_EQ(f.frame, 1);
    EXPECT_EQ(f.posY, 2);
}

TEST_F(CommonAnimations, DustPuffDrawsItsCoordinatesInOrder) {
    seedRandom(77);
    const personagem& f = one();
    const double x = f.posX - 0.4 + random(100) * 0.008;
    const double y = 0.1 + random(10) * 0.01;
    const double z = f.posZ - 0.3 + random(100) * 0.006;
    seedRandom(77);
    dustPuff(1);
    const auto& o = gs.objectPool[1];
    EXPECT_EQ(o.kind, 1);
    EXPECT_EQ(o.x, x);
    EXPECT_EQ(o.y, y);
    EXPECT_EQ(o.z, z);
}

} // namespace

#include "fight/animation.h"
#include "fighter_update_support.h"

namespace {

using FighterUpdate = FighterTest;

TEST_F(FighterUpdate, WalksRunsDashesAndRollsAtTheCharactersSpeeds) {
    struct Case {
        int fighter;
        const char* anim;
        double speed; // along the facing, per tick
    } cases[] = {
        {1, "ANDAR-FRENTE", 0.25}, {1, "ANDAR-TRAS", -0.21}, {1, "CORRIDA", 0.33},
        {1, "RECUO", -0.34},       {1, "ROLAR-TRAS", -0.3},  {1, "ROLAR-FRENTE", 0.3},
        {2, "ANDAR-FRENTE", 0.25}, {2, "RECUO", -0.34},
    };
    for (const Case& c : cases) {
        SetUp();
        personagem& f = gs.fighter(c.fighter);
        const double facing = f.facing == "ESQ" ? -1 : 1;
        playing(c.fighter, c.anim, 2);
        const double start = f.posX;
        ticks(1, c.fighter);
        EXPECT_NEAR(f.posX - start, facing * c.speed, 1e-12) << c.anim << " " << c.fighter;
        ticks(1, c.fighter);
        EXPECT_NEAR(f.posX - start, 2 * facing * c.speed, 1e-12) << c.anim << " " << c.fighter;
        TearDown();
    }
}

TEST_F(FighterUpdate, BackDashEndsInASlideThatRunsOutWithDust) {
    personagem& f = one();
    playing(1, "RECUO", 14);
    ticks(1); // frame 14, the last
    EXPECT_DOUBLE_EQ(f.slideSpeed, -0.17);
    EXPECT_EQ(objectsOfKind(1), 5) << "five puffs when round(f) mod 4 = 2";
    const double x = f.posX;
    ticks(1); // ends: idle, and slides back by the dash's half speed
    EXPECT_EQ(f.anim, "PARADO");
    EXPECT_NEAR(f.posX, x - 0.17, 1e-12);
    EXPECT_NEAR(f.slideSpeed, -0.155, 1e-12);
    EXPECT_EQ(objectsOfKind(1), 6) << "a puff on the even frame 0";
    ticks(20);
    EXPECT_EQ(f.slideSpeed, 0);
    const double rest = f.posX;
    ticks(3);
    EXPECT_EQ(f.posX, rest);
}

TEST_F(FighterUpdate, JumpRisesFallsAndLandsLocked) {
    personagem& f = one();
    ASSERT_TRUE(requestAnimation(1, "PULAR-FRENTE"));
    const double x = f.posX;
    double top = 0;
    int airTicks = 0;
    while (f.airborne == 1 && airTicks < 100) {
        ticks(1);
        ++airTicks;
        top = std::max(top, f.posY);
        if (airTicks == 5) {
            EXPECT_EQ(startPose(f), 27) << "the somersault pose with a run-up";
            EXPECT_EQ(f.rotX, 75) << "25 a tick from frame 3";
        }
    }
    EXPECT_EQ(airTicks, 17);
    EXPECT_NEAR(top, 3.2, 1e-9);
    EXPECT_NEAR(f.posX - x, 17 * 0.23, 1e-9);
    EXPECT_EQ(f.anim, "PARADO");
    EXPECT_EQ(f.frame, 0);
    EXPECT_EQ(f.posY, 0);
    EXPECT_EQ(f.rotX, 0);
    EXPECT_EQ(f.actionLock, 2);
    EXPECT_EQ(f.stunLock, 2);
    EXPECT_EQ(gs.soundRequest, 2);
    EXPECT_EQ(objectsOfKind(1), 6 + 8) << "take-off dust on frames 2 and 4, landing dust";
}

TEST_F(FighterUpdate, LandingDependsOnTheAnimation) {
    struct Case {
        const char* anim;
        const char* after;
        double frameAfter;
        u8 airborne;
        double jumpVelY;
        double jumpVelX;
        int sound;
        int clouds, cracks;
    } cases[] = {
        {"QUEDA-1", "QUEDA-2", 0, 1, 0.4, 0.1, 3, 5, 1},
        {"QUEDA-2", "DEITADO", 0, 0, 0, 0, 3, 5, 1},
        {"DEFESA-AEREA", "DEFESA-BAIXA", 4, 0, 0, 0, 0, 0, 0},
        {"QUEBRA-GUARDA", "QUEBRA-GUARDA", 4, 0, 0, 0, 0, 0, 0},
        {"SOFRE-ATAQUE-ALTO-2", "SOFRE-ATAQUE-ALTO-2", 4, 0, 0, 0, 0, 0, 0},
        {"DESMAIAR", "DESMAIAR", 4, 0, 0, 0, 0, 0, 0},
        {"SOCO-FORTE-AR", "PARADO", 0, 0, 0, 0, 2, 0, 0},
    };
    for (const Case& c : cases) {
        SetUp();
        personagem& f = one();
        playing(1, c.anim, 4);
        f.airborne = 1;
        f.posY = 0.05;
        f.jumpVelY = 0;
        f.jumpVelX = 0.2;
        f.slideSpeed = 0.1;
        ticks(1);
        EXPECT_EQ(f.anim, c.after) << c.anim;
        EXPECT_EQ(f.frame, c.frameAfter) << c.anim;
        EXPECT_EQ(f.posY, 0) << c.anim;
        EXPECT_EQ(f.airborne, c.airborne) << c.anim;
        EXPECT_DOUBLE_EQ(f.jumpVelY, c.jumpVelY) << c.anim;
        EXPECT_DOUBLE_EQ(f.jumpVelX, c.jumpVelX) << c.anim;
        EXPECT_EQ(gs.soundRequest, c.sound) << c.anim;
        EXPECT_EQ(objectsOfKind(11), c.clouds) << c.anim;
        EXPECT_EQ(objectsOfKind(12), c.cracks) << c.anim;
        EXPECT_EQ(objectsOfKind(1), 8) << c.anim;
        TearDown();
    }
}

TEST_F(FighterUpdate, QueuedAttackStartsAtEightyPercentAFifthIn) {
    personagem& f = one();
    ASSERT_TRUE(requestAnimation(1, "SOCO-FRACO")); // five frames long
    f.queuedAnim = "CHUTE-FRACO";
    ticks(3);
    EXPECT_EQ(f.anim, "SOCO-FRACO");
    EXPECT_EQ(f.frame, 3);
    gs.soundRequest = 0;
    ticks(1); // frame 4 = 0.8 x 5
    EXPECT_EQ(f.anim, "CHUTE-FRACO");
    EXPECT_TRUE(f.queuedAnim.empty());
    EXPECT_DOUBLE_EQ(f.frame, 1) << "a fifth of the outgoing length";
    EXPECT_EQ(f.frameCount, 8);
    EXPECT_EQ(gs.soundRequest, 7) << "accepted through the transition rules";
    EXPECT_EQ(f.attacking, 1);
}

TEST_F(FighterUpdate, KnockOutOnTheFloorStartsThePhaseAndHoldsTheLastPose) {
    personagem& f = one();
    f.life = -4;
    ticks(1);
    EXPECT_EQ(f.anim, "DESMAIAR");
    EXPECT_EQ(f.frame, 1) << "started at 0 before the frame advance";
    EXPECT_EQ(gs.knockOutTimer, 50);
    EXPECT_EQ(f.life, 0);
    ticks(80);
    EXPECT_EQ(f.anim, "DESMAIAR");
    EXPECT_EQ(f.frame, 25);
    // The opponent, idle with no vitality once the phase runs, falls as well.
    two().life = 0;
    ticks(1, 2);
    EXPECT_EQ(two().anim, "DESMAIAR");
}

TEST_F(FighterUpdate, KnockOutInTheAirFallsBouncesAndLiesForEver) {
    personagem& f = one();
    playing(1, "SOFRE-ATAQUE-AR", 3);
    f.posY = 2;
    f.airborne = 1;
    f.life = 0;
    ticks(1);
    EXPECT_EQ(f.anim, "QUEDA-1");
    EXPECT_EQ(gs.knockOutTimer, 50);
    Name seen[4] = {f.anim};
    int n = 1;
    for (int k = 0; k < 200; ++k) {
        ticks(1);
        if (!(f.anim == seen[n - 1]) && n < 4) seen[n++] = f.anim;
    }
    ASSERT_EQ(n, 3);
    EXPECT_EQ(seen[1], "QUEDA-2");
    EXPECT_EQ(seen[2], "DEITADO");
    EXPECT_EQ(f.frame, 0);
    EXPECT_EQ(f.posY, 0);
}

TEST_F(FighterUpdate, GuardBreaksAtZero) {
    struct Case {
        double guard;
        bool breaks;
    } cases[] = {{0, true}, {-3, true}, {0.01, false}};
    for (const Case& c : cases) {
        SetUp();
        personagem& f = one();
        f.guard = c.guard;
        ticks(1);
        EXPECT_EQ(f.anim == "QUEBRA-GUARDA", c.breaks) << c.guard;
        if (c.breaks) {
            EXPECT_EQ(f.guard, 75);
            EXPECT_EQ(gs.hitStop, 5);
            EXPECT_EQ(gs.soundRequest, 10);
            EXPECT_EQ(objectsOfKind(6), 20);
            EXPECT_EQ(gs.effectTimers[2], 3);
        } else {
            EXPECT_DOUBLE_EQ(f.guard, 0.16);
        }
        TearDown();
    }
}

TEST_F(FighterUpdate, DizzinessDecaysUnlessFullOrDelayed) {
    struct Case {
        double dizzy;
        u8 delay;
        double after;
    } cases[] = {{100, 0, 100}, {99.9, 0, 99.4}, {40, 3, 40}, {130, 0, 100}};
    for (const Case& c : cases) {
        SetUp();
        personagem& f = one();
        playing(1, "ANDAR-FRENTE", 1);
        f.dizzy = c.dizzy;
        f.dizzyDelay = c.delay;
        ticks(1);
        EXPECT_DOUBLE_EQ(f.dizzy, c.after) << c.dizzy;
        EXPECT_EQ(f.dizzyDelay, c.delay > 0 ? c.delay - 1 : 0);
        TearDown();
    }
}

TEST_F(FighterUpdate, AFullDizzyGaugeFellsTheIdleFighterWhoGetsUpDizzy) {
    personagem& f = one();
    f.dizzy = 100;
    ticks(1);
    EXPECT_EQ(f.anim, "QUEDA-1");
    EXPECT_EQ(f.airborne, 1);
    EXPECT_NEAR(f.posY, 0.4, 1e-12);
    Name seen[6] = {f.anim};
    int n = 1;
    for (int k = 0; k < 300 && !(f.anim == "TONTO"); ++k) {
        ticks(1);
        if (!(f.anim == seen[n - 1]) && n < 6) seen[n++] = f.anim;
    }
    ASSERT_EQ(n, 5);
    EXPECT_EQ(seen[1], "QUEDA-2");
    EXPECT_EQ(seen[2], "DEITADO");
    EXPECT_EQ(seen[3], "LEVANTAR");
    EXPECT_EQ(seen[4], "TONTO");
    EXPECT_EQ(f.dizzy, 0);
    EXPECT_EQ(f.intangible, 0);
    EXPECT_EQ(gs.soundRequest, 11);
}

TEST_F(FighterUpdate, AnEndedAnimationLoopsOrReturnsToRest) {
    struct Case {
        const char* anim;
        double posY;
        u8 crouching;
        const char* after;
        double frame;
    } cases[] = {
        {"ANDAR-FRENTE", 0, 0, "ANDAR-FRENTE", 0}, {"SOCO-FORTE", 0, 0, "PARADO", 0},
        {"SOCO-FORTE", 0, 1, "AGACHAR", 0},        {"SOCO-FORTE-AR", 0.6, 0, "PULAR", 120},
        {"LEVANTAR", 0, 0, "PARADO", 0},           {"DEITADO", 0, 0, "LEVANTAR", 0},
    };
    for (const Case& c : cases) {
        SetUp();
        personagem& f = one();
        f.anim = c.anim;
        ticks(1); // the table sets the length and the looping
        f.frame = f.frameCount;
        f.posY = c.posY;
        f.crouching = c.crouching;
        f.rotX = 30;
        ticks(1);
        EXPECT_EQ(f.anim, c.after) << c.anim;
        EXPECT_EQ(f.frame, c.frame) << c.anim;
        EXPECT_EQ(f.rotX, f.anim == c.anim ? 30 : 0) << "levelled when the animation changes";
        TearDown();
    }
}

TEST_F(FighterUpdate, TheThirdStockEmptiesThePowerGaugeOnTheNextTick) {
    personagem& f = one();
    f.stocks = 2;
    f.power = 100;
    ticks(1);
    EXPECT_EQ(f.stocks, 3);
    EXPECT_EQ(f.power, 100) << "shown full for the tick that filled it";
    EXPECT_EQ(f.glowTimer, 15);
    EXPECT_EQ(gs.soundRequest, 12);
    EXPECT_EQ(objectsOfKind(4), 1);
    ticks(1);
    EXPECT_EQ(f.power, 0);
    EXPECT_EQ(f.stocks, 3);
}

TEST_F(FighterUpdate, StocksAreSpentWhenTheSuperFlashIsOver) {
    struct Case {
        double flash;
        u8 stocks, toSpend;
        u8 after, level;
    } cases[] = {{2, 3, 2, 3, 0}, {0, 3, 2, 1, 2}, {0, 1, 2, 0, 2}};
    for (const Case& c : cases) {
        SetUp();
        personagem& f = one();
        gs.effectTimers[3] = c.flash;
        f.stocks = c.stocks;
        f.stocksToSpend = c.toSpend;
        ticks(1);
        EXPECT_EQ(f.stocks, c.after) << c.flash << " " << int(c.stocks);
        EXPECT_EQ(f.lastSuperLevel, c.level);
        EXPECT_EQ(f.stocksToSpend, c.flash > 0 ? c.toSpend : 0);
        TearDown();
    }
}

TEST_F(FighterUpdate, OpponentSideHasADeadBandOfPointTwo) {
    struct Case {
        double opponentX;
        const char* before;
        const char* after;
    } cases[] = {
        {0.2, "ESQ", "ESQ"}, {0.21, "ESQ", "DIR"}, {-0.2, "DIR", "DIR"}, {-0.21, "DIR", "ESQ"}};
    for (const Case& c : cases) {
        SetUp();
        one().posX = 0;
        two().posX = c.opponentX;
        one().opponentSide = c.before;
        ticks(1);
        EXPECT_EQ(one().opponentSide, c.after) << c.opponentX;
        TearDown();
    }
}

TEST_F(FighterUpdate, BoundsHoldOnlyInTheBattle) {
    struct Case {
        const char* scene;
        u8 cameraHold;
        double cameraTargetX;
        double x;
        double after;
    } cases[] = {
        {"BATALHA", 0, 1, 8, 6.3}, {"BATALHA", 0, 1, -12, -4.3}, {"BATALHA", 1, 1, 8, 8},
        {"BATALHA", 0, 2, 8, 8},   {"BATALHA", 1, 1, 12, 10},    {"VS-APRESENTACAO", 0, 1, 12, 12},
    };
    for (const Case& c : cases) {
        SetUp();
        gs.sceneName = c.scene;
        gs.arenaLimitX1 = -10;
        gs.arenaLimitX2 = 10;
        gs.cameraX = 1;
        gs.cameraTargetX = c.cameraTargetX;
        gs.cameraHold = c.cameraHold;
        two().posX = 0;
        one().posX = c.x;
        ticks(1);
        EXPECT_DOUBLE_EQ(one().posX, c.after) << c.scene << " " << c.x;
        TearDown();
    }
}

TEST_F(FighterUpdate, ItemEffectRestsDuringThePhasesAndThePause) {
    struct Case {
        void (*setup)();
        bool ticks;
    } cases[] = {
        {[] {}, true},
        {[] { gs.introTimer = 1; }, false},
        {[] { gs.timeOverTimer = 1; }, false},
        {[] { gs.knockOutTimer = 1; }, false},
        {[] { gs.resultTimer = 1; }, false},
        {[] { gs.paused = 1; }, false},
        {[] { gs.pauseMenuOpen = 1; }, false},
    };
    for (const Case& c : cases) {
        SetUp();
        personagem& f = one();
        f.life = 50;
        f.itemEffect = 2;
        f.itemEffectTimer = 100;
        c.setup();
        ticks(1);
        EXPECT_DOUBLE_EQ(f.life, c.ticks ? 50.12 : 50);
        EXPECT_DOUBLE_EQ(f.itemEffectTimer, c.ticks ? 99.5 : 100);
        TearDown();
    }
}

TEST_F(FighterUpdate, InvisibilityLastsTwoHundredAndFiftyTicks) {
    personagem& f = one();
    f.itemEffect = 5;
    f.itemEffectTimer = 100;
    ticks(249);
    EXPECT_EQ(f.itemEffect, 5);
    EXPECT_EQ(f.invisible, 1);
    ticks(2);
    EXPECT_EQ(f.itemEffect, 0);
    EXPECT_EQ(f.invisible, 0);
}

TEST_F(FighterUpdate, TheRedBarWaitsForTheCombo) {
    personagem& f = one();
    f.life = 60;
    f.lifeTrail = 80;
    two().comboTimer = 26;
    ticks(1);
    EXPECT_EQ(f.lifeTrail, 80);
    two().comboTimer = 25;
    ticks(1);
    EXPECT_EQ(f.lifeTrail, 76);
    ticks(10);
    EXPECT_EQ(f.lifeTrail, 60);
}

TEST_F(FighterUpdate, AFrozenWorldStopsTheFrameUnlessTheFighterMovesThroughIt) {
    personagem& f = one();
    playing(1, "SOCO-FORTE", 3);
    gs.worldFrozen = 1;
    ticks(1);
    EXPECT_EQ(f.frame, 2);
    f.movesWhileFrozen = 1;
    ticks(1);
    EXPECT_EQ(f.frame, 3);
    EXPECT_EQ(f.movesWhileFrozen, 0) << "set again only by the animation that needs it";
}

} // namespace

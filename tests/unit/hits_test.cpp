#include <gtest/gtest.h>

#include <string>

#include "battle_support.h"
#include "fight/animation.h"
#include "fight/fighter_setup.h"
#include "fight/hits.h"
#include "match/battle_scene.h"
#include "shell/rosters.h"
#include "test_support.h"

namespace {

// Fighter 1 attacks from the left facing "DIR"; fighter 2 stands at 0 facing "ESQ" with a
// body box of (-0.5, 0, -0.5)..(0.5, 2, 0.5), and part 6 of fighter 1 touches it.
class Hits : public ::testing::Test {
  protected:
    void SetUp() override {
        freshGame();
        registerFighter(1, 1, fighterRoster);
        registerFighter(2, 2, fighterRoster);
        gs.arenaLimitX1 = -10;
        gs.arenaLimitX2 = 10;
        gs.damageLevel = 3;
        gs.timeOverTimer = 0;
        gs.firstHitDone = 1;
        for (int i = 1; i <= 2; ++i) {
            personagem& f = gs.fighter(i);
            f.posX = i == 1 ? -1 : 0;
            f.posY = 0;
            f.posZ = 0;
            f.facing = i == 1 ? "DIR" : "ESQ";
            f.anim = "PARADO";
            f.frame = 3;
            f.curPose.root = {0, 0, 0};
            f.bodyBoxMin = {-0.5, 0, -0.5};
            f.bodyBoxMax = {0.5, 2, 0.5};
            f.boxMargin = 0;
            f.intangible = 0;
            f.attacking = 0;
            f.damageScale = 1;
            f.life = 100;
            f.guard = 100;
            f.power = 0;
            f.hits = {};
            for (partecorpo& p : f.parts) p.worldBox = {-50, -50, -50, -49, -49, -49};
        }
        a().attacking = 1;
        a().parts[6].worldBox = {-0.7, 1.0, -0.1, -0.45, 1.2, 0.1};
    }
    personagem& a() { return gs.fighter(1); }
    personagem& v() { return gs.fighter(2); }

    // One window of fighter 1 striking with parts 6 and 7 in frames 2..4.
    void window(const char* level, double damage = 10, double knockback = -0.11) {
        a().anim = "SOCO-FRACO";
        addAttackWindow(1, "SOCO-FRACO", "06-07", 4, 2, 4, damage, 10, 8, knockback, 3, level);
    }
    // A pending contact on fighter 2 as the guard pass leaves it.
    void pending(const char* level, double damage, u8 guarding = 0) {
        v().lastHitType = level;
        v().pendingDamage = damage;
        v().pendingGuardDamage = 10;
        v().pendingDizzy = 0;
        v().pendingKnockback = 0.1;
        v().hitSound = 4;
        v().wasHit = 1;
        v().guarding = guarding;
    }
};

} // namespace

TEST_F(Hits, BoxesTouchingOnAFaceOverlap) {
    EXPECT_TRUE(boxesOverlap({0, 0, 0, 1, 1, 1}, {1, 1, 1, 2, 2, 2}));
    EXPECT_FALSE(boxesOverlap({0, 0, 0, 1, 1, 1}, {1.01, 0, 0, 2, 1, 1}));
    EXPECT_FALSE(boxesOverlap({0, 0, 0, 1, 1, 1}, {0, 0, 1.5, 1, 1, 2}));
}

TEST_F(Hits, EachGuardStopsItsLevels) {
    struct Case {
        const char* level;
        const char* guardAnim;
        double attackerY;
        int blocked;
    };
    const Case cases[] = {
        {"ALTO-1", "DEFESA-ALTA", 0, 1},  {"ALTO-3", "DEFESA-ALTA", 0, 1},
        {"BAIXO", "DEFESA-ALTA", 0, 0},   {"BAIXO-DERRUBA", "DEFESA-ALTA", 0, 0},
        {"BAIXO", "DEFESA-BAIXA", 0, 1},  {"ALTO-3", "DEFESA-BAIXA", 0, 0},
        {"ALTO-4", "DEFESA-BAIXA", 0, 0}, {"ALTO-COMBO", "DEFESA-BAIXA", 0, 1},
        {"ALTO-1", "PARADO", 0, 0},       {"-", "DEFESA-ALTA", 0, 0},
        {"-", "DEFESA-BAIXA", 0, 0},      {"-", "DEFESA-AEREA", 0, 0},
        {"-", "DEFESA-AEREA", 1, 1},      {"BAIXO", "DEFESA-AEREA", 0.31, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.level) + " against " + c.guardAnim);
        SetUp();
        window(c.level);
        a().posY = c.attackerY;
        v().anim = c.guardAnim;
        guardPass(1);
        EXPECT_EQ(v().lastHitType, c.level);
        EXPECT_EQ(v().guarding, c.blocked);
    }
}

TEST_F(Hits, AContactLeavesThePendingHitAndSpendsTheWindow) {
    window("ALTO-1", 10, -0.11);
    guardPass(1);
    EXPECT_DOUBLE_EQ(v().pendingDamage, 10);
    EXPECT_DOUBLE_EQ(v().pendingGuardDamage, 10);
    EXPECT_DOUBLE_EQ(v().pendingDizzy, 8);
    EXPECT_DOUBLE_EQ(v().pendingKnockback, -0.11); // facing each other
    EXPECT_EQ(v().wasHit, 1);
    EXPECT_EQ(v().chipHit, 0);
    EXPECT_DOUBLE_EQ(v().hitPoint[0], -0.575);
    EXPECT_DOUBLE_EQ(a().hits[1].damage, 0);
    EXPECT_EQ(a().stunLock, 13);
    EXPECT_EQ(a().chainWindow, 5);
    EXPECT_DOUBLE_EQ(a().power, 2);
    EXPECT_DOUBLE_EQ(gs.hitStop, 3);
    EXPECT_DOUBLE_EQ(a().slideSpeed, 0); // not cornered

    // Part 7 touching too: a second contact in the same tick rewrites the contact (without
    // damage, the window being spent) and again grants power.
    SetUp();
    window("ALTO-1");
    a().parts[7].worldBox = a().parts[6].worldBox;
    v().facing = "DIR"; // struck from behind
    guardPass(1);
    EXPECT_DOUBLE_EQ(v().pendingDamage, 10);
    EXPECT_DOUBLE_EQ(v().pendingKnockback, 0.11);
    EXPECT_DOUBLE_EQ(a().power, 4);
}

TEST_F(Hits, NoContactOutsideTheWindowTheBoxOrOnAnIntangibleVictim) {
    struct Case {
        const char* what;
        double frame;
        double margin;
        u8 intangible;
        u8 attacking;
    };
    const Case cases[] = {{"before the window", 1, 0, 0, 1},
                          {"after the window", 5, 0, 0, 1},
                          {"intangible", 3, 0, 1, 1},
                          {"not attacking", 3, 0, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        window("ALTO-1");
        a().frame = c.frame;
        a().attacking = c.attacking;
        v().intangible = c.intangible;
        guardPass(1);
        EXPECT_TRUE(v().lastHitType.empty());
        EXPECT_DOUBLE_EQ(a().power, 0);
    }
    // Out of reach by 0.05, in reach with a margin of 0.05.
    SetUp();
    window("ALTO-1");
    a().parts[6].worldBox = {-0.8, 1.0, -0.1, -0.55, 1.2, 0.1};
    guardPass(1);
    EXPECT_TRUE(v().lastHitType.empty());
    a().boxMargin = 0.05;
    guardPass(1);
    EXPECT_EQ(v().lastHitType, "ALTO-1");
}

TEST_F(Hits, ACorneredVictimPushesTheAttackerBack) {
    gs.arenaLimitX2 = 0.4;
    window("ALTO-1", 10, -0.11);
    guardPass(1);
    EXPECT_DOUBLE_EQ(a().slideSpeed, 1.1 * -0.11);
}

TEST_F(Hits, BlockedHitsChipOnlySpecialsScaledByTheDamageLevel) {
    struct Case {
        u8 neutral;
        u8 level;
        double lifeLost;
    };
    const Case cases[] = {{1, 3, 5}, {0, 3, 0}, {1, 1, 2.5}, {1, 5, 7.5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "neutral " << int(c.neutral) << " level " << int(c.level));
        SetUp();
        gs.damageLevel = c.level;
        window("ALTO-1", 20, -0.1);
        a().neutral = c.neutral;
        v().anim = "DEFESA-ALTA";
        guardPass(1);
        damagePass(2);
        EXPECT_DOUBLE_EQ(v().life, 100 - c.lifeLost);
        EXPECT_DOUBLE_EQ(v().guard, 90);
        EXPECT_EQ(v().guardDelay, 85);
        EXPECT_DOUBLE_EQ(gs.hitStop, 3 * 1.6);
        EXPECT_EQ(gs.soundRequest, 9);
        EXPECT_DOUBLE_EQ(v().slideSpeed, -0.05);
        EXPECT_TRUE(v().lastHitType.empty());
        EXPECT_EQ(v().anim, "DEFESA-ALTA");
    }
}

TEST_F(Hits, UnblockedDamageFollowsTheDamageLevel) {
    struct Case {
        u8 level;
        double lifeLost;
    };
    for (const Case& c : {Case{1, 5}, Case{3, 10}, Case{5, 15}}) {
        SetUp();
        gs.damageLevel = c.level;
        pending("ALTO-1", 10);
        damagePass(2);
        EXPECT_DOUBLE_EQ(v().life, 100 - c.lifeLost);
        EXPECT_DOUBLE_EQ(v().power, 1.5 * c.lifeLost);
        EXPECT_DOUBLE_EQ(a().comboDamage, c.lifeLost);
        EXPECT_EQ(v().anim, "SOFRE-ATAQUE-ALTO-1");
        EXPECT_EQ(gs.soundRequest, 4);
        EXPECT_TRUE(v().lastHitType.empty());
        EXPECT_DOUBLE_EQ(v().pendingDamage, 0);
    }
}

TEST_F(Hits, TheComboCounterRestartsWhenThePreviousHitIsOld) {
    struct Case {
        double comboTimer;
        int hitCount;
    };
    for (const Case& c : {Case{27, 4}, Case{26, 1}}) {
        SetUp();
        a().hitCount = 3;
        a().comboTimer = c.comboTimer;
        pending("ALTO-1", 10);
        damagePass(2);
        EXPECT_EQ(a().hitCount, c.hitCount);
        EXPECT_DOUBLE_EQ(a().comboTimer, 35);
    }
}

TEST_F(Hits, ReactionsFollowTheHitLevel) {
    struct Case {
        const char* level;
        const char* anim;
        u8 intangible;
    };
    const Case cases[] = {{"ALTO-4", "SOFRE-ATAQUE-ALTO-2", 0},
                          {"BAIXO", "SOFRE-ATAQUE-BAIXO", 0},
                          {"VOADORA", "QUEDA-3", 1},
                          {"ALTO-DERRUBA", "QUEDA-1", 1},
                          {"ALTO-COMBO", "SOFRE-COMBO-AEREO", 0},
                          {"-", "PARADO", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        SetUp();
        v().frame = 7;
        pending(c.level, 10);
        damagePass(2);
        EXPECT_EQ(v().anim, c.anim);
        EXPECT_EQ(v().intangible, c.intangible);
        EXPECT_DOUBLE_EQ(v().frame, 0);
    }
    // A knock-down launches the victim along its facing.
    SetUp();
    pending("ALTO-DERRUBA", 10);
    damagePass(2);
    EXPECT_EQ(v().airborne, 1);
    EXPECT_DOUBLE_EQ(v().jumpVelY, 0.45);
    EXPECT_DOUBLE_EQ(v().jumpVelX, -0.1);
}

TEST_F(Hits, FullDizzinessKnocksDown) {
    v().dizzy = 95;
    pending("ALTO-1", 10);
    v().pendingDizzy = 8;
    damagePass(2);
    EXPECT_EQ(v().anim, "QUEDA-1");
    EXPECT_DOUBLE_EQ(v().jumpVelY, 0.55);
    EXPECT_DOUBLE_EQ(v().jumpVelX, 0.07); // facing "ESQ", slide -0.07 toward its back
}

TEST_F(Hits, TheSixthJuggleHitThrowsTheVictimAway) {
    v().anim = "SOFRE-COMBO-AEREO";
    v().posY = 2;
    v().airborne = 1;
    a().airComboStep = 4;
    pending("ALTO-COMBO", 5);
    v().pendingKnockback = 0;
    damagePass(2);
    EXPECT_EQ(v().anim, "SOFRE-COMBO-AEREO");
    EXPECT_DOUBLE_EQ(v().frame, 5);
    EXPECT_EQ(a().airComboStep, 5);

    pending("ALTO-COMBO", 5);
    v().pendingKnockback = 0;
    damagePass(2);
    EXPECT_EQ(a().airComboStep, 6);
    EXPECT_EQ(v().anim, "QUEDA-1");
    EXPECT_DOUBLE_EQ(v().frame, 0);
    EXPECT_DOUBLE_EQ(v().jumpVelX, 0.5); // away from a victim facing "ESQ"
    EXPECT_DOUBLE_EQ(v().jumpVelY, 0.3); // not launched again
    EXPECT_DOUBLE_EQ(a().jumpVelY, 0.4);
}

TEST_F(Hits, AnAirHitKnocksTheVictimUpAndAGroundHitGrounds) {
    v().posY = 1;
    v().airborne = 1;
    pending("ALTO-1", 10);
    damagePass(2);
    EXPECT_EQ(v().anim, "SOFRE-ATAQUE-AR");
    EXPECT_DOUBLE_EQ(v().posY, 1.5);
    EXPECT_DOUBLE_EQ(v().jumpVelY, 0.5);
    EXPECT_DOUBLE_EQ(v().jumpVelX, 0.13);

    SetUp();
    v().posY = 0.4;
    v().airborne = 1;
    v().jumpVelY = 0.2;
    pending("ALTO-1", 10);
    damagePass(2);
    EXPECT_DOUBLE_EQ(v().posY, 0);
    EXPECT_EQ(v().airborne, 0);
    EXPECT_DOUBLE_EQ(v().jumpVelY, 0);
}

TEST_F(Hits, TimeOverHitsReactWithoutDamage) {
    gs.timeOverTimer = 50;
    pending("ALTO-1", 10);
    damagePass(2);
    EXPECT_DOUBLE_EQ(v().life, 100);
    EXPECT_EQ(v().anim, "SOFRE-ATAQUE-ALTO-1");
    EXPECT_EQ(a().hitCount, 0);

    SetUp();
    gs.timeOverTimer = 50;
    window("ALTO-1", 20);
    a().neutral = 1;
    v().anim = "DEFESA-ALTA";
    guardPass(1);
    damagePass(2);
    EXPECT_DOUBLE_EQ(v().life, 100);
    EXPECT_DOUBLE_EQ(v().guard, 100);
}

TEST_F(Hits, CounterHitsFirstHitAndKnockedAwayItems) {
    gs.firstHitDone = 0;
    v().attacking = 1;
    v().frame = 3;
    v().anim = "SOCO-FRACO";
    addAttackWindow(2, "SOCO-FRACO", "06-07", 4, 2, 4, 4, 10, 8, -0.11, 3, "ALTO-1");
    v().hits[1].damage = 0; // spent windows still count
    v().items[0] = 2;
    v().itemReady = 1;
    pending("ALTO-1", 10);
    v().specialHit = 1;
    damagePass(2);
    EXPECT_DOUBLE_EQ(a().hudTimerB, 40);
    EXPECT_DOUBLE_EQ(a().hudTimerA, 40);
    EXPECT_EQ(gs.firstHitDone, 1);
    EXPECT_EQ(v().items[0], 0);
    EXPECT_EQ(v().itemReady, 0);
    int flying = 0;
    for (const auto& o : gs.objectPool) flying += o.kind == 21 ? 1 : 0;
    EXPECT_EQ(flying, 1);
}

// The battle tick: the renderer places the fist, the guard pass finds the contact and the
// damage pass makes the opponent reel.
TEST(HitsInBattle, AWeakPunchAtCloseRangeLands) {
    freshBattle();
    gs.damageLevel = 3;
    gs.fighter(1).posX = -0.6;
    gs.fighter(2).posX = 0.6;
    battleScene();
    ASSERT_TRUE(requestAnimation(1, "SOCO-FRACO"));
    bool reeled = false;
    for (int tick = 0; tick < 20 && !reeled; ++tick) {
        battleScene();
        reeled = gs.fighter(2).anim == "SOFRE-ATAQUE-ALTO-1";
    }
    EXPECT_TRUE(reeled);
    EXPECT_DOUBLE_EQ(gs.fighter(2).life, gs.fighter(2).lifeTrail - 4);
    EXPECT_EQ(gs.fighter(1).hitCount, 1);
}

// Torvel's specials and supers: which states each may start from, the windows each opens,
// its key poses, the stones the slingshot moves throw and, on the real battle tick, that
// each move reaches an idle opponent standing in front.
#include <cmath>
#include <string>

#include "battle_support.h"
#include "fight/animation.h"
#include "fight/characters/specials.h"
#include "fight/fight_hooks.h"
#include "fight/objects.h"
#include "fighter_update_support.h"
#include "match/battle_scene.h"

namespace {

using TorvelSpecials = FighterTest;

const objeto* firstObjectOfKind(int kind) {
    for (const objeto& o : gs.objectPool)
        if (o.kind == kind) return &o;
    return nullptr;
}

int liveWindows(const personagem& f) {
    int n = 0;
    for (const Acertos& a : f.hits) n += a.damage > 0 ? 1 : 0;
    return n;
}

} // namespace

TEST_F(TorvelSpecials, StartsOnlyFromTheStatesItsRuleAllows) {
    constexpr int none = 0;
    struct Case {
        const char* from;
        double frame;
        u8 actionLock, crouchLock, stocks;
        int stoneKind, stoneOwner; // a stone in flight
        const char* move;
        bool starts;
    } cases[] = {
        {"PARADO", 30, 0, 0, 0, none, 0, "GOLPE-PROJETIL-FRACO", true},
        {"CORRIDA", 30, 0, 0, 0, none, 0, "GOLPE-PROJETIL-FORTE", true},
        {"DEFESA-BAIXA", 30, 0, 0, 0, none, 0, "GOLPE-PROJETIL-FRACO", true},
        {"PARADO", 30, 0, 0, 0, 16, 1, "GOLPE-PROJETIL-FRACO", false},
        {"PARADO", 30, 0, 0, 0, 17, 1, "GOLPE-PROJETIL-FORTE", false},
        {"PARADO", 30, 0, 0, 0, 15, 2, "GOLPE-PROJETIL-FRACO", true}, // the opponent's stone
        {"SOCO-FRACO", 1, 0, 0, 0, none, 0, "GOLPE-PROJETIL-FRACO", true},
        {"SOCO-FRACO", 2, 0, 0, 0, none, 0, "GOLPE-PROJETIL-FRACO", false},
        {"SOCO-FRACO", 2, 0, 0, 0, none, 0, "GOLPE-ANTI-AEREO-FRACO", false},
        {"SOCO-FORTE-AGACHADO", 0, 0, 0, 0, none, 0, "GOLPE-ANTI-AEREO-FORTE", true},
        {"CHUTE-FRACO", 0, 0, 0, 0, none, 0, "GOLPE-PROJETIL-FRACO", false},
        {"PARADO", 30, 0, 1, 0, none, 0, "GOLPE-PROJETIL-FRACO", false},
        {"AGACHAR", 30, 0, 1, 0, none, 0, "GOLPE-ANTI-AEREO-FRACO", true},
        {"AGACHAR", 30, 0, 2, 0, none, 0, "GOLPE-ANTI-AEREO-FRACO", false},
        {"PARADO", 30, 1, 0, 0, none, 0, "GOLPE-ANTI-AEREO-FORTE", false},
        {"LEVANTAR", 12, 0, 0, 0, none, 0, "GOLPE-ANTI-AEREO-FRACO", true},
        {"LEVANTAR", 11, 0, 0, 0, none, 0, "GOLPE-ANTI-AEREO-FRACO", false},
        {"LEVANTAR", 12, 0, 0, 0, none, 0, "GOLPE-PROJETIL-FRACO", false},
        {"LEVANTAR", 12, 0, 0, 0, none, 0, "GOLPE-CURTA-DISTANCIA-FORTE", true},
        {"LEVANTAR", 12, 0, 0, 0, none, 0, "GOLPE-EXPLOSAO-FORTE", false},
        {"CHUTE-FRACO-AGACHADO", 1, 0, 0, 0, none, 0, "GOLPE-CURTA-DISTANCIA-FRACO", true},
        {"CHUTE-FORTE-AGACHADO", 1, 0, 0, 0, none, 0, "GOLPE-EXPLOSAO-FRACO", true},
        {"CHUTE-FORTE", 2, 0, 0, 0, none, 0, "GOLPE-EXPLOSAO-FRACO", false},
        {"RECUO", 3, 0, 0, 0, none, 0, "GOLPE-EXPLOSAO-FORTE", true},
        {"PARADO", 30, 0, 1, 0, none, 0, "GOLPE-CURTA-DISTANCIA-FRACO", false},
        {"PULAR", 30, 0, 5, 0, none, 0, "GOLPE-AEREO-FRACO", true},
        {"SOCO-FORTE-AR", 8, 0, 0, 0, none, 0, "GOLPE-AEREO-FORTE", true},
        {"DEFESA-AEREA", 8, 0, 0, 0, none, 0, "GOLPE-AEREO-FORTE", true},
        {"CHUTE-FORTE-AR", 1, 0, 0, 0, none, 0, "GOLPE-AEREO-FRACO", false},
        {"PARADO", 30, 0, 0, 0, none, 0, "GOLPE-AEREO-FRACO", false},
        {"PULAR", 30, 1, 0, 0, none, 0, "GOLPE-AEREO-FRACO", false},
        {"DEFESA-AEREA", 8, 0, 0, 0, none, 0, "GOLPE-ANTI-AEREO-FORTE", false},
        {"PARADO", 30, 0, 0, 1, none, 0, "SUPER-GOLPE-PROJETIL-FRACO", true},
        {"PARADO", 30, 0, 0, 0, none, 0, "SUPER-GOLPE-PROJETIL-FRACO", false},
        {"PARADO", 30, 0, 0, 1, none, 0, "SUPER-GOLPE-PROJETIL-FORTE", false},
        {"PARADO", 30, 0, 0, 2, none, 0, "SUPER-GOLPE-PROJETIL-FORTE", true},
        {"PARADO", 30, 0, 0, 3, 15, 1, "SUPER-GOLPE-PROJETIL-FORTE", false},
        {"LEVANTAR", 14, 0, 0, 1, none, 0, "SUPER-GOLPE-PROJETIL-FRACO", true},
        {"CHUTE-FORTE", 1, 0, 0, 2, none, 0, "SUPER-GOLPE-CURTA-DISTANCIA-FORTE", true},
        {"CHUTE-FRACO-AGACHADO", 1, 0, 0, 2, none, 0, "SUPER-GOLPE-CURTA-DISTANCIA-FORTE", false},
        {"AGACHAR", 30, 0, 1, 2, none, 0, "SUPER-GOLPE-CURTA-DISTANCIA-FRACO", false},
        {"PARADO", 30, 0, 0, 0, none, 0, "GOLPE-PROJETIL", false},
        {"PARADO", 30, 0, 0, 0, none, 0, "GOLPE-CHUTE-GIRAR-FRACO", false},
        {"PARADO", 30, 0, 0, 0, none, 0, "GOLPE-PROJETIL-MEDIO", false},
    };
    for (const Case& c : cases) {
        SetUp();
        personagem& f = one();
        f.anim = c.from;
        f.frame = c.frame;
        f.actionLock = c.actionLock;
        f.crouchLock = c.crouchLock;
        f.stocks = c.stocks;
        f.facing = "ESQ"; // the opponent stands to his right
        f.queuedAnim = "SOCO-FORTE";
        if (c.stoneKind != none)
            spawnObject(static_cast<u8>(c.stoneKind), "-", objectWhite, 0, 2, 3.5, 0.2, 0.2, 0,
                        static_cast<u8>(c.stoneOwner));
        startSpecialMove(1, c.move);
        const std::string what = std::string(c.move) + " from " + c.from + " frame " +
                                 std::to_string(c.frame) + " stocks " + std::to_string(c.stocks);
        if (!c.starts) {
            EXPECT_EQ(f.anim, c.from) << what;
            EXPECT_EQ(gs.effectTimers[3], 0) << what;
            EXPECT_EQ(f.stocksToSpend, 0) << what;
            TearDown();
            continue;
        }
        EXPECT_EQ(f.anim, c.move) << what;
        EXPECT_EQ(f.frame, 0) << what;
        EXPECT_TRUE(f.queuedAnim.empty()) << what;
        EXPECT_EQ(f.facing, "DIR") << what;
        const bool super = std::string(c.move).starts_with("SUPER-");
        const bool strongSuper = super && std::string(c.move).ends_with("-FORTE");
        EXPECT_EQ(f.stocksToSpend, super ? (strongSuper ? 2 : 1) : 0) << what;
        EXPECT_EQ(gs.effectTimers[3], super ? 13 : 0) << what;
        EXPECT_EQ(gs.superOwner, super ? 1 : 0) << what;
        TearDown();
    }
}

TEST_F(TorvelSpecials, EachMoveOpensItsOwnWindows) {
    struct Case {
        const char* move;
        int count; // windows live after the start
        int slot;  // one of them (1..30), checked in full
        double first, last, damage, guard, dizzy, push;
        const char* level;
        u8 firstPart, lastPart;
    } cases[] = {
        {"GOLPE-PROJETIL-FORTE", 0, 1, 0, 0, 0, 0, 0, 0, "", 0, 0},
        {"GOLPE-ANTI-AEREO-FRACO", 1, 1, 2, 10, 8, 12, 12, -0.15, "ALTO-DERRUBA", 3, 4},
        {"GOLPE-ANTI-AEREO-FORTE", 1, 1, 2, 10, 12, 14, 14, -0.18, "ALTO-DERRUBA", 3, 4},
        {"GOLPE-CURTA-DISTANCIA-FRACO", 4, 1, 7, 10, 3, 6, 5, -0.1, "ALTO-2", 9, 13},
        {"GOLPE-CURTA-DISTANCIA-FORTE", 4, 4, 23, 26, 4, 6, 4, -0.12, "ALTO-DERRUBA", 9, 13},
        {"GOLPE-EXPLOSAO-FRACO", 3, 2, 13, 15, 3, 6, 5, -0.2, "ALTO-2", 12, 13},
        {"GOLPE-EXPLOSAO-FORTE", 3, 3, 21, 23, 6, 8, 7, -0.16, "ALTO-DERRUBA", 9, 10},
        {"GOLPE-AEREO-FORTE", 1, 1, 4, 40, 12, 14, 12, -0.1, "ALTO-DERRUBA", 10, 14},
        {"SUPER-GOLPE-PROJETIL-FORTE", 0, 1, 0, 0, 0, 0, 0, 0, "", 0, 0},
        {"SUPER-GOLPE-CURTA-DISTANCIA-FRACO", 8, 1, 4, 8, 2, 2, 0, 0, "ALTO-2", 9, 13},
        {"SUPER-GOLPE-CURTA-DISTANCIA-FRACO", 8, 7, 28, 32, 2, 2, 0, 0, "ALTO-2", 9, 13},
        {"SUPER-GOLPE-CURTA-DISTANCIA-FRACO", 8, 8, 32, 36, 8, 3, 10, -0.1, "ALTO-DERRUBA", 9, 13},
        {"SUPER-GOLPE-CURTA-DISTANCIA-FORTE", 16, 1, 4, 6, 2, 2, 0.5, 0, "ALTO-2", 9, 13},
        {"SUPER-GOLPE-CURTA-DISTANCIA-FORTE", 16, 15, 32, 34, 2, 2, 0.5, 0, "ALTO-2", 9, 13},
        {"SUPER-GOLPE-CURTA-DISTANCIA-FORTE", 16, 16, 34, 36, 2, 3, 10, -0.1, "ALTO-DERRUBA", 9,
         13},
    };
    for (const Case& c : cases) {
        SetUp();
        personagem& f = one();
        f.stocks = 3;
        f.anim = std::string(c.move).starts_with("GOLPE-AEREO") ? "PULAR" : "PARADO";
        f.hits[30].damage = 99; // a window of the move before is freed
        startSpecialMove(1, c.move);
        ASSERT_EQ(f.anim, c.move);
        ASSERT_EQ(liveWindows(f), c.count) << c.move;
        if (c.count > 0) {
            const Acertos& a = f.hits[static_cast<std::size_t>(c.slot)];
            const std::string what = std::string(c.move) + " slot " + std::to_string(c.slot);
            EXPECT_EQ(a.firstFrame, c.first) << what;
            EXPECT_EQ(a.lastFrame, c.last) << what;
            EXPECT_EQ(a.damage, c.damage) << what;
            EXPECT_EQ(a.guardDamage, c.guard) << what;
            EXPECT_EQ(a.dizzyDamage, c.dizzy) << what;
            EXPECT_EQ(a.knockback, c.push) << what;
            EXPECT_EQ(a.hitType, c.level) << what;
            EXPECT_EQ(a.hitSound, 6) << what;
            EXPECT_EQ(a.hitParts[c.firstPart], 1) << what;
            EXPECT_EQ(a.hitParts[c.lastPart], 1) << what;
            EXPECT_EQ(a.hitParts[1], 0) << what;
        }
        TearDown();
    }
}

TEST_F(TorvelSpecials, KeyPosesFollowTheScript) {
    constexpr bool shown = true;
    struct Case {
        const char* anim;
        double frame;
        long start, end; // -1: that key was not loaded this frame
        double blend;
        bool slingshot;
    } cases[] = {
        {"GOLPE-PROJETIL-FRACO", 2, 78, 79, 66.66, shown},
        {"GOLPE-PROJETIL-FORTE", 3, 78, 79, 99.99, shown},
        {"GOLPE-PROJETIL-FORTE", 9, 79, 80, 49.98, shown},
        {"GOLPE-PROJETIL-FRACO", 13, -1, -1, 100, shown},
        {"GOLPE-PROJETIL-FRACO", 17, 80, 1, 40, !shown},
        {"SUPER-GOLPE-PROJETIL-FORTE", 16, -1, -1, 100, shown},
        {"SUPER-GOLPE-PROJETIL-FRACO", 18, 80, 1, 33.33, !shown},
        {"GOLPE-ANTI-AEREO-FORTE", 5, 81, 82, 71.4, !shown},
        {"GOLPE-ANTI-AEREO-FRACO", 12, 81, 82, 100, !shown},
        {"GOLPE-CURTA-DISTANCIA-FRACO", 2, 83, 84, 50, !shown},
        {"GOLPE-CURTA-DISTANCIA-FORTE", 5, 84, 85, 33, !shown},
        {"GOLPE-CURTA-DISTANCIA-FORTE", 20, 85, -1, 0, !shown},
        {"GOLPE-CURTA-DISTANCIA-FRACO", 30, 85, 25, 25, !shown},
        {"GOLPE-CURTA-DISTANCIA-FRACO", 38, -1, -1, 100, !shown},
        {"GOLPE-EXPLOSAO-FRACO", 1, 23, -1, 0, !shown},
        {"GOLPE-EXPLOSAO-FORTE", 3, 86, 87, 50, !shown},
        {"GOLPE-EXPLOSAO-FORTE", 5, 86, 87, 100, !shown},
        {"GOLPE-EXPLOSAO-FRACO", 6, 87, 88, 25, !shown},
        {"GOLPE-EXPLOSAO-FRACO", 24, 91, 90, 75, !shown},
        {"GOLPE-EXPLOSAO-FRACO", 26, -1, -1, 100, !shown},
        {"GOLPE-AEREO-FORTE", 3, 16, -1, 0, !shown},
        {"SUPER-GOLPE-CURTA-DISTANCIA-FRACO", 2, 83, 84, 66, !shown},
        {"SUPER-GOLPE-CURTA-DISTANCIA-FORTE", 4, 84, 85, 50, !shown},
        {"SUPER-GOLPE-CURTA-DISTANCIA-FORTE", 30, 85, -1, 0, !shown},
        {"SUPER-GOLPE-CURTA-DISTANCIA-FRACO", 44, 85, 25, 50, !shown},
        {"SUPER-GOLPE-CURTA-DISTANCIA-FRACO", 55, -1, -1, 100, !shown},
    };
    for (const Case& c : cases) {
        SetUp();
        const personagem& f = playFrame(1, c.anim, c.frame, [](personagem& p) {
            p.posY = 3; // high enough that the dive is still in the air
        });
        const std::string what = std::string(c.anim) + " frame " + std::to_string(c.frame);
        ASSERT_EQ(f.anim, c.anim) << what;
        expectKeys(f, c.start, c.end, c.blend, what);
        EXPECT_EQ(f.parts[16].visible, c.slingshot ? 1 : 0) << what;
        EXPECT_EQ(f.attacking,
                  std::string(c.anim).starts_with("GOLPE-CURTA") && c.frame >= 28 ? 0 : 1)
            << what;
        TearDown();
    }
}

// The five specials charge 6 power at frame 4 and only then; the supers charge nothing.
TEST_F(TorvelSpecials, SpecialsChargePowerAtFrameFour) {
    struct Case {
        const char* anim;
        double frame, gained;
    } cases[] = {
        {"GOLPE-PROJETIL-FRACO", 4, 6},
        {"GOLPE-PROJETIL-FRACO", 5, 0},
        {"GOLPE-ANTI-AEREO-FORTE", 4, 6},
        {"GOLPE-CURTA-DISTANCIA-FRACO", 4, 6},
        {"GOLPE-EXPLOSAO-FORTE", 4, 6},
        {"GOLPE-AEREO-FRACO", 4, 6},
        {"GOLPE-AEREO-FRACO", 3, 0},
        {"SUPER-GOLPE-PROJETIL-FRACO", 4, 0},
        {"SUPER-GOLPE-CURTA-DISTANCIA-FORTE", 4, 0},
    };
    for (const Case& c : cases) {
        SetUp();
        const personagem& f = playFrame(1, c.anim, c.frame, [](personagem& p) {
            p.power = 10;
            p.posY = 3;
        });
        EXPECT_EQ(f.power, 10 + c.gained) << c.anim << " frame " << c.frame;
        TearDown();
    }
}

// The stone leaves the slingshot at its frame, 2.1 up and 0.2 ahead, heading the way he
// faces, owned by him, and only one.
TEST_F(TorvelSpecials, TheSlingshotThrowsItsStoneAtItsFrame) {
    struct Case {
        const char* anim;
        double frame;
        bool facingLeft;
        int kind; // 0: nothing thrown this frame
    } cases[] = {
        {"GOLPE-PROJETIL-FRACO", 5, false, 15},      {"GOLPE-PROJETIL-FORTE", 5, true, 16},
        {"GOLPE-PROJETIL-FRACO", 4, false, 0},       {"GOLPE-PROJETIL-FORTE", 6, false, 0},
        {"SUPER-GOLPE-PROJETIL-FRACO", 4, true, 17}, {"SUPER-GOLPE-PROJETIL-FORTE", 4, false, 18},
        {"SUPER-GOLPE-PROJETIL-FORTE", 5, false, 0},
    };
    for (const Case& c : cases) {
        SetUp();
        personagem& f = one();
        if (c.facingLeft) f.posX = 4; // right of the opponent
        f.facing = c.facingLeft ? "ESQ" : "DIR";
        const double x = f.posX;
        playFrame(1, c.anim, c.frame);
        const std::string what = std::string(c.anim) + " frame " + std::to_string(c.frame) +
                                 (c.facingLeft ? " left" : " right");
        int stones = 0;
        for (int k = 15; k <= 18; ++k) stones += objectsOfKind(k);
        ASSERT_EQ(stones, c.kind == 0 ? 0 : 1) << what;
        if (c.kind == 0) {
            TearDown();
            continue;
        }
        const objeto* o = firstObjectOfKind(c.kind);
        ASSERT_NE(o, nullptr) << what;
        const double side = c.facingLeft ? -1 : 1;
        EXPECT_NEAR(o->x, x + 0.2 * side, 1e-9) << what;
        EXPECT_NEAR(o->y, 2.1, 1e-9) << what;
        EXPECT_NEAR(o->z, f.posZ + 0.2 * side, 1e-9) << what;
        EXPECT_EQ(o->angle, c.facingLeft ? 180 : 0) << what;
        EXPECT_EQ(o->owner, 1) << what;
        TearDown();
    }
}

namespace {

// Torvel as fighter 1 and Seu Brandolim as fighter 2 in the middle of the arena, `gap`
// apart, both idle, after two battle ticks (boxes set, gap measured).
void facingPair(double gap) {
    freshBattle();
    gs.damageLevel = 3;
    const f64 middle = (gs.arenaLimitX1 + gs.arenaLimitX2) / 2;
    gs.fighter(1).posX = middle - gap / 2;
    gs.fighter(2).posX = middle + gap / 2;
    battleScene();
    battleScene();
}

} // namespace

// On the real battle tick each move reaches the idle opponent in front of it; the slingshot
// moves reach it with their stones.
TEST(TorvelSpecialsInBattle, EachMoveReachesAnIdleOpponentInFront) {
    struct Case {
        const char* move;
        double gap;
        bool fromJump;
        int stoneKind; // 0: the move hits with the body
    } cases[] = {
        {"GOLPE-PROJETIL-FRACO", 4, false, 15},
        {"GOLPE-PROJETIL-FORTE", 4, false, 16},
        {"GOLPE-ANTI-AEREO-FRACO", 1.1, false, 0},
        {"GOLPE-ANTI-AEREO-FORTE", 1.1, false, 0},
        {"GOLPE-CURTA-DISTANCIA-FRACO", 1.1, false, 0},
        {"GOLPE-CURTA-DISTANCIA-FORTE", 1.1, false, 0},
        {"GOLPE-EXPLOSAO-FRACO", 1.1, false, 0},
        {"GOLPE-EXPLOSAO-FORTE", 1.1, false, 0},
        {"GOLPE-AEREO-FRACO", 1.6, true, 0},
        {"GOLPE-AEREO-FORTE", 1.6, true, 0},
        {"SUPER-GOLPE-PROJETIL-FRACO", 4, false, 17},
        {"SUPER-GOLPE-PROJETIL-FORTE", 4, false, 18},
        {"SUPER-GOLPE-CURTA-DISTANCIA-FRACO", 1.1, false, 0},
        {"SUPER-GOLPE-CURTA-DISTANCIA-FORTE", 1.1, false, 0},
    };
    for (const Case& c : cases) {
        facingPair(c.gap);
        personagem& a = gs.fighter(1);
        const personagem& v = gs.fighter(2);
        a.stocks = 3;
        if (c.fromJump) {
            a.anim = "PULAR";
            a.frame = 10;
            a.posY = 2;
            a.airborne = 1;
        }
        startSpecialMove(1, c.move);
        ASSERT_EQ(a.anim, c.move) << c.move;
        bool stoneFlew = false;
        int tick = 0;
        for (; tick < 120 && !(v.life < 100); ++tick) {
            battleScene();
            stoneFlew =
                stoneFlew || (c.stoneKind != 0 && firstObjectOfKind(c.stoneKind) != nullptr);
        }
        EXPECT_LT(v.life, 100) << c.move;
        if (c.stoneKind != 0) {
            EXPECT_TRUE(stoneFlew) << c.move;
        }
    }
}

// The movement rules, one frame each: height, airborne flag and intangibility, from a start
// 3 up and at rest (the dive starts in the air).
TEST_F(TorvelSpecials, HeightAndFlagsFollowTheFrame) {
    struct Case {
        const char* anim;
        double frame, startY;
        double y;
        u8 airborne, intangible;
    } cases[] = {
        {"GOLPE-ANTI-AEREO-FORTE", 4, 0, 0.4, 0, 1},
        {"GOLPE-ANTI-AEREO-FRACO", 6, 0, 0.28, 0, 0},
        {"GOLPE-ANTI-AEREO-FRACO", 8, 0.5, 0.5, 1, 0},
        {"GOLPE-EXPLOSAO-FRACO", 2, 0, 0, 0, 0},
        {"GOLPE-EXPLOSAO-FORTE", 10, 0, 1.25 * std::sin(8 * 0.13), 0, 0},
        {"GOLPE-EXPLOSAO-FORTE", 27, 0.1, 0, 0, 0}, // the arc ends on the floor
        {"GOLPE-AEREO-FORTE", 4, 3, 3, 0, 0},
        {"GOLPE-AEREO-FORTE", 6, 3, 2.8, 0, 0},
        {"GOLPE-AEREO-FRACO", 6, 0.1, 0, 1, 0}, // reaches the floor: the update lands it
        {"GOLPE-CURTA-DISTANCIA-FRACO", 28, 0, 0, 0, 0},
        {"GOLPE-CURTA-DISTANCIA-FRACO", 29, 0, 0, 1, 0},
        {"SUPER-GOLPE-CURTA-DISTANCIA-FORTE", 4, 0, 0, 0, 1},
        {"SUPER-GOLPE-CURTA-DISTANCIA-FORTE", 5, 1, 1.04, 0, 0},
        {"SUPER-GOLPE-CURTA-DISTANCIA-FRACO", 41, 1, 1, 1, 0},
    };
    for (const Case& c : cases) {
        SetUp();
        personagem& f = one();
        f.posY = c.startY;
        f.intangible = 0;
        playFrame(1, c.anim, c.frame);
        const std::string what = std::string(c.anim) + " frame " + std::to_string(c.frame);
        EXPECT_NEAR(f.posY, c.y, 1e-9) << what;
        EXPECT_EQ(f.airborne, c.airborne) << what;
        EXPECT_EQ(f.intangible, c.intangible) << what;
        TearDown();
    }
}

// The dive throws off a whirl every third frame, heading up and behind him.
TEST_F(TorvelSpecials, TheDiveThrowsOffAWhirlEveryThirdFrame) {
    struct Case {
        double frame;
        bool facingLeft;
        int whirls;
        double angle;
    } cases[] = {{3, false, 1, 135}, {6, true, 1, 45}, {4, false, 0, 0}, {5, true, 0, 0}};
    for (const Case& c : cases) {
        SetUp();
        personagem& f = one();
        if (c.facingLeft) f.posX = 4;
        f.facing = c.facingLeft ? "ESQ" : "DIR";
        playFrame(1, "GOLPE-AEREO-FRACO", c.frame, [](personagem& p) { p.posY = 3; });
        ASSERT_EQ(objectsOfKind(44), c.whirls) << c.frame;
        if (c.whirls == 1) {
            EXPECT_EQ(firstObjectOfKind(44)->angle, c.angle) << c.frame;
        }
        TearDown();
    }
}

// The spinning super catches a reeling opponent close by after frame 6: it is held 1.2
// away on its own side at his height (before he rises this tick), neither body solid; too far, too
// early or not reeling, it is left alone.
TEST_F(TorvelSpecials, TheSpinningSuperCatchesAReelingOpponent) {
    struct Case {
        const char* victimAnim;
        double victimX; // Torvel stands at 0
        double frame;
        bool caught;
    } cases[] = {
        {"SOFRE-ATAQUE-ALTO-2", 1.0, 7, true},  {"SOFRE-ATAQUE-AR", -1.4, 20, true},
        {"SOFRE-ATAQUE-ALTO-2", 1.0, 6, false}, {"SOFRE-ATAQUE-ALTO-2", 3.5, 10, false},
        {"SOFRE-ATAQUE-BAIXO", 1.0, 10, false},
    };
    for (const Case& c : cases) {
        SetUp();
        personagem& f = one();
        personagem& v = two();
        f.posX = 0;
        v.posX = c.victimX;
        v.anim = c.victimAnim;
        v.frame = 2;
        v.frameCount = 30;
        v.bodySolid = 1;
        f.bodySolid = 1;
        ticks(1, 2); // the gap between the two is measured
        playFrame(1, "SUPER-GOLPE-CURTA-DISTANCIA-FRACO", c.frame,
                  [](personagem& p) { p.posY = 0.5; });
        const std::string what = std::string(c.victimAnim) + " at " + std::to_string(c.victimX) +
                                 " frame " + std::to_string(c.frame);
        if (!c.caught) {
            EXPECT_EQ(v.anim, c.victimAnim) << what;
            EXPECT_EQ(f.bodySolid, 1) << what;
            TearDown();
            continue;
        }
        EXPECT_EQ(v.anim, "SOFRE-ATAQUE-ALTO-1") << what;
        EXPECT_NEAR(v.posX - f.posX, c.victimX > 0 ? 1.2 : -1.2, 1e-9) << what;
        EXPECT_NEAR(v.posY, 0.5, 1e-9) << what; // his height before this tick's rise
        EXPECT_EQ(v.bodySolid, 0) << what;
        EXPECT_EQ(f.bodySolid, 0) << what;
        EXPECT_EQ(gs.effectTimers[1], 5) << what;
        TearDown();
    }
}

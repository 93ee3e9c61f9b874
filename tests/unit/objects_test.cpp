#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "fight/objects.h"
#include "shell/rng.h"
#include "test_support.h"

namespace {

objeto& slot(int n) {
    return gs.objectPool[static_cast<std::size_t>(n)];
}

int countKind(u8 kind) {
    int n = 0;
    for (const auto& o : gs.objectPool) n += o.kind == kind ? 1 : 0;
    return n;
}

int firstOfKind(u8 kind) {
    for (int n = 1; n <= 250; ++n)
        if (slot(n).kind == kind) return n;
    return 0;
}

void spawnAt(u8 kind, f64 x, f64 y, f64 angle = 0, u8 owner = 0) {
    spawnObject(kind, "-", objectWhite, x, y, 3.5, 0.5, 0.5, angle, owner);
}

// Fighter 1 at -2 facing "DIR", fighter 2 at +2 facing "ESQ", both standing with a body
// box 0.8 wide and 2 tall; the camera between them in a wide arena.
void arena() {
    freshGame();
    gs.cameraX = 0;
    gs.arenaLimitX1 = -10;
    gs.arenaLimitX2 = 10;
    for (int i = 1; i <= 2; ++i) {
        personagem& f = gs.fighter(i);
        f.posX = i == 1 ? -2 : 2;
        f.posY = 0;
        f.posZ = 3.5;
        f.facing = i == 1 ? "DIR" : "ESQ";
        f.anim = "PARADO";
        f.curPose.root = {0, 0, 0};
        f.bodyBoxMin = {-0.4, 0, -0.5};
        f.bodyBoxMax = {0.4, 2, 0.5};
    }
    clearObjects();
}

// Spawns and returns the object together with the generator's state before the spawn.
struct Spawned {
    objeto o;
    u32 rngBefore;
    u32 rngAfter;
};

Spawned spawnOne(u8 kind, std::string_view orientation, f64 angle, u8 owner) {
    clearObjects();
    const u32 before = gs.rngState;
    spawnObject(kind, orientation, 0x102030, 1, 2, 3, 0.7, 0.9, angle, owner);
    return {slot(1), before, gs.rngState};
}

} // namespace

TEST(ObjectSpawn, SetsTheCommonValuesAndTheKindsRow) {
    arena();
    gs.fighter(1).facing = "ESQ";
    struct Case {
        u8 kind;
        const char* orientation;
        f64 angle;
        u8 owner;
        std::function<void(const objeto&)> check;
    } cases[] = {
        {9, "I", 30, 0,
         [](const objeto& o) {
             EXPECT_EQ(o.texture, 9);
             EXPECT_EQ(o.objLife, 6);
             EXPECT_EQ(o.alpha, 120);
             EXPECT_EQ(o.mirrored, 1);
             EXPECT_EQ(o.angle, 30);
             EXPECT_EQ(o.spin, 30);
             EXPECT_EQ(o.tint, 1);
             EXPECT_EQ(o.objChip, 1);
             EXPECT_EQ(o.airGuardable, 1);
             EXPECT_EQ(o.hitsLeft, 1);
             EXPECT_EQ(o.alignH, "CENTRO");
             EXPECT_EQ(o.alignV, "CENTRO");
             EXPECT_EQ(o.colour, 0x102030u);
             EXPECT_EQ(o.width, 0.7);
             EXPECT_EQ(o.moves, 0);
         }},
        {15, "-", 180, 2,
         [](const objeto& o) {
             EXPECT_EQ(o.mirrored, 1);
             EXPECT_EQ(o.spin, 0);
             EXPECT_EQ(o.harmful, 1);
             EXPECT_EQ(o.moves, 1);
             EXPECT_EQ(o.speed, 0.26);
             EXPECT_EQ(o.objDamage, 8);
             EXPECT_EQ(o.objGuardDamage, 10);
             EXPECT_EQ(o.objHitSound, 6);
             EXPECT_EQ(o.tint, 0);
             EXPECT_EQ(o.boxMin[2], -0.2);
             EXPECT_EQ(o.boxMax[0], 0.1);
         }},
        {18, "-", 0, 1,
         [](const objeto& o) {
             EXPECT_EQ(o.mirrored, 0);
             EXPECT_EQ(o.texture, 16);
             EXPECT_EQ(o.hitsLeft, 5);
             EXPECT_EQ(o.superLevel, 2);
             EXPECT_EQ(o.special, 1);
             EXPECT_EQ(o.airGuardable, 0);
             EXPECT_EQ(o.objDamage, 5);
             EXPECT_EQ(o.objHitStop, 3);
             EXPECT_EQ(o.boxMax[0], 0.15);
         }},
        {23, "-", 45, 0,
         [](const objeto& o) {
             EXPECT_EQ(o.texture, 22);
             EXPECT_EQ(o.width, 0.45);
             EXPECT_EQ(o.height, 0.6);
             EXPECT_EQ(o.falls, 1);
             EXPECT_EQ(o.bounces, 1);
             EXPECT_EQ(o.velY, 0.5);
             EXPECT_EQ(o.moves, 1);
             EXPECT_EQ(o.speed, 0.18);
             EXPECT_EQ(o.alignV, "CIMA");
             EXPECT_EQ(o.boxMax[1], 0.4);
         }},
        {21, "-", 0, 0, [](const objeto& o) { EXPECT_EQ(o.moves, 0); }},
        {26, "-", 0, 1,
         [](const objeto& o) {
             EXPECT_EQ(o.angle, 180); // the owner faces "ESQ"
             EXPECT_EQ(o.knocksDown, 1);
             EXPECT_EQ(o.sparkles, 1);
             EXPECT_EQ(o.objLift, 0.5);
             EXPECT_EQ(o.speed, 0.47);
         }},
        {33, "-", 0, 1,
         [](const objeto& o) {
             EXPECT_EQ(o.texture, 21);
             EXPECT_EQ(o.width, 0.2);
             EXPECT_EQ(o.height, 0.57);
             EXPECT_EQ(o.runsWhileFrozen, 1);
         }},
        {41, "-", 180, 1,
         [](const objeto& o) {
             EXPECT_EQ(o.mirrored, 1);
             EXPECT_EQ(o.harmful, 0);
             EXPECT_EQ(o.keepWhenSpent, 1);
             EXPECT_EQ(o.boxMin[0], -0.8);
             EXPECT_EQ(o.boxMax[1], 0.6);
         }},
        {44, "I", 0, 0, [](const objeto& o) { EXPECT_EQ(o.spin, -45); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        const Spawned s = spawnOne(c.kind, c.orientation, c.angle, c.owner);
        EXPECT_EQ(s.o.kind, c.kind);
        c.check(s.o);
    }
}

TEST(ObjectSpawn, DrawsItsRandomNumbersInTheWrittenOrder) {
    arena();
    {
        const Spawned s = spawnOne(1, "-", 0, 0);
        gs.rngState = s.rngBefore;
        EXPECT_EQ(s.o.objLife, 10 + 10 * random(3));
        EXPECT_EQ(gs.rngState, s.rngAfter);
    }
    {
        const Spawned s = spawnOne(37, "-", 0, 0);
        gs.rngState = s.rngBefore;
        const u32 texture = random(300), life = random(40), z = random(100), velY = random(5),
                  angle = random(360), speed = random(200);
        EXPECT_EQ(gs.rngState, s.rngAfter);
        EXPECT_EQ(s.o.texture,
                  std::min<u32>(41, static_cast<u32>(std::nearbyint(39 + texture * 0.01))));
        EXPECT_EQ(s.o.objLife, 30 + life);
        EXPECT_EQ(s.o.z, 3 + (-0.8 + z * 0.016));
        EXPECT_EQ(s.o.velY, 0.3 + velY * 0.01);
        EXPECT_EQ(s.o.angle, angle);
        EXPECT_EQ(s.o.speed, speed * 0.0015);
    }
    {
        const Spawned s = spawnOne(42, "-", 0, 0);
        gs.rngState = s.rngBefore;
        const u32 angle = random(360), spin = random(360);
        EXPECT_EQ(s.o.angle, angle);
        EXPECT_EQ(s.o.spin, spin);
    }
    {
        gs.soundRequest = 0;
        const Spawned s = spawnOne(36, "-", 0, 2);
        EXPECT_EQ(s.o.angle, 180);
        EXPECT_EQ(gs.soundRequest, 8);
        EXPECT_EQ(s.rngBefore, s.rngAfter);
    }
}

TEST(ObjectSpawn, TakesTheLowestFreeRecordAndDropsOnAFullPool) {
    arena();
    for (int i = 0; i < 250; ++i) spawnAt(4, 0, 1);
    const u32 before = gs.rngState;
    spawnAt(1, 0, 1);
    EXPECT_EQ(countKind(1), 0);
    EXPECT_EQ(gs.rngState, before);
    slot(120) = objeto{};
    slot(7) = objeto{};
    spawnAt(9, 0, 1);
    EXPECT_EQ(slot(7).kind, 9);
    EXPECT_EQ(slot(120).kind, 0);
    EXPECT_TRUE(objectExists(9, 0));
    EXPECT_FALSE(objectExists(9, 1));
}

TEST(ObjectUpdate, EndsAtItsLifetime) {
    arena();
    spawnAt(4, 0, 1);
    for (int tick = 1; tick < 8; ++tick) updateObject(1);
    EXPECT_EQ(slot(1).kind, 4);
    updateObject(1);
    EXPECT_EQ(slot(1).kind, 0);
}

TEST(ObjectUpdate, AnItemInUseStartsItsEffectWhenItEnds) {
    arena();
    spawnAt(34, 0, 1, 0, 2);
    for (int tick = 1; tick < 20; ++tick) updateObject(1);
    EXPECT_EQ(gs.fighter(2).itemEffect, 0);
    EXPECT_EQ(slot(1).x, 2.5); // held beside its owner, who faces "ESQ"
    updateObject(1);
    EXPECT_EQ(slot(1).kind, 0);
    EXPECT_EQ(gs.fighter(2).itemEffect, 4);
    EXPECT_EQ(gs.fighter(2).itemEffectTimer, 100);
    EXPECT_EQ(gs.effectTimers[4], 8);
    EXPECT_EQ(gs.soundRequest, 28);
}

TEST(ObjectClash, TwoProjectilesCancelEachOther) {
    arena();
    spawnAt(15, 0, 1, 0, 1);
    spawnAt(15, 0.1, 1, 180, 2);
    updateObject(1);
    EXPECT_EQ(countKind(15), 0);
    EXPECT_EQ(gs.soundRequest, 9);
    EXPECT_EQ(countKind(10), 2); // one hit flash for each
    EXPECT_EQ(countKind(8), 6);
}

TEST(ObjectClash, ASuperProjectileOutlastsTwoWeakOnes) {
    arena();
    spawnAt(17, 0, 1, 0, 1);
    spawnAt(15, 0.1, 1, 180, 2);
    spawnAt(15, 0.2, 1, 180, 2);
    updateObject(1);
    EXPECT_EQ(countKind(15), 0);
    ASSERT_EQ(slot(1).kind, 17);
    EXPECT_EQ(slot(1).hitsLeft, 1);
    EXPECT_GT(slot(1).objDamage, 0);
    EXPECT_EQ(countKind(10), 2);
}

TEST(ObjectClash, ThrownItem6BreaksIntoDebris) {
    arena();
    spawnAt(36, 0, 1, 0, 1);
    spawnAt(15, 0.1, 1, 180, 2);
    updateObject(1);
    EXPECT_EQ(countKind(36), 0);
    EXPECT_EQ(countKind(37), 20);
    EXPECT_EQ(countKind(1), 5);
}

TEST(ThrownItem, BurstsTheTickAfterItHits) {
    arena();
    spawnAt(26, 1.8, 1, 0, 1); // inside fighter 2's body
    updateObject(1);
    const personagem& t = gs.fighter(2);
    EXPECT_EQ(t.lastHitType, "ALTO-DERRUBA");
    EXPECT_EQ(t.pendingLift, 0.5);
    EXPECT_EQ(t.sparkleOnHit, 1);
    EXPECT_EQ(t.specialHit, 1);
    ASSERT_EQ(slot(1).kind, 26);
    EXPECT_EQ(slot(1).exploding, 1);
    EXPECT_EQ(slot(1).objDamage, 0);
    EXPECT_EQ(gs.effectTimers[1], 0);
    updateObject(1);
    EXPECT_EQ(countKind(26), 0);
    EXPECT_EQ(countKind(29), 1);
    EXPECT_EQ(countKind(30), 1);
    EXPECT_EQ(gs.effectTimers[1], 10);
    const objeto& ring = slot(firstOfKind(30));
    EXPECT_EQ(ring.z, 4.5);
    EXPECT_EQ(ring.shakeX, 1);
}

TEST(ThrownItem, BurstsAfterAClash) {
    arena();
    spawnAt(15, 0, 1, 180, 2);
    spawnAt(26, 0.1, 1, 0, 1);
    updateObject(1);
    EXPECT_EQ(countKind(15), 0);
    ASSERT_EQ(slot(2).kind, 26);
    EXPECT_EQ(slot(2).exploding, 1);
    updateObject(2);
    EXPECT_EQ(countKind(26), 0);
    EXPECT_EQ(gs.effectTimers[1], 10);
}

TEST(ThrownItem, BurstsOnReachingTheFloor) {
    arena();
    spawnAt(26, 0, 0.3, 0, 1);
    int ticks = 0;
    while (slot(1).kind == 26 && ticks < 50) updateObject(1), ++ticks;
    EXPECT_EQ(gs.effectTimers[1], 10);
    EXPECT_LT(ticks, 50);
}

TEST(ItemChest, FallsOpensAndLeavesOneItem) {
    arena();
    spawnObject(19, "-", objectWhite, 1, 8, 3.3, 1, 1, 0, 0);
    for (int tick = 1; tick < 23; ++tick) updateObject(1);
    EXPECT_NEAR(slot(1).y, 8 - 22 * 0.35, 1e-9);
    EXPECT_EQ(slot(1).texture, 17);
    EXPECT_EQ(countKind(1), 0);

    const u32 before = gs.rngState;
    updateObject(1);
    const objeto& chest = slot(1);
    EXPECT_EQ(chest.y, 0);
    EXPECT_EQ(chest.texture, 18);
    EXPECT_EQ(chest.width, 1.49);
    EXPECT_EQ(chest.height, 1.14);
    EXPECT_EQ(gs.soundRequest, 14);
    EXPECT_EQ(countKind(1), 10);

    gs.rngState = before;
    int k = static_cast<int>(std::nearbyint(random(650) / 100.0));
    if (k == 0) k = static_cast<int>(std::nearbyint(random(650) / 100.0));
    k = std::clamp(k, 1, 6);
    const int item = firstOfKind(static_cast<u8>(19 + k));
    ASSERT_NE(item, 0);
    EXPECT_EQ(slot(item).x, 1);
    EXPECT_EQ(slot(item).y, 0.5);
    EXPECT_EQ(slot(item).z, 3.3 + 0.1);

    // open, it stays put and blinks in its last 30 ticks
    for (int tick = 23; tick < 40; ++tick) updateObject(1);
    int items = 0;
    for (u8 kind = 20; kind <= 25; ++kind) items += countKind(kind);
    EXPECT_EQ(items, 1);
    EXPECT_EQ(slot(1).y, 0);
    EXPECT_EQ(slot(1).blinking, 0);
    updateObject(1);
    EXPECT_EQ(slot(1).blinking, 1);
}

namespace {

// Runs object 1 until it has stopped falling, at most `ticks` updates.
bool settle(int ticks) {
    for (int t = 0; t < ticks && slot(1).kind != 0 && slot(1).falls == 1; ++t) updateObject(1);
    return slot(1).kind != 0 && slot(1).falls == 0;
}

} // namespace

TEST(FloorItem, IsPickedUpOnlyOnceItLiesStill) {
    arena();
    gs.fighter(2).posX = -2; // both fighters stand on the item all along
    spawnAt(22, -2, 0.5);
    int ticks = 0;
    for (; ticks < 100; ++ticks) {
        updateObject(1);
        if (slot(1).kind == 0) break;
        ASSERT_EQ(slot(1).falls, 1) << "lies still but was not taken";
    }
    EXPECT_GT(ticks, 5);
    EXPECT_EQ(slot(1).kind, 0);
    EXPECT_EQ(gs.fighter(1).items[0], 3);
    EXPECT_EQ(gs.fighter(2).items[0], 0);
    EXPECT_EQ(gs.soundRequest, 15);
}

TEST(FloorItem, AnIntangibleFighterCannotTakeIt) {
    arena();
    gs.fighter(1).intangible = 1;
    spawnAt(20, -2, 0.5);
    ASSERT_TRUE(settle(100));
    for (int t = 0; t < 5; ++t) updateObject(1);
    EXPECT_EQ(slot(1).kind, 20);
    gs.fighter(2).posX = -2.5;
    updateObject(1);
    EXPECT_EQ(slot(1).kind, 0);
    EXPECT_EQ(gs.fighter(2).items[0], 1);
    EXPECT_EQ(gs.fighter(1).items[0], 0);
}

TEST(FloorItem, StaysInsideTheViewAndTheArena) {
    arena();
    gs.arenaLimitX2 = 5;
    spawnAt(25, -9, 0);
    spawnAt(25, 9, 0);
    updateObject(1);
    updateObject(2);
    EXPECT_EQ(slot(1).x, -6.5);
    EXPECT_EQ(slot(2).x, 5);
}

namespace {

// A projectile of fighter 1 inside fighter 2's body; fighter 2 set up by `setup`.
void projectileOnFighter2(u8 kind, f64 angle) {
    spawnAt(kind, 2, 1, angle, 1);
    updateObject(1);
}

} // namespace

TEST(ObjectHit, LeavesAPendingContactOnTheTarget) {
    arena();
    gs.fighter(1).damageScale = 1.5;
    projectileOnFighter2(15, 0);
    const personagem& t = gs.fighter(2);
    EXPECT_EQ(t.lastHitType, "ALTO-1");
    EXPECT_EQ(t.pendingDamage, 12);
    EXPECT_EQ(t.pendingDizzy, 10);
    EXPECT_EQ(t.pendingGuardDamage, 10);
    EXPECT_EQ(t.chipHit, 1);
    EXPECT_EQ(t.wasHit, 1);
    EXPECT_EQ(t.hitSound, 6);
    EXPECT_EQ(t.specialHit, 0);
    EXPECT_EQ(t.pendingKnockback, -0.15); // met face to face
    EXPECT_EQ(t.guarding, 0);
    EXPECT_EQ(t.hitPoint[0], 2 + 0.26);
    EXPECT_EQ(gs.hitStop, 2);
    EXPECT_EQ(slot(1).kind, 0);

    arena();
    gs.fighter(2).facing = "DIR";
    projectileOnFighter2(15, 0);
    EXPECT_EQ(gs.fighter(2).pendingKnockback, 0.15) << "hit from behind";

    arena();
    gs.fighter(2).intangible = 1;
    projectileOnFighter2(15, 0);
    EXPECT_TRUE(gs.fighter(2).lastHitType.empty());
    EXPECT_EQ(slot(1).kind, 15);
}

TEST(ObjectHit, StandingAndCrouchingGuardsBlockAllAirGuardOnlySome) {
    struct Case {
        const char* anim;
        u8 kind;
        u8 guarding;
    } cases[] = {
        {"DEFESA-ALTA", 15, 1},  {"DEFESA-BAIXA", 15, 1}, {"DEFESA-ALTA", 17, 1},
        {"DEFESA-BAIXA", 26, 1}, {"DEFESA-AEREA", 15, 1}, {"DEFESA-AEREA", 17, 0},
        {"DEFESA-AEREA", 26, 0}, {"PARADO", 15, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.anim) + " " + std::to_string(c.kind));
        arena();
        gs.fighter(2).anim = c.anim;
        projectileOnFighter2(c.kind, 180);
        EXPECT_FALSE(gs.fighter(2).lastHitType.empty());
        EXPECT_EQ(gs.fighter(2).guarding, c.guarding);
    }
}

TEST(ObjectHit, AMultiHitProjectileHoldsAnAirborneTargetLow) {
    arena();
    gs.fighter(2).posY = 1.0;
    projectileOnFighter2(17, 0);
    EXPECT_EQ(gs.fighter(2).posY, 0.58);
    ASSERT_EQ(slot(1).kind, 17);
    EXPECT_EQ(slot(1).hitsLeft, 2);
    EXPECT_NEAR(slot(1).x, 2 + 0.3 - 1.1 * 0.3, 1e-12); // stepped back along its path
    EXPECT_EQ(gs.fighter(1).lastSuperLevel, 1);

    arena();
    gs.fighter(2).posY = 1.0;
    projectileOnFighter2(15, 0);
    EXPECT_EQ(gs.fighter(2).posY, 1.0);
}

TEST(ObjectLook, AlphaFloorsAtFiveAndNeverWraps) {
    struct Case {
        u8 kind;
        u8 alpha;
        u8 expected;
    } cases[] = {{4, 20, 5}, {13, 3, 5}, {8, 2, 5}, {2, 10, 5}, {2, 12, 6}, {9, 255, 235}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        arena();
        spawnAt(c.kind, 0, 1);
        slot(1).objLife = 100;
        slot(1).alpha = c.alpha;
        updateObject(1);
        EXPECT_EQ(slot(1).alpha, c.expected);
    }
}

TEST(ObjectUpdate, HarmfulObjectsFarFromTheCameraAreFreed) {
    arena();
    gs.cameraX = 1;
    spawnAt(15, 7.8, 1, 0, 1); // 7.06 from the camera after moving
    spawnAt(15, 7.7, 3, 0, 1); // 6.96
    spawnAt(9, 9, 1);
    updateObject(1);
    EXPECT_EQ(slot(1).kind, 0);
    updateObject(2);
    updateObject(3);
    EXPECT_EQ(slot(2).kind, 15);
    EXPECT_EQ(slot(3).kind, 9);
}

TEST(ObjectUpdate, ARocketBurstsIntoTwentyStars) {
    arena();
    spawnObject(45, "-", 0x00FF00, 0, 3, 3.5, 0.2, 0.2, 90, 0);
    int ticks = 0;
    while (slot(1).kind == 45 && ticks < 60) updateObject(1), ++ticks;
    EXPECT_LT(ticks, 50);
    ASSERT_EQ(countKind(47), 20);
    EXPECT_EQ(slot(1).kind, 47); // the first star takes the rocket's record
    EXPECT_EQ(slot(1).angle, 18);
    EXPECT_EQ(slot(1).colour, 0x00FF00u);
    EXPECT_EQ(slot(firstOfKind(47)).width, 0.04);
}

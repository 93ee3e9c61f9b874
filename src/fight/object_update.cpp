// One tick of one pool object: age, clashes, bursts, motion, gravity, pick-up, hits on the
// owner's opponent, the kind's look, and the final alpha floor and off-screen cull.
#include <cmath>

#include "fight/items.h"
#include "fight/object_steps.h"

namespace {

// Degrees to radians as the game has always divided.
constexpr f64 degreesPerRadian = 57.32;

bool isThrownItem1(const objeto& o) {
    return o.kind == 26;
}

// A harmful object that has dealt or absorbed its last hit stops hurting; it is removed with
// a hit flash and three sparks unless it keeps running. A thrown item 1 marked to burst is
// kept for its burst instead.
bool spendIfEmpty(objeto& o) {
    if (o.hitsLeft >= 1) return false;
    o.objDamage = 0;
    if (o.keepWhenSpent == 1 || o.exploding == 1) return false;
    const f64 x = o.x, y = o.y, z = o.z;
    o = objeto{};
    spawnObject(10, "-", objectWhite, x, y, z, 0.3, 0.3, 0, 0);
    for (int i = 0; i < 3; ++i) spawnObject(8, "-", objectWhite, x, y, z, 0.12, 0.12, 0, 0);
    return true;
}

// True when the object reached the end of its life and was freed.
bool age(objeto& o) {
    ++o.objAge;
    if (o.objAge < o.objLife) return false;
    if (o.kind >= 32 && o.kind <= 35) {
        // the item's effect starts as its use ends
        if (personagem* owner = ownerOf(o)) {
            owner->itemEffect = static_cast<u8>(o.kind - 30);
            owner->itemEffectTimer = 100;
        }
        gs.effectTimers[4] = 8;
        gs.soundRequest = 28;
    }
    o = objeto{};
    return true;
}

// Harmful objects cancel each other: both lose a hit. True when object n was removed.
bool clash(int n) {
    objeto& o = gs.objectPool[static_cast<std::size_t>(n)];
    if (o.harmful != 1) return false;
    for (int m = 1; m <= static_cast<int>(gs.objectPool.size()); ++m) {
        if (o.hitsLeft < 1) return false;
        if (m == n) continue;
        objeto& other = gs.objectPool[static_cast<std::size_t>(m)];
        if (other.kind == 0 || other.harmful != 1 || other.hitsLeft < 1) continue;
        if (!boxesTouch(objectBox(o), objectBox(other))) continue;
        for (objeto* p : {&o, &other}) {
            if (p->kind == 36) burstDebris(*p);
            if (isThrownItem1(*p)) p->exploding = 1;
        }
        o.hitsLeft -= 1;
        other.hitsLeft -= 1;
        gs.soundRequest = 9;
        if (spendIfEmpty(o)) {
            spendIfEmpty(other);
            return true;
        }
        spendIfEmpty(other);
    }
    return false;
}

void burst(objeto& o) {
    const f64 x = o.x, y = o.y, z = o.z;
    spawnObject(29, "-", objectWhite, x, y, z, 1, 1, 0, 0);
    spawnObject(30, "-", objectWhite, x, y + 1.5, z + 1.0, 4, 2, 0, 0);
    o = objeto{};
    gs.effectTimers[1] = 10;
}

void move(objeto& o) {
    if (o.moves != 1) return;
    o.x += std::cos(o.angle / degreesPerRadian) * o.speed;
    o.y += std::sin(o.angle / degreesPerRadian) * o.speed;
}

void fall(objeto& o) {
    if (o.falls != 1) return;
    o.y += o.velY;
    o.velY -= gs.gravity;
    if (o.y >= 0) return;
    o.y = 0;
    if (o.bounces == 1) {
        o.velY = -0.3 * o.velY;
        o.speed *= 0.3;
        if (o.velY <= 0.1) o.bounces = 0;
    } else {
        o.velY = 0;
        o.speed = 0;
        o.falls = 0;
    }
}

// An item that lies still goes to the first fighter, 1 then 2, who touches it.
bool pickUp(objeto& o) {
    if (o.kind < 20 || o.kind > 25 || o.falls != 0) return false;
    for (int i = 1; i <= 2; ++i) {
        const personagem& f = gs.fighter(i);
        if (f.intangible == 1 || !boxesTouch(fighterBodyBox(f), objectBox(o))) continue;
        addItem(i, static_cast<u8>(o.kind - 19));
        o = objeto{};
        gs.soundRequest = 15;
        return true;
    }
    return false;
}

// The owner's opponent touched by a harmful object gets a pending contact. True when the
// object was used up and freed.
bool hitTarget(objeto& o) {
    if (o.harmful != 1 || o.objDamage <= 0) return false;
    personagem* owner = ownerOf(o);
    if (!owner) return false;
    personagem& t = gs.opponent(o.owner);
    if (t.intangible == 1 || !boxesTouch(objectBox(o), fighterBodyBox(t))) return false;

    t.pendingDamage = o.objDamage * owner->damageScale;
    t.pendingDizzy = o.objDizzy;
    t.pendingGuardDamage = o.objGuardDamage;
    t.chipHit = o.objChip;
    if (o.knocksDown == 1) {
        t.lastHitType = "ALTO-DERRUBA";
        t.pendingLift = o.objLift;
    } else {
        t.lastHitType = "ALTO-1";
    }
    t.hitPoint = {o.x, o.y, o.z};
    t.wasHit = 1;
    t.hitSound = o.objHitSound;
    if (o.sparkles == 1) t.sparkleOnHit = 1;
    if (o.special == 1) t.specialHit = 1;
    const bool fromBehind =
        (t.facing == "DIR" && o.angle == 0) || (t.facing == "ESQ" && o.angle == 180);
    t.pendingKnockback = fromBehind ? o.objKnockback : -o.objKnockback;
    if (t.posY >= 0.6 && o.hitsLeft >= 2) t.posY = 0.58;
    if (t.anim == "DEFESA-ALTA" || t.anim == "DEFESA-BAIXA" ||
        (t.anim == "DEFESA-AEREA" && o.airGuardable == 1))
        t.guarding = 1;
    gs.hitStop = o.objHitStop;
    if (isThrownItem1(o)) o.exploding = 1;
    if (o.kind == 36) burstDebris(o);

    if (o.hitsLeft > 0) o.hitsLeft -= 1;
    if (o.moves == 1) {
        o.x -= std::cos(o.angle / degreesPerRadian) * 1.1 * o.speed;
        o.y -= std::sin(o.angle / degreesPerRadian) * 1.1 * o.speed;
    }
    if (o.hitsLeft >= 1) return false;
    o.objDamage = 0;
    if (o.keepWhenSpent == 1 || o.exploding == 1) return false;
    o = objeto{};
    return true;
}

} // namespace

void updateObject(int number) {
    objeto& o = gs.objectPool[static_cast<std::size_t>(number)];
    if (o.kind == 0) return;
    if (age(o)) return;
    if (o.harmful == 1 && o.hitsLeft >= 1 && clash(number)) return;
    if (o.exploding == 1) {
        burst(o);
        return;
    }
    move(o);
    fall(o);
    if (pickUp(o)) return;
    if (personagem* owner = ownerOf(o)) owner->lastSuperLevel = o.superLevel;
    if (hitTarget(o)) return;
    if (evolveObject(number)) return;

    if (o.alpha < 6) o.alpha = 5;
    if (o.harmful == 1 && (o.x > gs.cameraX + 7 || o.x < gs.cameraX - 7)) o = objeto{};
}

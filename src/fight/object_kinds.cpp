// Spawning an object: the values every object starts with, then the row of its kind.
#include <algorithm>

#include "fight/object_steps.h"
#include "shell/rng.h"
#include "shell/rounding.h"

namespace {

enum Flag : u32 {
    Harmful = 1u << 0,
    Moves = 1u << 1,
    KnocksDown = 1u << 2,
    Special = 1u << 3,
    Sparkles = 1u << 4,
    Falls = 1u << 5,
    Bounces = 1u << 6,
    Glows = 1u << 7,
    Blinking = 1u << 8,
    KeepWhenSpent = 1u << 9,
    RunsWhileFrozen = 1u << 10,
    NoTint = 1u << 11,
    NoAirGuard = 1u << 12,
    AlignTop = 1u << 13,
    ShakeX = 1u << 14,
    // the drawn rotation stays 0 whatever the heading
    SpinZero = 1u << 15,
    // drawn mirrored when flying towards -x
    MirrorAt180 = 1u << 16,
    // heading 0 when the owner faces "DIR", 180 when it faces "ESQ"
    AngleByFacing = 1u << 17,
};

struct Box {
    std::array<f64, 3> min, max;
};

// What a harmful kind puts into its victim's pending contact.
struct HitValues {
    f64 damage, guardDamage, dizzy, lift, hitStop, knockback;
    u8 hitSound;
    u16 hitsLeft;
    u8 superLevel;
};

struct KindRow {
    u8 texture = 0;
    u16 life = 0;
    u8 alpha = 255;
    u32 flags = 0;
    f64 speed = 0;
    f64 scale = 0;
    const HitValues* hit = nullptr;
    const Box* box = nullptr;
    // The kind's random draws, in the order they are made, and its rules on angle or owner.
    void (*rule)(objeto&) = nullptr;
};

constexpr Box projectileBox{{-0.1, -0.1, -0.2}, {0.1, 0.1, 0.2}};
constexpr Box superProjectileBox{{-0.15, -0.15, -0.25}, {0.15, 0.15, 0.25}};
constexpr Box floorItemBox{{-0.18, 0, -0.18}, {0.18, 0.4, 0.18}};
constexpr Box thrownItemBox{{-0.18, -0.18, -0.18}, {0.18, 0.18, 0.18}};
constexpr Box blastBox{{-1.5, -0.35, -0.5}, {0.8, 0.45, 0.5}};
constexpr Box blastBoxMirrored{{-0.8, -0.5, -0.5}, {1.5, 0.6, 0.5}};

constexpr HitValues projectileHit{8, 10, 10, 0, 2, 0.15, 6, 1, 0};
constexpr HitValues superProjectile1Hit{6, 5, 3, 0, 3, 0.15, 6, 3, 1};
constexpr HitValues superProjectile2Hit{5, 4, 2, 0, 3, 0.15, 6, 5, 2};
constexpr HitValues thrownItem1Hit{20, 30, 10, 0.5, 0, 0.25, 0, 1, 0};
constexpr HitValues thrownItem6Hit{5, 10, 100, 0, 0, 0.2, 0, 1, 0};
constexpr HitValues blastHit{10, 12, 12, 0, 3, 0.2, 0, 1, 0};

// Drawn sizes (width, height) of items 1..6 lying on the floor, and of items 2..5 in use.
constexpr std::array<std::array<f64, 2>, 6> floorItemSizes{
    {{0.5, 0.5}, {0.4, 0.3}, {0.2, 0.57}, {0.45, 0.6}, {0.35, 0.43}, {0.55, 0.55}}};
constexpr std::array<std::array<f64, 2>, 4> itemInUseSizes{
    {{0.4, 0.3}, {0.2, 0.57}, {0.45, 0.6}, {0.35, 0.43}}};

void setSize(objeto& o, const std::array<f64, 2>& size) {
    o.width = size[0];
    o.height = size[1];
}

void randomAngle(objeto& o) {
    o.angle = random(360);
}

void floorItem(objeto& o) {
    setSize(o, floorItemSizes[static_cast<std::size_t>(o.kind - 20)]);
    o.velY = 0.5;
    // knocked out of a hand: it flies off along its heading
    if (o.angle != 0) {
        o.moves = 1;
        o.speed = 0.18;
    }
}

void itemInUse(objeto& o) {
    setSize(o, itemInUseSizes[static_cast<std::size_t>(o.kind - 32)]);
}

void debrisSpark(objeto& o) {
    o.texture = static_cast<u8>(std::min(41.0, roundHalfEven(39 + random(300) * 0.01)));
    o.objLife = static_cast<u16>(30 + random(40));
    o.z += -0.8 + random(100) * 0.016;
    o.velY = 0.3 + random(5) * 0.01;
    o.angle = random(360);
    o.speed = random(200) * 0.0015;
}

void blast(objeto& o) {
    const Box& box = o.mirrored ? blastBoxMirrored : blastBox;
    o.boxMin = box.min;
    o.boxMax = box.max;
}

const std::array<KindRow, 48> kindRows = [] {
    std::array<KindRow, 48> t{};
    t[1] = {.texture = 1, .life = 10, .alpha = 180, .flags = NoTint, .rule = [](objeto& o) {
                o.objLife = static_cast<u16>(10 + 10 * random(3));
            }};
    t[2] = {.texture = 2, .life = 6, .alpha = 75, .rule = [](objeto& o) {
                o.objLife = static_cast<u16>(6 + random(6));
            }};
    t[3] = {.texture = 3, .life = 30, .alpha = 100, .rule = [](objeto& o) {
                o.speed = 0.05 + random(10) * 0.004;
            }};
    t[4] = {.texture = 4, .life = 8, .alpha = 255};
    t[5] = {.texture = 5, .life = 10, .alpha = 150, .flags = AlignTop | NoTint};
    t[6] = {.texture = 6, .life = 12, .alpha = 160, .flags = Moves, .rule = [](objeto& o) {
                o.speed = 0.06 + random(10) * 0.025;
                o.angle = random(1440);
            }};
    t[7] = {
        .texture = 7, .life = 6, .alpha = 120, .flags = Moves, .speed = 0.75, .rule = randomAngle};
    t[8] = {
        .texture = 8, .life = 8, .alpha = 110, .flags = Moves, .speed = 0.25, .rule = randomAngle};
    t[9] = {.texture = 9, .life = 6, .alpha = 120};
    t[10] = {.texture = 10, .life = 5, .alpha = 125};
    t[11] = {.texture = 11, .life = 6, .alpha = 165, .flags = Moves, .speed = 0.2};
    t[12] = {.texture = 12, .life = 9, .alpha = 140, .flags = AlignTop};
    t[13] = {.texture = 13, .life = 3, .alpha = 120};
    t[14] = {.texture = 14, .life = 6, .alpha = 125};
    constexpr u32 projectile = Harmful | Moves | NoTint | SpinZero | MirrorAt180;
    t[15] = {.texture = 15,
             .life = 100,
             .flags = projectile,
             .speed = 0.26,
             .scale = 0.05,
             .hit = &projectileHit,
             .box = &projectileBox};
    t[16] = {.texture = 15,
             .life = 100,
             .flags = projectile,
             .speed = 0.3,
             .scale = 0.05,
             .hit = &projectileHit,
             .box = &projectileBox};
    t[17] = {.texture = 16,
             .life = 100,
             .flags = projectile | Special | NoAirGuard,
             .speed = 0.3,
             .scale = 0.1,
             .hit = &superProjectile1Hit,
             .box = &superProjectileBox};
    t[18] = {.texture = 16,
             .life = 100,
             .flags = projectile | Special | NoAirGuard,
             .speed = 0.3,
             .scale = 0.1,
             .hit = &superProjectile2Hit,
             .box = &superProjectileBox};
    t[19] = {.texture = 17, .life = 70, .flags = AlignTop | NoTint, .scale = 0.4};
    for (u8 kind = 20; kind <= 25; ++kind)
        t[kind] = {.texture = static_cast<u8>(kind - 1),
                   .life = 200,
                   .flags = Falls | Bounces | AlignTop,
                   .scale = 0.2,
                   .box = &floorItemBox,
                   .rule = floorItem};
    constexpr u32 thrown =
        Harmful | KnocksDown | Special | Moves | NoAirGuard | NoTint | AngleByFacing;
    t[26] = {.texture = 19,
             .life = 100,
             .flags = thrown | Sparkles,
             .speed = 0.47,
             .scale = 0.2,
             .hit = &thrownItem1Hit,
             .box = &thrownItemBox};
    t[27] = {.texture = 25, .life = 3, .alpha = 150};
    t[28] = {.texture = 26, .life = 25, .alpha = 80, .flags = NoTint, .rule = [](objeto& o) {
                 o.objLife = static_cast<u16>(25 + random(5));
                 o.spin = random(360);
             }};
    t[29] = {.texture = 27, .life = 8, .alpha = 150};
    t[30] = {.texture = 35, .life = 10, .alpha = 140, .flags = ShakeX, .rule = [](objeto& o) {
                 o.spin = random(400) * 0.1 - 20;
             }};
    t[31] = {.texture = 36, .life = 3, .alpha = 125, .rule = [](objeto& o) {
                 const personagem* owner = ownerOf(o);
                 if (owner && owner->facing == "DIR") o.mirrored = 1;
             }};
    for (u8 kind = 32; kind <= 35; ++kind)
        t[kind] = {.texture = static_cast<u8>(kind - 12),
                   .life = 20,
                   .flags = RunsWhileFrozen,
                   .rule = itemInUse};
    t[36] = {.texture = 24,
             .life = 100,
             .flags = thrown,
             .speed = 0.48,
             .scale = 0.2,
             .hit = &thrownItem6Hit,
             .box = &thrownItemBox,
             .rule = [](objeto&) { gs.soundRequest = 8; }};
    t[37] = {
        .texture = 39, .life = 30, .flags = Moves | Falls | Bounces | NoTint, .rule = debrisSpark};
    t[38] = {.texture = 42, .life = 30};
    t[39] = {.texture = 43, .life = 28};
    t[40] = {.texture = 44, .life = 40, .alpha = 125, .flags = AlignTop | NoTint};
    t[41] = {.texture = 45,
             .life = 14,
             .alpha = 180,
             .flags =
                 Moves | KnocksDown | Sparkles | KeepWhenSpent | NoTint | SpinZero | MirrorAt180,
             .speed = 0.06,
             .hit = &blastHit,
             .rule = blast};
    t[42] = {.texture = 53,
             .life = 10,
             .alpha = 180,
             .flags = Moves,
             .speed = 0.015,
             .rule = [](objeto& o) {
                 o.angle = random(360);
                 o.spin = random(360);
             }};
    t[43] = {.texture = 55, .life = 4, .alpha = 70};
    t[44] = {
        .texture = 61, .life = 4, .alpha = 80, .flags = Moves, .speed = 0.3, .rule = [](objeto& o) {
            o.spin = o.mirrored ? -45 : 45;
        }};
    t[45] = {
        .texture = 64, .life = 50, .alpha = 200, .flags = Moves | Glows, .rule = [](objeto& o) {
            o.speed = 0.6 + random(15) * 0.03;
        }};
    t[46] = {.texture = 64, .life = 12, .alpha = 200, .flags = Moves | Glows | Blinking};
    t[47] = {.texture = 64, .life = 5, .alpha = 200, .flags = Moves | Glows, .rule = [](objeto& o) {
                 o.objLife = static_cast<u16>(5 + 20 * random(4));
                 o.speed = 0.15 + random(5) * 0.015;
             }};
    return t;
}();

u8 flag(u32 flags, Flag f) {
    return (flags & f) ? 1 : 0;
}

void applyRow(objeto& o, const KindRow& row) {
    o.texture = row.texture;
    o.objLife = row.life;
    o.alpha = row.alpha;
    const u32 f = row.flags;
    o.harmful = flag(f, Harmful);
    o.moves = flag(f, Moves);
    o.knocksDown = flag(f, KnocksDown);
    o.special = flag(f, Special);
    o.sparkles = flag(f, Sparkles);
    o.falls = flag(f, Falls);
    o.bounces = flag(f, Bounces);
    o.glows = flag(f, Glows);
    o.blinking = flag(f, Blinking);
    o.keepWhenSpent = flag(f, KeepWhenSpent);
    o.runsWhileFrozen = flag(f, RunsWhileFrozen);
    o.shakeX = flag(f, ShakeX);
    if (f & NoTint) o.tint = 0;
    if (f & NoAirGuard) o.airGuardable = 0;
    if (f & AlignTop) o.alignV = "CIMA";
    if (f & SpinZero) o.spin = 0;
    if ((f & MirrorAt180) && o.angle == 180) o.mirrored = 1;
    if (f & AngleByFacing) {
        if (const personagem* owner = ownerOf(o)) {
            if (owner->facing == "DIR") o.angle = 0;
            if (owner->facing == "ESQ") o.angle = 180;
        }
    }
    o.speed = row.speed;
    o.objScale = row.scale;
    if (const HitValues* h = row.hit) {
        o.objDamage = h->damage;
        o.objGuardDamage = h->guardDamage;
        o.objDizzy = h->dizzy;
        o.objLift = h->lift;
        o.objHitStop = h->hitStop;
        o.objKnockback = h->knockback;
        o.objHitSound = h->hitSound;
        o.hitsLeft = h->hitsLeft;
        o.superLevel = h->superLevel;
    }
    if (const Box* box = row.box) {
        o.boxMin = box->min;
        o.boxMax = box->max;
    }
    if (row.rule) row.rule(o);
}

} // namespace

void spawnObject(u8 kind, std::string_view orientation, u32 colour, f64 x, f64 y, f64 z, f64 width,
                 f64 height, f64 angle, u8 owner) {
    for (auto& o : gs.objectPool) {
        if (o.kind != 0) continue;
        o = objeto{};
        o.kind = kind;
        o.x = x, o.y = y, o.z = z;
        o.width = width, o.height = height;
        o.colour = colour;
        o.mirrored = orientation == "I" ? 1 : 0;
        o.owner = owner;
        o.angle = o.spin = angle;
        o.alpha = 255;
        o.alignH = o.alignV = "CENTRO";
        o.objChip = 1;
        o.airGuardable = 1;
        o.hitsLeft = 1;
        o.tint = 1;
        if (kind < kindRows.size()) applyRow(o, kindRows[kind]);
        return;
    }
}

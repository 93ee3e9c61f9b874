// How each kind of object changes its look and place every tick: fading, growing, trails,
// the chest opening, items lying on the floor, marks above a fighter and rocket bursts.
#include <cmath>

#include "fight/object_steps.h"
#include "shell/rng.h"
#include "shell/rounding.h"

namespace {

constexpr f64 degreesPerRadian = 57.32;

// Per tick: width and height change by a step, then by a factor; alpha drops by a step;
// then the kind's own rule runs (returns true when it freed the object).
struct LookRow {
    f64 dWidth = 0, dHeight = 0;
    f64 factor = 1;
    int alphaStep = 0;
    bool (*rule)(objeto& o) = nullptr;
};

const char* orientationOf(const objeto& o) {
    return o.mirrored ? "I" : "-";
}

// Three speed lines behind a projectile and, on odd ages, an afterimage.
bool projectileTrail(objeto& o) {
    const f64 c = std::cos(o.angle / degreesPerRadian), s = std::sin(o.angle / degreesPerRadian);
    for (int i = 0; i < 3; ++i) {
        const f64 back = 0.3 + random(50) * 0.01;
        const f64 rise = random(30) * 0.01 - 0.15;
        spawnObject(2, "-", objectWhite, o.x - c * back, o.y - s * back + rise, o.z - 0.1, 1.0, 0.1,
                    o.angle, 0);
    }
    if (o.objAge % 2 == 1)
        spawnObject(43, orientationOf(o), o.colour, o.x, o.y, o.z - 0.05, o.width, o.height, 0, 0);
    return false;
}

// The speed line a thrown item leaves from age 3 on, tilted more as it flies.
void thrownSpeedLine(const objeto& o, f64 z) {
    if (o.objAge < 3) return;
    if (o.angle == 0) {
        const f64 x = o.x - 0.5 + random(100) * 0.004;
        const f64 y = o.y + random(100) * 0.002;
        spawnObject(2, "-", objectWhite, x, y, z, 1.0, 0.1, -1.3 * o.objAge, 0);
    } else if (o.angle == 180) {
        const f64 x = o.x + 0.5 - random(100) * 0.004;
        const f64 y = o.y + random(100) * 0.002;
        spawnObject(2, "-", objectWhite, x, y, z, 1.0, 0.1, 1.3 * o.objAge, 0);
    }
}

bool thrownItem1(objeto& o) {
    o.y += 0.1 - 0.02 * o.objAge;
    if (o.y <= 0) o.exploding = 1;
    {
        const f64 x = o.x + 0.1 + random(20) * 0.01;
        const f64 y = o.y + 0.1 + random(20) * 0.01;
        spawnObject(27, "-", objectWhite, x, y, o.z - 0.1, 0.1, 0.1, 0, 0);
    }
    for (int i = 0; i < 3; ++i) {
        const f64 x = o.x + 0.15 + random(30) * 0.01;
        const f64 y = o.y + 0.15 + random(30) * 0.01;
        spawnObject(28, "-", objectWhite, x, y, o.z - 0.1, 0.15, 0.15, 0, 0);
    }
    thrownSpeedLine(o, o.z - 0.1);
    return false;
}

bool thrownItem6(objeto& o) {
    o.y += 0.06 - 0.01 * o.objAge;
    if (o.angle == 0) o.spin -= 5;
    if (o.angle == 180) o.spin += 5;
    thrownSpeedLine(o, o.z);
    return false;
}

// The chest falls until it lands, then opens once and leaves one random item above it.
bool chest(objeto& o) {
    constexpr u8 closed = 17, open = 18;
    if (o.texture == closed) {
        o.y -= 0.35;
        if (o.y < 0) {
            o.y = 0;
            o.texture = open;
            o.width = 1.49;
            o.height = 1.14;
            f64 k = roundHalfEven(random(650) / 100.0);
            if (k == 0) k = roundHalfEven(random(650) / 100.0);
            if (k < 1) k = 1;
            if (k > 6) k = 6;
            spawnObject(static_cast<u8>(19 + k), "-", objectWhite, o.x, o.y + 0.5, o.z + 0.1, 0.5,
                        0.5, 0, 0);
            gs.soundRequest = 14;
            for (int i = 0; i < 10; ++i) spawnDustPuff(o.x, o.z);
        }
    }
    if (o.objAge > o.objLife - 30) o.blinking = 1;
    return false;
}

// An item on the floor blinks before it vanishes and never leaves the view or the arena.
bool floorItem(objeto& o) {
    if (o.objAge > o.objLife - 50) o.blinking = 1;
    if (o.x < gs.cameraX - 6.5) o.x = gs.cameraX - 6.5;
    if (o.x > gs.cameraX + 6.5) o.x = gs.cameraX + 6.5;
    if (o.x < gs.arenaLimitX1) o.x = gs.arenaLimitX1;
    if (o.x > gs.arenaLimitX2) o.x = gs.arenaLimitX2;
    return false;
}

bool itemInUse(objeto& o) {
    if (const personagem* owner = ownerOf(o)) {
        if (owner->facing == "DIR") o.x = owner->posX - 0.5;
        if (owner->facing == "ESQ") o.x = owner->posX + 0.5;
    }
    return false;
}

bool swellingMark(objeto& o) {
    if (const personagem* owner = ownerOf(o)) {
        o.x = owner->posX + 0.8;
        o.y = owner->posY + 3.2;
    }
    f64 grow = 0;
    if (o.objAge < 6)
        grow = 0.2;
    else if (o.objAge <= 9)
        grow = -0.08;
    else if (o.objAge >= 27)
        grow = -0.2;
    o.width += grow;
    o.height += grow;
    return false;
}

bool swayingMark(objeto& o) {
    if (const personagem* owner = ownerOf(o)) {
        o.x = owner->posX + 0.8;
        o.y = owner->posY + 3.25;
    }
    o.spin = 10 * std::cos(0.8 * o.objAge);
    return false;
}

void glowingDot(const objeto& o, f64 size) {
    spawnObject(46, "-", o.colour, o.x, o.y, o.z, size, size, 0, 0);
}

// A rocket slows down, sheds glowing dots and bursts into twenty stars when it stops.
bool rocket(objeto& o) {
    o.speed *= 0.85;
    if (random(2) == 0) glowingDot(o, 0.1);
    if (o.speed > 0.01) return false;
    const objeto was = o;
    o = objeto{};
    for (int i = 1; i <= 20; ++i)
        spawnObject(47, "-", was.colour, was.x, was.y, was.z, 0.04, 0.04, 18.0 * i, 0);
    return true;
}

bool rocketStar(objeto& o) {
    if (random(2) == 0) glowingDot(o, 0.02);
    o.speed *= 0.9;
    o.y -= 0.0005 * o.objAge;
    if (o.objAge > o.objLife - 15 && random(3) == 0) o.blinking = 1;
    return false;
}

const std::array<LookRow, 48> lookRows = [] {
    std::array<LookRow, 48> t{};
    t[1] = {-0.004, -0.004, 1, 5, [](objeto& o) {
                o.y += random(3) * 0.008;
                return false;
            }};
    t[2] = {0, 0, 1, 6};
    t[3] = {0, 0, 1, 1, [](objeto& o) {
                o.y += o.speed;
                o.speed += 0.002;
                o.width = o.height = std::cos(o.objAge / 2.0) * 0.2 + 0.05;
                return false;
            }};
    t[4] = {0.8, 0.8, 1, 30};
    t[5] = {0.25, 0.15, 1, 12, [](objeto& o) {
                o.x += o.mirrored ? 0.15 : -0.15;
                return false;
            }};
    t[6] = {-0.004, -0.004, 1, 8, [](objeto& o) {
                o.speed = o.speed * 0.9 > 0 ? o.speed * 0.9 : 0;
                spawnObject(9, "-", o.colour, o.x, o.y, o.z, 0.08, 0.08, 0, 0);
                return false;
            }};
    t[7] = {0, 0, 1.1, 12};
    t[9] = {0, 0, 1, 20};
    t[10] = {0.25, 0.25, 1, 18};
    t[11] = {0, 0, 1, 22};
    t[12] = {0.35, 0.1, 1, 12};
    t[13] = {0.8, 0.8, 1, 20};
    t[14] = {-1.5, -1.5, 1, 15};
    for (int kind = 15; kind <= 18; ++kind) t[kind] = {0, 0, 1, 0, projectileTrail};
    t[19] = {0, 0, 1, 0, chest};
    for (int kind = 20; kind <= 25; ++kind) t[kind] = {0, 0, 1, 0, floorItem};
    t[26] = {0, 0, 1, 0, thrownItem1};
    t[27] = t[28] = {0.02, 0.02, 1, 3};
    t[29] = {0.4, 0.4, 1, 1, [](objeto& o) {
                 if (o.objAge <= 7) o.texture = static_cast<u8>(27 + o.objAge);
                 if (o.objAge == 2) gs.soundRequest = 16;
                 return false;
             }};
    t[30] = {0.4, 0.2, 1, 8};
    t[31] = {0, 0, 1, 0, [](objeto& o) {
                 o.texture = o.objAge == 0 ? 36 : o.objAge == 1 ? 37 : 38;
                 return false;
             }};
    for (int kind = 32; kind <= 35; ++kind) t[kind] = {0, 0, 1, 0, itemInUse};
    t[36] = {0, 0, 1, 0, thrownItem6};
    t[37] = {0, 0, 1, 0, [](objeto& o) {
                 if (o.objAge == 1) gs.soundRequest = 17;
                 if (o.objAge > o.objLife - 8) o.blinking = 1;
                 return false;
             }};
    t[38] = {0, 0, 1, 0, swellingMark};
    t[39] = {0, 0, 1, 0, swayingMark};
    t[40] = {0, 0, 1, 0, [](objeto& o) {
                 o.y -= 0.12;
                 if (o.y < 0) {
                     o.y = 0;
                     o.texture = 45;
                     o.width = 0.2;
                     o.height = 0.14;
                 }
                 return false;
             }};
    t[41] = {0, 0, 1, 10, [](objeto& o) {
                 o.harmful = (o.objAge >= 1 && o.objAge <= 6) ? 1 : 0;
                 o.texture = static_cast<u8>(46 + o.objAge / 2);
                 return false;
             }};
    t[42] = {-0.008, -0.008, 1, 20, [](objeto& o) {
                 o.spin += 5;
                 return false;
             }};
    t[43] = {0, 0, 1, 8, [](objeto& o) {
                 if (o.objAge == 2) o.texture = 56;
                 if (o.objAge == 3) o.texture = 57;
                 return false;
             }};
    t[44] = {0, 0, 1, 8, [](objeto& o) {
                 if (o.objAge == 2) o.texture = 62;
                 if (o.objAge == 3) o.texture = 63;
                 return false;
             }};
    t[45] = {0, 0, 1, 0, rocket};
    t[46] = {-0.004, -0.004, 1, 0};
    t[47] = {0, 0, 1, 0, rocketStar};
    return t;
}();

} // namespace

bool evolveObject(int number) {
    objeto& o = gs.objectPool[static_cast<std::size_t>(number)];
    if (o.kind >= lookRows.size()) return false;
    const LookRow& row = lookRows[o.kind];
    o.width = (o.width + row.dWidth) * row.factor;
    o.height = (o.height + row.dHeight) * row.factor;
    fadeAlpha(o, row.alphaStep);
    return row.rule && row.rule(o);
}

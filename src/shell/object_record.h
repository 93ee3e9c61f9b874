// One record of the object pool: dust, sparks, speed lines, projectiles, thrown items, the
// item chest and items lying on the floor. Plain data; kind 0 marks a free record.
#pragma once

#include "shell/plain_data.h"

struct objeto {
    u8 kind = 0;
    u8 texture = 0;
    u8 owner = 0;
    u8 objHitSound = 0;
    u8 superLevel = 0;
    f64 x = 0, y = 0, z = 0;
    f64 width = 0, height = 0;
    u32 colour = 0; // RGB, red in the low byte
    std::array<f64, 3> boxMin{}, boxMax{};
    f64 objDamage = 0, objDizzy = 0, objGuardDamage = 0, objLift = 0;
    f64 objHitStop = 0;
    f64 objKnockback = 0;
    u8 objChip = 0;
    u8 runsWhileFrozen = 0;
    u16 objAge = 0;
    u16 objLife = 0;
    f64 speed = 0;
    f64 velY = 0;
    f64 angle = 0;
    f64 spin = 0;
    f64 objScale = 0;
    u8 alpha = 0;
    u8 mirrored = 0, moves = 0, harmful = 0, knocksDown = 0, blinking = 0, falls = 0;
    u8 special = 0, airGuardable = 0, exploding = 0, sparkles = 0, glows = 0;
    u8 shakeX = 0, shakeY = 0;
    u8 bounces = 0, keepWhenSpent = 0, tint = 0;
    u16 hitsLeft = 0;
    Name alignH, alignV;
};

template <class V> void reflect(V& v, objeto& o) {
    v("kind", o.kind);
    v("texture", o.texture);
    v("owner", o.owner);
    v("objHitSound", o.objHitSound);
    v("superLevel", o.superLevel);
    v("x", o.x);
    v("y", o.y);
    v("z", o.z);
    v("width", o.width);
    v("height", o.height);
    v("colour", o.colour);
    v("boxMin", o.boxMin);
    v("boxMax", o.boxMax);
    v("objDamage", o.objDamage);
    v("objDizzy", o.objDizzy);
    v("objGuardDamage", o.objGuardDamage);
    v("objLift", o.objLift);
    v("objHitStop", o.objHitStop);
    v("objKnockback", o.objKnockback);
    v("objChip", o.objChip);
    v("runsWhileFrozen", o.runsWhileFrozen);
    v("objAge", o.objAge);
    v("objLife", o.objLife);
    v("speed", o.speed);
    v("velY", o.velY);
    v("angle", o.angle);
    v("spin", o.spin);
    v("objScale", o.objScale);
    v("alpha", o.alpha);
    v("mirrored", o.mirrored);
    v("moves", o.moves);
    v("harmful", o.harmful);
    v("knocksDown", o.knocksDown);
    v("blinking", o.blinking);
    v("falls", o.falls);
    v("special", o.special);
    v("airGuardable", o.airGuardable);
    v("exploding", o.exploding);
    v("sparkles", o.sparkles);
    v("glows", o.glows);
    v("shakeX", o.shakeX);
    v("shakeY", o.shakeY);
    v("bounces", o.bounces);
    v("keepWhenSpent", o.keepWhenSpent);
    v("tint", o.tint);
    v("hitsLeft", o.hitsLeft);
    v("alignH", o.alignH);
    v("alignV", o.alignV);
}

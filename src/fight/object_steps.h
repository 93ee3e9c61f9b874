// What the object units share among themselves: boxes, the owner, the common bursts and the
// per-kind steps of one object's tick.
#pragma once

#include "fight/objects.h"

// A fighter's body box in the world: position + draw offset + body box corners.
struct WorldBox {
    std::array<f64, 3> min{}, max{};
};

WorldBox objectBox(const objeto& o);
WorldBox fighterBodyBox(const personagem& f);
// Touching counts as overlapping.
bool boxesTouch(const WorldBox& a, const WorldBox& b);

// The owner's record, or none for owner 0.
personagem* ownerOf(const objeto& o);
// A dust puff on the floor at x, z.
void spawnDustPuff(f64 x, f64 z);
// Thrown item 6 breaking up: 20 debris sparks and five dust puffs at its position.
void burstDebris(const objeto& o);
// Lowers alpha by `step` without wrapping below 0.
void fadeAlpha(objeto& o, int step);

// The look and the kind's own rules for one tick (chest, floor items, marks, rockets).
// Returns true when the object was freed.
bool evolveObject(int number);

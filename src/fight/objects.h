// The object pool: everything that flies or lingers apart from the two fighters. Any rule
// spawns with one call and forgets the object; the battle updates each active one per tick.
#pragma once

#include <string_view>

#include "shell/game_state.h"

constexpr u32 objectWhite = 0xFFFFFF;

// Takes the lowest free record; a full pool drops the spawn. Orientation "I" mirrors.
void spawnObject(u8 kind, std::string_view orientation, u32 colour, f64 x, f64 y, f64 z, f64 width,
                 f64 height, f64 angle, u8 owner);
void setObjectBox(int number, f64 minX, f64 minY, f64 minZ, f64 maxX, f64 maxY, f64 maxZ);
// One tick of object `number` (1..250).
void updateObject(int number);
// True when a record holds that kind and owner.
bool objectExists(u8 kind, u8 owner);
// Frees all 250 records.
void clearObjects();
// True when an active harmful object of fighter index's opponent lies within `range` of the
// fighter in x (the guard the transition rules allow against it).
bool harmfulObjectNear(int index, f64 range);

// The item chest that drops into the arena every 500..700 ticks of fighting.
#pragma once

#include "shell/plain_data.h"

// The closed chest's size as it falls; it opens larger on the floor.
constexpr f64 chestWidth = 1.0, chestHeight = 0.8;

// The drop's x: the arena's middle, moved 2 away from two fighters on one side of it.
f64 chestDropX();
// One tick of the item timer: a chest when it has run out, then the count-down while the
// fight runs.
void itemDrop();

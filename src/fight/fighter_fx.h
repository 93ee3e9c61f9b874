// The small effects a fighter kicks up while it moves: dust, speed lines, heel kick-ups.
#pragma once

#include "shell/plain_data.h"

// A puff of dust about the fighter's feet, at a random spot.
void dustPuff(int index);
// A speed line at (x, y) on the fighter's depth, tilted by `angle` degrees.
void speedLine(int index, f64 x, f64 y, f64 angle);
// Dust kicked up by a heel at x on the floor; `mirrored` flips the picture.
void heelKickUp(int index, f64 x, bool mirrored);

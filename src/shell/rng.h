// The game's one pseudo-random generator. Its state lives in the game state.
#pragma once

#include "shell/plain_data.h"

// A uniform integer 0..n-1: s := s * 134775813 + 1 (mod 2^32), result = high word of n * s.
u32 random(u32 n);
void seedRandom(u32 seed);

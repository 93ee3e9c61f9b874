// The battle's light 0: the arena's light with the hit flash, the red of an air combo and
// the bluish white of a super move laid over its ambient colour.
#pragma once

#include <array>

// The ambient colour of this tick. Makes its three random draws every call, whether or
// not a flash applies.
std::array<float, 4> battleAmbient();
// Sets and enables light 0 for this tick (position, ambient, diffuse, specular).
void applyBattleLights();

#pragma once

#include <array>

#include "shell/plain_data.h"

// An arena's pictures and models, loaded under the closed curtain before its first battle.
void loadArenaAssets(u8 arena);
// The first and last of the arena's surface pictures (the "Cenario" set its models are
// made of) and of its cut-out pictures ("Cenariotga"), 1 or 2.
std::array<int, 2> arenaSurfacePictures(u8 arena);
std::array<int, 2> arenaCutOutPictures(u8 arena);

#pragma once

#include "shell/plain_data.h"

// An arena's pictures and models, loaded under the closed curtain before its first battle.
void loadArenaAssets(u8 arena);

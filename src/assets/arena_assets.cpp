#include "assets/arena_assets.h"

void loadArenaAssets(u8) {}

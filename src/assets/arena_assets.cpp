#include "assets/arena_assets.h"

#include "assets/model_files.h"
#include "assets/textures.h"

void loadArenaAssets(u8 arena) {
    loadPictureSet(PictureSet::Arena, 0, 0);
    if (arena == 1)
        loadArenaModels(1, 25);
    else
        loadArenaModels(26, arenaModelCount);
    loadPictureSet(PictureSet::ArenaOverlay, 0, 0);
}

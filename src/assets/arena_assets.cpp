#include "assets/arena_assets.h"

#include "assets/model_files.h"
#include "assets/textures.h"

namespace {

// What each arena draws: its models, the surface pictures they are made of and the
// cut-out pictures of its layout. An arena's pictures are loaded with it; those of the
// other stay as they were, for its models' lists name them.
struct ArenaParts {
    int firstModel, lastModel;
    int firstSurface, lastSurface;
    int firstCutOut, lastCutOut;
};
constexpr ArenaParts arenaParts[] = {{1, 25, 1, 28, 1, 12}, {26, arenaModelCount, 29, 55, 13, 24}};

const ArenaParts& partsOf(u8 arena) {
    return arenaParts[arena == 2 ? 1 : 0];
}

} // namespace

void loadArenaAssets(u8 arena) {
    if (arena < 1 || arena > 2) return;
    const ArenaParts& a = partsOf(arena);
    loadPictures(PictureSet::Arena, a.firstSurface, a.lastSurface, 0, 0);
    loadArenaModels(a.firstModel, a.lastModel);
    loadPictures(PictureSet::ArenaOverlay, a.firstCutOut, a.lastCutOut, 0, 0);
}

std::array<int, 2> arenaSurfacePictures(u8 arena) {
    const ArenaParts& a = partsOf(arena);
    return {a.firstSurface, a.lastSurface};
}

std::array<int, 2> arenaCutOutPictures(u8 arena) {
    const ArenaParts& a = partsOf(arena);
    return {a.firstCutOut, a.lastCutOut};
}

// The farm's models (files 26..44) and the "Cenario" pictures 29..55 they use.
#pragma once

#include <string>
#include <vector>

#include "arena_models.h"

namespace farm {

enum Picture {
    redEarth = 29,
    tuftedEarth,
    oldPlaster,
    houseFront,
    porchBoards,
    porchPost,
    mossyTiles,
    rafters,
    oldDoor,
    brownShutters,
    stoneBase,
    fenceBoards,
    firewood,
    barnPlanks,
    barnDoor,
    galvanised,
    wireMesh,
    wicker,
    checkedCloth,
    pasture,
    caneField,
    mountains,
    breadOven,
    dampWhitewash,
    ruts,
    cornStalks,
    tinSign,
};

} // namespace farm

// Fills the farm's small props into their slots (files 31..35, 39..41, 43, 44; index
// 0 is file 26).
void addFarmProps(std::vector<Faces>& models, const std::string& pictures);

// The village courtyard's models (files 1..25) and the "Cenario" pictures 1..28 they use.
#pragma once

#include <vector>

#include "arena_models.h"

namespace village {

enum Picture {
    earth = 1,
    pebbles,
    plaster,
    plasterBand,
    tiles,
    tileEnds,
    blueDoor,
    shutters,
    stepStone,
    masonry,
    darkWood,
    lightWood,
    wheel,
    bark,
    foliage,
    hay,
    brick,
    cobbles,
    grass,
    hillsPicture,
    chapelFront,
    houseFront,
    shopFront,
    signBoard,
    pots,
    bunting,
    grille,
    sackCloth,
};

// The front pitch of a street house's roof (model 18) is `pitchDepth` long; tilted 34
// degrees it reaches `pitchReach` back and `pitchRise` up from its eave, which overhangs
// the front wall by `pitchEaveOverhang` and sits `pitchDrop` below the wall's top.
constexpr double pitchDepth = 4.2;
constexpr double pitchReach = 3.48193;
constexpr double pitchRise = 2.34862;
constexpr double pitchEaveOverhang = 0.45;
constexpr double pitchDrop = 0.3;

} // namespace village

// Fills the village's small props into their slots (files 9..17, 20, 21, 25).
void addVillageProps(std::vector<Faces>& models);

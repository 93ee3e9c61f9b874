// Pieces of the villagers on the cut-outs: faces, hair, straw hats, limbs and the cloth
// prints of their clothes. Positions in the picture's units, y down.
#pragma once

#include "arena_pictures_kit.h"
#include "arena_pictures_palette.h"

namespace scenery {

// A face seen from the front: head of radius r at (x, y), eyes, brows, nose, mouth.
// `smile` opens the mouth (cheering).
void faceFront(Canvas& c, float x, float y, float r, Colour skin, bool smile = false);
// A face in profile looking right (+x).
void faceProfile(Canvas& c, float x, float y, float r, Colour skin);
// A straw hat over a head of radius r centred at (x, y), the brim `brim` wide each side.
void strawHat(Canvas& c, float x, float y, float r, float brim, Colour band);
// An arm or leg: a tapered limb with a round joint at each end.
Shape limb(Point a, Point b, float ra, float rb);
// Cloth prints.
Fill flowered(Colour ground, float spacing, unsigned seed);
Fill plaid(Colour ground, Colour stripe, float spacing);
Fill straw();

} // namespace scenery

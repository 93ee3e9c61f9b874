// Distant country for the backdrops and the landscapes: hill ridges, patchwork fields,
// lines of small trees, far houses.
#pragma once

#include "arena_pictures_kit.h"

namespace scenery {

struct Ridge {
    float base;   // the ridge's mean height (y of the skyline)
    float amp;    // how far it rises and falls
    float period; // the width of one rise, about
    unsigned seed;
};
float ridgeY(const Ridge& r, float x);
// The hill from its skyline down to the bottom, `top` at the crest to `bottom` below.
void ridge(Canvas& c, const Ridge& r, Colour top, Colour bottom);
// Fields and hedges over the hill, from below its skyline to y1; `dry` shifts them to
// ripe and ploughed colours.
void fields(Canvas& c, const Ridge& r, float y1, unsigned seed, float dry = 0.3f);
// Small round trees scattered on the hill's face, `size` across.
void treeLine(Canvas& c, const Ridge& r, int count, float size, unsigned seed, Colour leaves);
// Small whitewashed houses with red roofs on the hill's face.
void houses(Canvas& c, const Ridge& r, int count, float size, unsigned seed);
// Distance haze: the whole canvas painted over towards `haze` by `amount`, more at the top.
void haze(Canvas& c, Colour col, float top, float bottom);

} // namespace scenery

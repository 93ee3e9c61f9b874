// Materials both arenas paint with: ground, plaster, pebbles, cracks, boards, stone.
#pragma once

#include "arena_pictures_kit.h"

namespace scenery {

struct Earth {
    Colour light, dark; // the dry top and the shaded, damp hollows
    Colour grit;        // fine specks
    unsigned seed;
};
// Packed earth over the whole canvas.
void earth(Canvas& c, Wrap wrap, const Earth& e);
// A repeating picture of earth with `count` pebbles of about `size` scattered on it.
Image earthTile(const Earth& e, int count, float size, Colour pebble);
// Small rounded stones scattered over the box.
void pebbles(Canvas& c, Wrap wrap, kit::Box box, int count, float size, Colour base, unsigned seed);
// Limewashed plaster over the whole canvas: soft clouds of thinner and thicker wash.
void plaster(Canvas& c, Wrap wrap, Colour base, float wear, unsigned seed);
// Hairline cracks wandering from random points.
void cracks(Canvas& c, Wrap wrap, int count, float length, Colour col, unsigned seed);
struct Weave {
    float pitch;        // the width of one strand
    float wobble;       // how far the strands wander, in strands
    Colour light, dark; // the crown of a strand and its sides
    Colour gap;         // between the strands
    unsigned seed;
};
// Plain over-under weave (cloth, wicker), colour at (x, y).
Colour weave(float x, float y, const Weave& v, Wrap wrap);
// Rough bark with furrows, for trunks and posts.
Fill roughBark(unsigned seed);
// A picture of boards.
Image boards(int w, int h, const Planks& p, bool vertical);
// A picture of stones.
Image stoneTile(int w, int h, const Stones& s);
// A rectangle of plaster-coloured frame around a hole, raised with a soft shadow.
void moulding(Canvas& c, float x0, float y0, float x1, float y1, float width, Colour col);
// A drop shadow under a shape (offset down right, feathered).
void dropShadow(Canvas& c, const Shape& s, float offset, float soft, float alpha);

} // namespace scenery

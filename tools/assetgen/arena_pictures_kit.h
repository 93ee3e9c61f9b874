// Painting kit of the arena pictures: noise and cells that repeat with the picture, shapes
// drawn across the edges of a repeating picture, softly modelled shapes for the cut-outs,
// and the surface patterns the arenas share (planks, bricks, stones, clay tiles, leaves).
// Design units are the stored picture's pixels, y down.
#pragma once

#include <functional>

#include "pictures_effects_kit.h"

namespace scenery {

using kit::Canvas;
using kit::Colour;
using kit::Fill;
using kit::Shape;

// The repeat of a picture in design units; 0 = it does not repeat that way.
struct Wrap {
    float w = 0, h = 0;
};

// Value noise in 0..1 over cells `cell` units wide, repeating every wrap.w x wrap.h (a
// whole number of cells).
float noise(float x, float y, float cell, Wrap wrap, unsigned seed);
// Octaves of that noise, each half the cell of the last.
float fbm(float x, float y, float cell, Wrap wrap, unsigned seed, int octaves = 4);
// Noise stretched: cells cw wide and ch high.
float fbm2(float x, float y, float cw, float ch, Wrap wrap, unsigned seed, int octaves = 3);

// Scattered cells, one per cw x ch box, jittered: the nearest and second nearest centres.
struct CellHit {
    float f1, f2; // distances to the nearest and second nearest centre
    float cx, cy; // the nearest centre
    unsigned id;  // a number per cell, for its own colour
    float edge;   // distance to the border between the two nearest cells
};
CellHit cells(float x, float y, float cw, float ch, Wrap wrap, unsigned seed, float jitter = 0.8f);

float unit(unsigned id, unsigned salt); // a number 0..1 from an id

// A box given by its corners, with rounded corners of radius r.
Shape rect(kit::Box b, float r = 0);
kit::Box inset(kit::Box b, float by); // shrunk by `by` on every side

// Fills a shape and its copies one repeat away, so that it continues across the edges.
void fillWrapped(Canvas& c, const Shape& s, const Fill& f, Wrap wrap, float soft = 0);
void fillWrapped(Canvas& c, const Shape& s, Colour col, Wrap wrap, float soft = 0);

// A picture w x h: `draw` paints it on a canvas whose units are the stored pixels, drawn
// at `ss` times the resolution. A repeating picture gets the wrap of its size.
using Painter = std::function<void(Canvas&, Wrap)>;
Image picture(int w, int h, const Painter& draw, int ss = 1);
Image tile(int w, int h, const Painter& draw, int ss = 1);       // repeats both ways
Image tileAcross(int w, int h, const Painter& draw, int ss = 1); // repeats in u only
// Paints every pixel of the canvas.
void wash(Canvas& c, const Fill& f);

// A picture's colour at u, v in 0..1 (v down), bilinear; `repeat` wraps, else clamps.
Colour sample(const Image& img, float u, float v, bool repeat);
// Lays a picture (or the part `src` of it, in 0..1) into the box, scaled; filtered down
// first when it shrinks a lot.
void stamp(Canvas& c, const Image& img, kit::Box dest, kit::Box src = {0, 0, 1, 1},
           bool mirror = false);

// Light comes from the upper left.
// A shape shaded as a rounded body: lit towards the upper left, darker towards the lower
// right over `depth` units from its edge.
void modelled(Canvas& c, const Shape& s, Colour base, float depth, float soft = 0, Wrap wrap = {});
// The same over a fill (patterned cloth, bark).
void modelled(Canvas& c, const Shape& s, const Fill& base, float depth, float soft = 0,
              Wrap wrap = {});
// A cut-out part: a dark outline `ink` wide, then the modelled shape.
void inked(Canvas& c, const Shape& s, Colour base, float depth, float ink = 1.2f);
void inked(Canvas& c, const Shape& s, const Fill& base, float depth, float ink = 1.2f);
extern const Colour kInk;

// Surface patterns, colour at (x, y).
struct Planks {
    float width;        // board width across the grain
    float length;       // board length before a butt joint
    Colour light, dark; // grain colours
    float seam = 1.6f;  // gap between boards
    float wear = 0.15f; // tint difference between boards
    bool nails = true;
    unsigned seed = 1;
};
// Boards along x; `vertical` turns them along y.
Colour planks(float x, float y, const Planks& p, Wrap wrap, bool vertical = false);

struct Bricks {
    float length, height, mortar;
    Colour brick, mortarColour;
    float variation = 0.18f;
    unsigned seed = 2;
};
Colour bricks(float x, float y, const Bricks& b, Wrap wrap);

struct Stones {
    float cw, ch;       // about one stone per cw x ch
    float gap;          // width of the joints
    Colour light, dark; // range of the stones' colours
    Colour joint;       // colour between the stones
    float relief = 0.35f;
    unsigned seed = 3;
};
Colour stones(float x, float y, const Stones& s, Wrap wrap);

// Clay roof tiles (capa e canal) seen from above, running down the picture: columns
// `column` wide, courses `course` long.
Colour clayTiles(float x, float y, float column, float course, Colour base, Wrap wrap,
                 unsigned seed, float moss = 0);

// Leafy masses: clumps of leaves, darker below, lighter up left, scattered over the box
// (repeating with the wrap).
void foliage(Canvas& c, kit::Box box, int clumps, float size, Colour base, unsigned seed,
             Wrap wrap = {});
// One clump of leaves at (x, y), radius r.
void leafClump(Canvas& c, float x, float y, float r, Colour base, unsigned seed, Wrap wrap = {});

// Grass blades standing on the line y over x0..x1.
void grassTufts(Canvas& c, float x0, float x1, float y, int count, float height, Colour base,
                unsigned seed, Wrap wrap = {});

} // namespace scenery

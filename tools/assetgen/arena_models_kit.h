// Building blocks for the arenas' models: flat textured quads, blocks, columns, gables and
// roofs. The game takes an arena face's normal from its corners 1, 2 and 3, so every quad
// here winds counter-clockwise seen from the side it shows. Tileable pictures repeat every
// `tile` world units; whole pictures (doors, windows, fronts) are stretched once over
// their quad.
#pragma once

#include "fighter_models_kit.h"

// A rectangle from `origin` along `across` (left to right seen from the front) and `up`
// (bottom to top); it shows towards across x up.
void addRect(Faces& faces, int texture, Vec3 origin, Vec3 across, Vec3 up, UvRect uv = {});
// The same with the picture repeated every `tile` units in both directions.
void addTiledRect(Faces& faces, int texture, Vec3 origin, Vec3 across, Vec3 up, double tile);
// A general quad a, b, c, d (bottom left, bottom right, top right, top left seen from the
// front), turned if needed so that it shows towards `outward`.
void addQuad(Faces& faces, int texture, Vec3 a, Vec3 b, Vec3 c, Vec3 d, UvRect uv, Vec3 outward);

// Ground facing up from (x0, z0) to (x1, z1) at height y, split into cells of about
// `cell` units so that the light varies across it. The picture's up runs towards -z, or
// towards +x when `turned` (a track painted along the picture's height running along x).
void addGround(Faces& faces, int texture, double x0, double z0, double x1, double z1, double y,
               double cell, double tile, bool turned = false);

// The pictures of a block's faces: front (+z), back (-z), the two ends (+x, -x), top.
struct BlockSkin {
    int front, back, ends, top;
};
inline BlockSkin skinAll(int texture) {
    return {texture, texture, texture, texture};
}
// A box from lo to hi without a bottom, every face tiled; a texture 0 leaves that face out.
void addBlock(Faces& faces, Vec3 lo, Vec3 hi, BlockSkin skin, double tile);

// An upright prism of `sides` faces around (cx, cz), radius r, from y0 to y1, tiled round
// its girth; with `capTexture` > 0 a flat top made of wedges.
void addColumn(Faces& faces, int texture, double cx, double cz, double r, double y0, double y1,
               int sides, double tile, int capTexture = 0);

// A triangular gable in the plane z, base x0..x1 at y0, apex at (xm, y1), showing
// towards +z when `front`, else -z.
void addGable(Faces& faces, int texture, double x0, double x1, double xm, double y0, double y1,
              double z, bool front, double tile);

// A triangular gable in the plane x, base from zFront to zBack at yEave, apex at
// (zRidge, yRidge), showing towards +x when `plusX`.
void addGableX(Faces& f, int texture, double x, double zFront, double zBack, double zRidge,
               double yEave, double yRidge, bool plusX);

// A gable roof whose ridge runs along x from x0 to x1: eaves at height yEave over z
// zFront and zBack, ridge at yRidge over zRidge, tiles `tiles` on top, `under` below
// (0 for none), and a row of tile ends `eave` (0 for none) along both eaves.
struct RoofSkin {
    int tiles, under, eave;
};
void addGableRoof(Faces& faces, RoofSkin skin, double x0, double x1, double zFront, double zBack,
                  double zRidge, double yEave, double yRidge, double tile);

// A roof pitch lying flat for a model that the game tilts about x: the tiles face up from
// x0..x1 and z 0 (the eave) back to z -depth, with a thickness below and the tile ends
// along the eave edge.
void addFlatPitch(Faces& faces, RoofSkin skin, double x0, double x1, double depth, double tile);

// A whole picture on an upright quad facing +z, raised `lift` in front of z to sit on a
// wall without fighting it.
void addPicture(Faces& faces, int texture, double x0, double x1, double y0, double y1, double z,
                double lift = 0.03);
// The same facing +x, across z1..z0 (left to right seen from +x).
void addPictureX(Faces& faces, int texture, double z1, double z0, double y0, double y1, double x,
                 double lift = 0.03);

// Moves and turns a piece already made.
void transformFaces(Faces& faces, std::size_t from, const Xform& xf);

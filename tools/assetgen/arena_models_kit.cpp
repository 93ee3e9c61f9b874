#include "arena_models_kit.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double pi = 3.14159265358979323846;

ModelVertex corner(Vec3 p, double u, double v) {
    return {p.x, p.y, p.z, u, v};
}

// The normal the game gives a quad a, b, c, d: (a - b) x (b - c).
Vec3 gameNormal(Vec3 a, Vec3 b, Vec3 c) {
    return cross(a - b, b - c);
}

// Turns a quad with a collapsed side (a triangle) round so that the game's normal corners
// 1, 2 and 3 are three distinct points; the winding stays as it was.
void pushFace(Faces& faces, QuadFace f) {
    for (int k = 0; k < 4; ++k) {
        const ModelVertex &a = f.corners[k], &b = f.corners[(k + 1) % 4],
                          &c = f.corners[(k + 2) % 4];
        if (length(gameNormal({a.x, a.y, a.z}, {b.x, b.y, b.z}, {c.x, c.y, c.z})) > 1e-12) {
            std::rotate(f.corners, f.corners + k, f.corners + 4);
            break;
        }
    }
    faces.push_back(f);
}

} // namespace

void addQuad(Faces& faces, int texture, Vec3 a, Vec3 b, Vec3 c, Vec3 d, UvRect uv, Vec3 outward) {
    if (dot(gameNormal(a, b, c), outward) >= 0) {
        pushFace(faces, {texture,
                         {corner(a, uv.u0, uv.v0), corner(b, uv.u1, uv.v0), corner(c, uv.u1, uv.v1),
                          corner(d, uv.u0, uv.v1)}});
    } else {
        // Seen from the outward side the quad runs the other way round: list it from b so
        // that the picture stays upright and unmirrored there.
        pushFace(faces, {texture,
                         {corner(b, uv.u0, uv.v0), corner(a, uv.u1, uv.v0), corner(d, uv.u1, uv.v1),
                          corner(c, uv.u0, uv.v1)}});
    }
}

void addRect(Faces& faces, int texture, Vec3 origin, Vec3 across, Vec3 up, UvRect uv) {
    Vec3 a = origin, b = origin + across, c = origin + across + up, d = origin + up;
    pushFace(faces, {texture,
                     {corner(a, uv.u0, uv.v0), corner(b, uv.u1, uv.v0), corner(c, uv.u1, uv.v1),
                      corner(d, uv.u0, uv.v1)}});
}

void addTiledRect(Faces& faces, int texture, Vec3 origin, Vec3 across, Vec3 up, double tile) {
    addRect(faces, texture, origin, across, up, {0, 0, length(across) / tile, length(up) / tile});
}

void addGround(Faces& faces, int texture, double x0, double z0, double x1, double z1, double y,
               double cell, double tile, bool turned) {
    const int nx = std::max(1, static_cast<int>(std::lround((x1 - x0) / cell)));
    const int nz = std::max(1, static_cast<int>(std::lround((z1 - z0) / cell)));
    const double dx = (x1 - x0) / nx, dz = (z1 - z0) / nz;
    for (int j = 0; j < nz; ++j)
        for (int i = 0; i < nx; ++i) {
            // Texture coordinates follow world position so that the cells join seamlessly.
            const double xa = x0 + i * dx, za = z1 - j * dz;
            if (turned)
                addRect(faces, texture, {xa, y, za - dz}, {0, 0, dz}, {dx, 0, 0},
                        {(za - dz) / tile, xa / tile, za / tile, (xa + dx) / tile});
            else
                addRect(faces, texture, {xa, y, za}, {dx, 0, 0}, {0, 0, -dz},
                        {xa / tile, -za / tile, (xa + dx) / tile, -(za - dz) / tile});
        }
}

void addBlock(Faces& faces, Vec3 lo, Vec3 hi, BlockSkin skin, double tile) {
    const double dx = hi.x - lo.x, dy = hi.y - lo.y, dz = hi.z - lo.z;
    if (skin.front)
        addTiledRect(faces, skin.front, {lo.x, lo.y, hi.z}, {dx, 0, 0}, {0, dy, 0}, tile);
    if (skin.back)
        addTiledRect(faces, skin.back, {hi.x, lo.y, lo.z}, {-dx, 0, 0}, {0, dy, 0}, tile);
    if (skin.ends) {
        addTiledRect(faces, skin.ends, {hi.x, lo.y, hi.z}, {0, 0, -dz}, {0, dy, 0}, tile);
        addTiledRect(faces, skin.ends, {lo.x, lo.y, lo.z}, {0, 0, dz}, {0, dy, 0}, tile);
    }
    if (skin.top) addTiledRect(faces, skin.top, {lo.x, hi.y, hi.z}, {dx, 0, 0}, {0, 0, -dz}, tile);
}

void addColumn(Faces& faces, int texture, double cx, double cz, double r, double y0, double y1,
               int sides, double tile, int capTexture) {
    const double side = 2 * r * std::sin(pi / sides);
    for (int i = 0; i < sides; ++i) {
        const double t0 = 2 * pi * i / sides, t1 = 2 * pi * (i + 1) / sides, tm = (t0 + t1) / 2;
        Vec3 p0{cx + r * std::cos(t0), y0, cz + r * std::sin(t0)};
        Vec3 p1{cx + r * std::cos(t1), y0, cz + r * std::sin(t1)};
        addQuad(faces, texture, p0, p1, p1 + Vec3{0, y1 - y0, 0}, p0 + Vec3{0, y1 - y0, 0},
                {i * side / tile, 0, (i + 1) * side / tile, (y1 - y0) / tile},
                {std::cos(tm), 0, std::sin(tm)});
        if (capTexture) {
            Vec3 c{cx, y1, cz};
            Vec3 q0{p0.x, y1, p0.z}, q1{p1.x, y1, p1.z};
            addQuad(faces, capTexture, c, q0, q1, c, {0.5, 0.5, 1, 1}, {0, 1, 0});
        }
    }
}

void addGable(Faces& faces, int texture, double x0, double x1, double xm, double y0, double y1,
              double z, bool front, double tile) {
    const double w = (x1 - x0) / tile, h = (y1 - y0) / tile, um = (xm - x0) / tile;
    Vec3 a{x0, y0, z}, b{x1, y0, z}, apex{xm, y1, z};
    if (front)
        faces.push_back(
            {texture,
             {corner(a, 0, 0), corner(b, w, 0), corner(apex, um, h), corner(apex, um, h)}});
    else
        faces.push_back(
            {texture,
             {corner(b, 0, 0), corner(a, w, 0), corner(apex, w - um, h), corner(apex, w - um, h)}});
}

void addGableX(Faces& f, int texture, double x, double zFront, double zBack, double zRidge,
               double yEave, double yRidge, bool plusX) {
    Vec3 a{x, yEave, plusX ? zFront : zBack}, b{x, yEave, plusX ? zBack : zFront};
    Vec3 apex{x, yRidge, zRidge};
    const double w = std::abs(zFront - zBack) / 2.6, h = (yRidge - yEave) / 2.6;
    addQuad(f, texture, a, b, apex, apex, {0, 0, w, h}, {plusX ? 1.0 : -1.0, 0, 0});
}

void addGableRoof(Faces& faces, RoofSkin skin, double x0, double x1, double zFront, double zBack,
                  double zRidge, double yEave, double yRidge, double tile) {
    const double len = x1 - x0, rise = yRidge - yEave, thick = 0.1;
    addTiledRect(faces, skin.tiles, {x0, yEave, zFront}, {len, 0, 0}, {0, rise, zRidge - zFront},
                 tile);
    addTiledRect(faces, skin.tiles, {x1, yEave, zBack}, {-len, 0, 0}, {0, rise, zRidge - zBack},
                 tile);
    if (skin.under) {
        addTiledRect(faces, skin.under, {x0, yRidge - thick, zRidge}, {len, 0, 0},
                     {0, -rise, zFront - zRidge}, tile);
        addTiledRect(faces, skin.under, {x1, yRidge - thick, zRidge}, {-len, 0, 0},
                     {0, -rise, zBack - zRidge}, tile);
    }
    if (skin.eave) {
        const UvRect uv{0, 0, len / tile, 1};
        addRect(faces, skin.eave, {x0, yEave - 0.22, zFront + 0.01}, {len, 0, 0}, {0, 0.25, 0}, uv);
        addRect(faces, skin.eave, {x1, yEave - 0.22, zBack - 0.01}, {-len, 0, 0}, {0, 0.25, 0}, uv);
    }
}

void addFlatPitch(Faces& faces, RoofSkin skin, double x0, double x1, double depth, double tile) {
    const double len = x1 - x0, thick = 0.12;
    addTiledRect(faces, skin.tiles, {x0, 0, 0}, {len, 0, 0}, {0, 0, -depth}, tile);
    if (skin.under) {
        addTiledRect(faces, skin.under, {x0, -thick, -depth}, {len, 0, 0}, {0, 0, depth}, tile);
        addTiledRect(faces, skin.under, {x1, -thick, 0}, {0, 0, -depth}, {0, thick, 0}, tile);
        addTiledRect(faces, skin.under, {x0, -thick, -depth}, {0, 0, depth}, {0, thick, 0}, tile);
    }
    if (skin.eave)
        addRect(faces, skin.eave, {x0, -0.24, 0.01}, {len, 0, 0}, {0, 0.27, 0},
                {0, 0, len / tile, 1});
}

void addPicture(Faces& faces, int texture, double x0, double x1, double y0, double y1, double z,
                double lift) {
    addRect(faces, texture, {x0, y0, z + lift}, {x1 - x0, 0, 0}, {0, y1 - y0, 0});
}

void addPictureX(Faces& faces, int texture, double z1, double z0, double y0, double y1, double x,
                 double lift) {
    addRect(faces, texture, {x + lift, y0, z1}, {0, 0, z0 - z1}, {0, y1 - y0, 0});
}

void transformFaces(Faces& faces, std::size_t from, const Xform& xf) {
    for (std::size_t i = from; i < faces.size(); ++i)
        for (ModelVertex& c : faces[i].corners) {
            Vec3 p = xf.apply({c.x, c.y, c.z});
            c.x = p.x, c.y = p.y, c.z = p.z;
        }
}

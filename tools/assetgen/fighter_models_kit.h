// Building blocks for the fighters' body-part models: vectors, rigid transforms and
// textured quad shapes (lofts of rings, tubes, boxes, free surfaces) that wind their
// corners counter-clockwise seen from outside.
#pragma once

#include <functional>
#include <vector>

#include "data_files.h"

struct Vec3 {
    double x = 0, y = 0, z = 0;
};
inline Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator*(Vec3 a, double k) {
    return {a.x * k, a.y * k, a.z * k};
}
double dot(Vec3 a, Vec3 b);
Vec3 cross(Vec3 a, Vec3 b);
double length(Vec3 a);
Vec3 normalised(Vec3 a);

// A linear map plus a translation: p -> m p + t.
struct Xform {
    double m[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    Vec3 t;
    Vec3 apply(Vec3 p) const;
    Vec3 applyLinear(Vec3 p) const;
    double determinant() const;
};
Xform operator*(const Xform& a, const Xform& b); // b first, then a
Xform translate(Vec3 t);
Xform rotateX(double degrees);
Xform rotateY(double degrees);
Xform rotateZ(double degrees);
Xform scale(Vec3 s);
// Turns the +y axis onto `direction` and moves the origin to `from`.
Xform alongAxis(Vec3 from, Vec3 direction);

// The part of a picture a shape is mapped on; u may run past 1 to repeat the picture.
struct UvRect {
    double u0 = 0, v0 = 0, u1 = 1, v1 = 1;
};

using Faces = std::vector<QuadFace>;

// A grid of points, rows bottom to top, columns left to right seen from outside, made
// into quads; texture coordinates spread over uv by the given fractions.
void addGrid(Faces& faces, const std::vector<std::vector<Vec3>>& rows,
             const std::vector<double>& uAt, const std::vector<double>& vAt, int texture, UvRect uv,
             const Xform& xf);

// A free surface p(s, t), s and t in 0..1, s to the right and t upwards seen from outside.
void addSurface(Faces& faces, int columns, int rows, const std::function<Vec3(double, double)>& p,
                int texture, UvRect uv, const Xform& xf = {});

// One cross-section of a loft around the y axis: height, radii and centre offset.
struct Ring {
    double y, rx, rz, cx = 0, cz = 0;
};
// A body of revolution-like shape through the rings (bottom to top). Around the rings u
// runs from the back (-z) over the right side (-x) to the front (+z, u = 0.5) and on;
// v follows the length of the profile. A ring of radius 0 closes the shape.
// `roundness` 2 gives ellipses, larger values squarer sections. With `vByHeight` v
// follows y instead, so that a picture painted by height lines up (faces).
void addLoft(Faces& faces, const std::vector<Ring>& rings, int sides, int texture, UvRect uv,
             const Xform& xf = {}, double roundness = 2, bool vByHeight = false);
// A closed ellipsoid of `sides` x `stacks` quads.
void addEllipsoid(Faces& faces, Vec3 centre, Vec3 radii, int sides, int stacks, int texture,
                  UvRect uv, const Xform& xf = {});
// A rounded tube from a to b, radius ra at a and rb at b, closed by shallow domes.
void addTube(Faces& faces, Vec3 a, Vec3 b, double ra, double rb, int sides, int texture, UvRect uv,
             const Xform& xf = {});
// A box from lo to hi; each face shows `uv` upright seen from outside.
void addBox(Faces& faces, Vec3 lo, Vec3 hi, int texture, UvRect uv, const Xform& xf = {});
// A box whose six faces take their own texture and picture part: +z, -z, +x, -x, +y, -y.
struct BoxSkin {
    int texture[6];
    UvRect uv[6];
};
void addBox(Faces& faces, Vec3 lo, Vec3 hi, const BoxSkin& skin, const Xform& xf = {});

// Reverses the winding of a closed piece whose faces turn inwards.
void orientOutwards(Faces& faces);
// The signed volume enclosed by the faces: positive when they face outwards.
double signedVolume(const Faces& faces);

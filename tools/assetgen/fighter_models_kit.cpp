#include "fighter_models_kit.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double pi = 3.14159265358979323846;

bool same(const ModelVertex& a, const ModelVertex& b) {
    return std::fabs(a.x - b.x) + std::fabs(a.y - b.y) + std::fabs(a.z - b.z) < 1e-9;
}

// The game takes a body part's face normal from corners 4, 1 and 2: turn a quad with a
// collapsed side (a triangle) so that those three are distinct. False when the quad has
// no area at all.
bool settleCorners(QuadFace& f) {
    for (int k = 0; k < 4; ++k) {
        const ModelVertex& c4 = f.corners[(k + 3) % 4];
        const ModelVertex& c1 = f.corners[k];
        const ModelVertex& c2 = f.corners[(k + 1) % 4];
        if (same(c4, c1) || same(c1, c2) || same(c4, c2)) continue;
        Vec3 a{c4.x - c1.x, c4.y - c1.y, c4.z - c1.z}, b{c1.x - c2.x, c1.y - c2.y, c1.z - c2.z};
        if (length(cross(a, b)) < 1e-12) continue;
        std::rotate(f.corners, f.corners + k, f.corners + 4);
        return true;
    }
    return false;
}

// Superellipse coordinate: roundness 2 keeps the circle.
double shaped(double v, double roundness) {
    return std::copysign(std::pow(std::fabs(v), 2.0 / roundness), v);
}

} // namespace

double dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec3 cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double length(Vec3 a) {
    return std::sqrt(dot(a, a));
}
Vec3 normalised(Vec3 a) {
    double l = length(a);
    return l > 0 ? a * (1 / l) : a;
}

Vec3 Xform::applyLinear(Vec3 p) const {
    return {m[0][0] * p.x + m[0][1] * p.y + m[0][2] * p.z,
            m[1][0] * p.x + m[1][1] * p.y + m[1][2] * p.z,
            m[2][0] * p.x + m[2][1] * p.y + m[2][2] * p.z};
}
Vec3 Xform::apply(Vec3 p) const {
    return applyLinear(p) + t;
}
double Xform::determinant() const {
    return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
           m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
           m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

Xform operator*(const Xform& a, const Xform& b) {
    Xform r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            r.m[i][j] = 0;
            for (int k = 0; k < 3; ++k) r.m[i][j] += a.m[i][k] * b.m[k][j];
        }
    r.t = a.apply(b.t);
    return r;
}

Xform translate(Vec3 t) {
    Xform r;
    r.t = t;
    return r;
}

Xform rotateX(double degrees) {
    double c = std::cos(degrees * pi / 180), s = std::sin(degrees * pi / 180);
    Xform r;
    r.m[1][1] = c, r.m[1][2] = -s, r.m[2][1] = s, r.m[2][2] = c;
    return r;
}

Xform rotateY(double degrees) {
    double c = std::cos(degrees * pi / 180), s = std::sin(degrees * pi / 180);
    Xform r;
    r.m[0][0] = c, r.m[0][2] = s, r.m[2][0] = -s, r.m[2][2] = c;
    return r;
}

Xform rotateZ(double degrees) {
    double c = std::cos(degrees * pi / 180), s = std::sin(degrees * pi / 180);
    Xform r;
    r.m[0][0] = c, r.m[0][1] = -s, r.m[1][0] = s, r.m[1][1] = c;
    return r;
}

Xform scale(Vec3 s) {
    Xform r;
    r.m[0][0] = s.x, r.m[1][1] = s.y, r.m[2][2] = s.z;
    return r;
}

Xform alongAxis(Vec3 from, Vec3 direction) {
    Vec3 y = normalised(direction);
    Vec3 ref = std::fabs(y.z) < 0.9 ? Vec3{0, 0, 1} : Vec3{1, 0, 0};
    Vec3 x = normalised(cross(y, ref));
    Vec3 z = cross(x, y);
    Xform r;
    for (int i = 0; i < 3; ++i) {
        r.m[i][0] = (&x.x)[i];
        r.m[i][1] = (&y.x)[i];
        r.m[i][2] = (&z.x)[i];
    }
    r.t = from;
    return r;
}

void addGrid(Faces& faces, const std::vector<std::vector<Vec3>>& rows,
             const std::vector<double>& uAt, const std::vector<double>& vAt, int texture, UvRect uv,
             const Xform& xf) {
    const bool mirrored = xf.determinant() < 0;
    auto corner = [&](std::size_t r, std::size_t c) {
        Vec3 p = xf.apply(rows[r][c]);
        return ModelVertex{p.x, p.y, p.z, uv.u0 + uAt[c] * (uv.u1 - uv.u0),
                           uv.v0 + vAt[r] * (uv.v1 - uv.v0)};
    };
    for (std::size_t r = 0; r + 1 < rows.size(); ++r)
        for (std::size_t c = 0; c + 1 < rows[r].size(); ++c) {
            QuadFace f{texture,
                       {corner(r, c), corner(r, c + 1), corner(r + 1, c + 1), corner(r + 1, c)}};
            if (mirrored) std::swap(f.corners[1], f.corners[3]);
            if (settleCorners(f)) faces.push_back(f);
        }
}

void addSurface(Faces& faces, int columns, int rows, const std::function<Vec3(double, double)>& p,
                int texture, UvRect uv, const Xform& xf) {
    std::vector<std::vector<Vec3>> grid(static_cast<std::size_t>(rows) + 1);
    std::vector<double> uAt, vAt;
    for (int c = 0; c <= columns; ++c) uAt.push_back(static_cast<double>(c) / columns);
    for (int r = 0; r <= rows; ++r) {
        vAt.push_back(static_cast<double>(r) / rows);
        for (int c = 0; c <= columns; ++c)
            grid[static_cast<std::size_t>(r)].push_back(
                p(static_cast<double>(c) / columns, static_cast<double>(r) / rows));
    }
    addGrid(faces, grid, uAt, vAt, texture, uv, xf);
}

void addLoft(Faces& faces, const std::vector<Ring>& rings, int sides, int texture, UvRect uv,
             const Xform& xf, double roundness, bool vByHeight) {
    std::vector<std::vector<Vec3>> grid;
    std::vector<double> uAt, vAt;
    for (int i = 0; i <= sides; ++i) uAt.push_back(static_cast<double>(i) / sides);
    double run = 0;
    for (std::size_t k = 0; k < rings.size(); ++k) {
        const Ring& r = rings[k];
        if (k > 0) {
            const Ring& q = rings[k - 1];
            run += vByHeight ? r.y - q.y : std::hypot(r.y - q.y, (r.rx + r.rz - q.rx - q.rz) / 2);
        }
        vAt.push_back(run);
        std::vector<Vec3> row;
        for (int i = 0; i <= sides; ++i) {
            double a = 2 * pi * i / sides;
            row.push_back({r.cx - r.rx * shaped(std::sin(a), roundness), r.y,
                           r.cz - r.rz * shaped(std::cos(a), roundness)});
        }
        grid.push_back(row);
    }
    for (double& v : vAt) v = run > 0 ? v / run : 0;
    addGrid(faces, grid, uAt, vAt, texture, uv, xf);
}

void addEllipsoid(Faces& faces, Vec3 centre, Vec3 radii, int sides, int stacks, int texture,
                  UvRect uv, const Xform& xf) {
    std::vector<Ring> rings;
    for (int k = 0; k <= stacks; ++k) {
        double a = pi * k / stacks;
        double s = std::sin(a);
        rings.push_back(
            {centre.y - radii.y * std::cos(a), radii.x * s, radii.z * s, centre.x, centre.z});
    }
    addLoft(faces, rings, sides, texture, uv, xf);
}

void addTube(Faces& faces, Vec3 a, Vec3 b, double ra, double rb, int sides, int texture, UvRect uv,
             const Xform& xf) {
    double len = length(b - a);
    std::vector<Ring> rings = {
        {-0.45 * ra, 0, 0}, {-0.2 * ra, 0.8 * ra, 0.8 * ra},      {0, ra, ra},
        {len, rb, rb},      {len + 0.2 * rb, 0.8 * rb, 0.8 * rb}, {len + 0.45 * rb, 0, 0}};
    addLoft(faces, rings, sides, texture, uv, xf * alongAxis(a, b - a));
}

void addBox(Faces& faces, Vec3 lo, Vec3 hi, int texture, UvRect uv, const Xform& xf) {
    BoxSkin skin{};
    for (int i = 0; i < 6; ++i) skin.texture[i] = texture, skin.uv[i] = uv;
    addBox(faces, lo, hi, skin, xf);
}

void addBox(Faces& faces, Vec3 lo, Vec3 hi, const BoxSkin& skin, const Xform& xf) {
    const double x0 = lo.x, y0 = lo.y, z0 = lo.z, x1 = hi.x, y1 = hi.y, z1 = hi.z;
    const Vec3 quads[6][4] = {
        {{x0, y0, z1}, {x1, y0, z1}, {x1, y1, z1}, {x0, y1, z1}}, // +z
        {{x1, y0, z0}, {x0, y0, z0}, {x0, y1, z0}, {x1, y1, z0}}, // -z
        {{x1, y0, z1}, {x1, y0, z0}, {x1, y1, z0}, {x1, y1, z1}}, // +x
        {{x0, y0, z0}, {x0, y0, z1}, {x0, y1, z1}, {x0, y1, z0}}, // -x
        {{x0, y1, z1}, {x1, y1, z1}, {x1, y1, z0}, {x0, y1, z0}}, // +y
        {{x0, y0, z0}, {x1, y0, z0}, {x1, y0, z1}, {x0, y0, z1}}, // -y
    };
    for (int i = 0; i < 6; ++i) {
        std::vector<std::vector<Vec3>> rows = {{quads[i][0], quads[i][1]},
                                               {quads[i][3], quads[i][2]}};
        addGrid(faces, rows, {0, 1}, {0, 1}, skin.texture[i], skin.uv[i], xf);
    }
}

double signedVolume(const Faces& faces) {
    double v = 0;
    auto p = [](const ModelVertex& c) { return Vec3{c.x, c.y, c.z}; };
    for (const QuadFace& f : faces) {
        Vec3 a = p(f.corners[0]), b = p(f.corners[1]), c = p(f.corners[2]), d = p(f.corners[3]);
        v += dot(a, cross(b, c)) + dot(a, cross(c, d));
    }
    return v / 6;
}

void orientOutwards(Faces& faces) {
    if (signedVolume(faces) >= 0) return;
    for (QuadFace& f : faces) {
        std::swap(f.corners[1], f.corners[3]);
        settleCorners(f);
    }
}

// The arenas' models, Cenarios/Cenario-001..044.cgo, and the pieces both arenas share.
#include "arena_models.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "generators.h"

namespace {

constexpr double pi = 3.14159265358979323846;

void writeModels(const Outputs& out, const std::vector<Faces>& models, int firstNumber) {
    for (std::size_t i = 0; i < models.size(); ++i) {
        const int n = firstNumber + static_cast<int>(i);
        const std::string path = out.run + "/Cenarios/" + pictureName("Cenario-", n, 3, ".cgo");
        if (!writeModelFile(path, n, models[i])) {
            std::fprintf(stderr, "assetgen: cannot write arena model %d (%zu faces)\n", n,
                         models[i].size());
            std::exit(1);
        }
    }
}

} // namespace

void addWheel(Faces& faces, int texture, double cx, double cy, double z, double r, bool front) {
    constexpr int wedges = 10;
    const double ur = 0.48;
    for (int i = 0; i < wedges; ++i) {
        double a0 = 2 * pi * i / wedges, a1 = 2 * pi * (i + 1) / wedges;
        if (!front) std::swap(a0, a1);
        Vec3 c{cx, cy, z}, p0{cx + r * std::cos(a0), cy + r * std::sin(a0), z},
            p1{cx + r * std::cos(a1), cy + r * std::sin(a1), z};
        const double s = front ? 1 : -1;
        faces.push_back({texture,
                         {{c.x, c.y, c.z, 0.5, 0.5},
                          {p0.x, p0.y, p0.z, 0.5 + s * ur * std::cos(a0), 0.5 + ur * std::sin(a0)},
                          {p1.x, p1.y, p1.z, 0.5 + s * ur * std::cos(a1), 0.5 + ur * std::sin(a1)},
                          {c.x, c.y, c.z, 0.5, 0.5}}});
    }
}

void addCrown(Faces& faces, int texture, double cx, double cz, double y0, double y1, double r) {
    // A rounded profile, flattened underneath like a real tree's crown.
    const double profile[][2] = {{0, 0.12},   {0.06, 0.7},  {0.2, 0.97}, {0.45, 1},
                                 {0.7, 0.88}, {0.88, 0.55}, {1, 0.1}};
    constexpr int sides = 9;
    const int rings = static_cast<int>(std::size(profile));
    const double h = y1 - y0;
    for (int k = 0; k + 1 < rings; ++k)
        for (int i = 0; i < sides; ++i) {
            // A little unevenness round the crown so that its outline is not a cone.
            auto point = [&](int ring, int side) {
                const double a = 2 * pi * side / sides;
                const double bump = 1 + 0.08 * std::sin(3 * a + ring);
                const double rr = r * profile[ring][1] * bump;
                return Vec3{cx + rr * std::cos(a), y0 + h * profile[ring][0],
                            cz + rr * std::sin(a)};
            };
            const double am = 2 * pi * (i + 0.5) / sides;
            const double tilt = profile[k + 1][1] - profile[k][1];
            Vec3 outward{std::cos(am), -tilt * r / h, std::sin(am)};
            addQuad(faces, texture, point(k, i), point(k, i + 1), point(k + 1, i + 1),
                    point(k + 1, i), {i * 0.6, k * 0.5, (i + 1) * 0.6, (k + 1) * 0.5}, outward);
        }
    Vec3 bottom{cx, y0, cz}, top{cx, y1, cz};
    for (int i = 0; i < sides; ++i) {
        const double a0 = 2 * pi * i / sides, a1 = 2 * pi * (i + 1) / sides;
        const double rb = r * profile[0][1], rt = r * profile[rings - 1][1];
        addQuad(faces, texture, bottom, {cx + rb * std::cos(a0), y0, cz + rb * std::sin(a0)},
                {cx + rb * std::cos(a1), y0, cz + rb * std::sin(a1)}, bottom, {0, 0, 0.3, 0.3},
                {0, -1, 0});
        addQuad(faces, texture, top, {cx + rt * std::cos(a0), y1, cz + rt * std::sin(a0)},
                {cx + rt * std::cos(a1), y1, cz + rt * std::sin(a1)}, top, {0, 0, 0.3, 0.3},
                {0, 1, 0});
    }
}

void addBackdrop(Faces& faces, int texture, double x0, double x1, double y0, double y1, double z,
                 int panels, double v0, double v1) {
    const double w = (x1 - x0) / panels;
    for (int i = 0; i < panels; ++i)
        addRect(faces, texture, {x0 + i * w, y0, z}, {w, 0, 0}, {0, y1 - y0, 0},
                {double(i % 2), v0, double(1 - i % 2), v1});
}

void makeArenaModels(const Outputs& out) {
    writeModels(out, villageModels(out.pictures), 1);
    writeModels(out, farmModels(out.pictures), 26);
}

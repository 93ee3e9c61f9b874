// The trees and greenery as cut-outs standing on the picture's bottom edge: mango,
// coconut palm, bush, jackfruit, banana plant, hedge.
#include <algorithm>
#include <cmath>

#include "arena_pictures_materials.h"
#include "arena_pictures_parts.h"

using namespace kit;
using namespace scenery;

namespace {

const Colour kLeaf = hex(0x3E8A34);

// A trunk with limbs spreading into the crown.
void trunk(Canvas& c, float x, float base, float top, float width, int limbs, unsigned seed) {
    Rng rng(seed);
    std::vector<Shape> parts{taper(x, base, x, top, width, width * 0.6f),
                             ellipse(x, base - width * 0.3f, width * 1.5f, width * 0.6f)};
    for (int i = 0; i < limbs; ++i) {
        float side = i % 2 ? 1.0f : -1.0f, reach = rng.range(0.5f, 1.0f) * (base - top) * 0.45f;
        float y0 = top + rng.range(0, (base - top) * 0.3f);
        parts.push_back(taper(x, y0, x + side * reach, y0 - reach * rng.range(0.5f, 0.9f),
                              width * 0.55f, width * 0.2f));
    }
    inked(c, unite(parts), roughBark(seed), width * 0.8f);
}

// A crown of leaf clumps in an ellipse, dark underneath, sunlit on top.
void crown(Canvas& c, float cx, float cy, float rx, float ry, int clumps, float size, Colour base,
           unsigned seed) {
    Rng rng(seed);
    Shape mass = scale(blob(cx, cy, rx * 0.8f, 0.12f, 7, seed), cx, cy, 1, ry / rx * 0.95f);
    c.fill(mass, shade(base, 0.45f), 6);
    std::vector<Point> spots;
    for (int i = 0; i < clumps; ++i) {
        float a = rng.range(0, 6.28f), d = std::sqrt(rng.next());
        spots.push_back({cx + std::cos(a) * rx * d * 0.8f, cy + std::sin(a) * ry * d * 0.75f});
    }
    // Lower clumps first, so the sunlit upper ones lie over them.
    std::sort(spots.begin(), spots.end(), [](Point p, Point q) { return p.y > q.y; });
    for (int i = 0; i < clumps; ++i) {
        float t = 1 - (spots[i].y - (cy - ry)) / (2 * ry);
        Colour col = lerp(shade(base, 0.7f), shade(base, 1.15f), t);
        leafClump(c, spots[i].x, spots[i].y, size * rng.range(0.75f, 1.2f), col, seed * 7 + i);
    }
}

// A broad fruit tree on a 512 x 512 picture: trunk and limbs, a crown of leaf clumps,
// then its fruit.
struct FruitTree {
    float trunkTop, trunkWidth;
    int limbs;
    float crownY, crownRx, crownRy;
    int clumps;
    float clumpSize;
    Colour leaves;
    unsigned seed;
};

Image fruitTree(const FruitTree& t, void (*fruit)(Canvas&, Rng&)) {
    return picture(
        512, 512,
        [&](Canvas& c, Wrap) {
            trunk(c, 256, 508, t.trunkTop, t.trunkWidth, t.limbs, t.seed);
            crown(c, 256, t.crownY, t.crownRx, t.crownRy, t.clumps, t.clumpSize, t.leaves,
                  t.seed + 1);
            Rng rng(t.seed + 2);
            fruit(c, rng);
        },
        1);
}

// Ripe mangoes hanging under the crown on short stalks.
void mangoes(Canvas& c, Rng& rng) {
    for (int i = 0; i < 14; ++i) {
        float x = rng.range(100, 412), y = rng.range(250, 350);
        c.fill(capsule(x, y - 12, x, y - 4, 0.8f), hex(0x3A4A1A));
        inked(c, ellipse(x, y + 4, 7, 9), lerp(hex(0xE8A030), hex(0xD8482A), rng.next()), 5);
    }
}

// Big knobbly jackfruits on the trunk and the lower limbs.
void jackfruits(Canvas& c, Rng& rng) {
    for (int i = 0; i < 9; ++i) {
        float x = 256 + rng.range(-30, 30), y = rng.range(290, 440);
        if (i > 5) x = 256 + (i % 2 ? 1 : -1) * rng.range(80, 150), y = rng.range(260, 320);
        inked(
            c, ellipse(x, y, 13, 22),
            [](float px, float py) {
                float bumps = 0.5f + 0.5f * std::sin(px * 1.4f) * std::sin(py * 1.4f);
                return shade(hex(0x9AA840), 0.85f + 0.2f * bumps);
            },
            10);
    }
}

Image mangoTree() {
    return fruitTree({250, 26, 6, 210, 240, 170, 110, 44, hex(0x2E7A2E), 701}, mangoes);
}

Image jackfruitTree() {
    return fruitTree({240, 34, 7, 190, 230, 170, 120, 40, hex(0x1E6A2A), 761}, jackfruits);
}

// A frond of the palm: a bending rib with leaflets hanging off both sides.
void frond(Canvas& c, Point base, float angle, float len, Colour col, unsigned seed) {
    Rng rng(seed);
    std::vector<Point> rib;
    for (int i = 0; i <= 12; ++i) {
        float t = i / 12.0f;
        float droop = t * t * len * 0.5f;
        rib.push_back(
            {base.x + std::cos(angle) * len * t, base.y + std::sin(angle) * len * t + droop});
    }
    for (int i = 1; i <= 12; ++i) {
        Point a = rib[i - 1], b = rib[i];
        float t = i / 12.0f, l = len * (0.42f - 0.24f * t);
        for (float s : {-1.0f, 1.0f}) {
            float dir = std::atan2(b.y - a.y, b.x - a.x) + s * 1.1f + 0.5f;
            Point tip{b.x + std::cos(dir) * l, b.y + std::sin(dir) * l + l * 0.4f};
            c.fill(leaf(b, tip, 7, s * 0.15f), shade(col, rng.range(0.8f, 1.15f)), 0.3f);
        }
        c.fill(capsule(a.x, a.y, b.x, b.y, 2.2f * (1 - t) + 0.8f), shade(col, 0.7f));
    }
}

Image coconutPalm() {
    return picture(
        256, 512,
        [](Canvas& c, Wrap) {
            std::vector<Shape> rings;
            Point top{128, 110};
            for (int i = 0; i < 40; ++i) {
                float t = i / 40.0f, t1 = (i + 1) / 40.0f;
                auto at = [&](float k) {
                    return Point{92 + 34 * k * k + 6 * std::sin(k * 3), 508 - 398 * k};
                };
                Point a = at(t), b = at(t1);
                rings.push_back(taper(a.x, a.y, b.x, b.y, 11 - 4 * t, 11 - 4 * t1));
            }
            Shape stem = unite(rings);
            inked(
                c, stem,
                [](float x, float y) {
                    float ring = 0.5f + 0.5f * std::sin(y * 0.7f);
                    return shade(hex(0x9A8A6A),
                                 0.8f + 0.25f * ring + 0.05f * noise(x, y, 4, {}, 712));
                },
                8);
            for (int i = 0; i < 10; ++i) {
                float a = -3.3f + i * 0.42f;
                frond(c, top, a, 92 + 12 * std::sin(i * 1.7f),
                      lerp(hex(0x3A7A2A), hex(0x6AA03A), i % 3 / 2.0f), 711 + i);
            }
            for (Point p : {Point{120, 120}, Point{134, 124}, Point{127, 132}})
                inked(c, circle(p.x, p.y, 8), hex(0x6A7A2A), 6);
        },
        2);
}

Image bush() {
    return picture(
        256, 128,
        [](Canvas& c, Wrap) {
            c.fill(intersect(ellipse(128, 120, 116, 84), rect({0, 0, 256, 128})),
                   shade(kLeaf, 0.4f), 2);
            crown(c, 128, 82, 118, 52, 40, 22, kLeaf, 721);
        },
        2);
}

Image bananaPlant() {
    return picture(
        512, 512,
        [](Canvas& c, Wrap) {
            inked(
                c, taper(256, 512, 258, 280, 22, 16),
                [](float x, float y) {
                    return shade(hex(0x8A9A5A), 0.8f + 0.3f * fbm2(x, y, 4, 40, {}, 771, 2));
                },
                12);
            // Old blades hang out to the sides, young ones stand up in the middle.
            struct Blade {
                float dx, dy, bend;
            };
            static const Blade kBlades[] = {
                {-230, 30, -0.42f},   {220, 50, 0.42f},   {-200, -90, -0.3f}, {210, -70, 0.3f},
                {-120, -210, -0.15f}, {130, -200, 0.15f}, {-30, -250, -0.1f}, {40, -240, 0.12f}};
            Rng rng(772);
            for (const Blade& b : kBlades) {
                Point base{258, 290}, tip{base.x + b.dx, base.y + b.dy};
                float len = std::hypot(b.dx, b.dy);
                Colour col = lerp(hex(0x3A8A2A), hex(0x7AB848), rng.next());
                Shape blade = leaf(base, tip, len * 0.3f, b.bend);
                inked(c, blade, col, 16);
                // Torn edges: a few slits across the blade.
                for (int k = 0; k < 4; ++k) {
                    float t = rng.range(0.35f, 0.9f);
                    Point p{base.x + b.dx * t, base.y + b.dy * t};
                    float n = std::atan2(b.dy, b.dx) + (k % 2 ? 1.57f : -1.57f);
                    c.fill(capsule(p.x + std::cos(n) * 12, p.y + std::sin(n) * 12,
                                   p.x + std::cos(n) * 44, p.y + std::sin(n) * 44, 0.8f),
                           hex(0x000000), 0, Blend::Erase);
                }
            }
            // The bunch of green bananas and the purple flower below it.
            inked(c, capsule(262, 296, 276, 330, 2.5f), hex(0x6A7A3A), 2);
            for (int r = 0; r < 4; ++r)
                for (int k = -2; k <= 2; ++k)
                    inked(c,
                          leaf({272 + k * 7.0f, 332 + r * 18.0f}, {282 + k * 9.0f, 318 + r * 18.0f},
                               7, 0.3f),
                          hex(0x8AAA3A), 3, 0.7f);
            inked(c, ellipse(280, 420, 11, 20), hex(0x7A2A4A), 8);
        },
        1);
}

Image hedge() {
    return picture(
        512, 128,
        [](Canvas& c, Wrap) {
            c.fill(rect({14, 52, 498, 140}, 30), shade(kLeaf, 0.4f));
            foliage(c, {22, 40, 490, 116}, 80, 24, hex(0x3A8A34), 781);
        },
        1);
}

const PictureEntry kTrees[] = {
    {1, mangoTree},      {2, coconutPalm},  {3, bush},
    {13, jackfruitTree}, {14, bananaPlant}, {15, hedge},
};

} // namespace

Image treeCutout(int n) {
    return pictureFrom(kTrees, n);
}

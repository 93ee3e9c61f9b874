// The two arena landscapes of the arena selection, painted as flat illustrations: sky,
// hills, the buildings of the place and its packed-earth ground.
#include <cmath>

#include "pictures_effects_kit.h"
#include "pictures_title_parts.h"

using namespace kit;

namespace {

constexpr float kW = 512, kH = 256;
const Colour kInk = hex(0x2A1A10, 0.85f);

void sky(Canvas& c, Colour top, Colour horizon, float horizonY) {
    c.paint({0, 0, kW, horizonY + 20}, linear(0, 0, 0, horizonY, {{0, top}, {1, horizon}}));
}

void cloud(Canvas& c, float x, float y, float s, Colour col) {
    Shape shape = unite({circle(x - 18 * s, y + 4 * s, 12 * s), circle(x, y - 4 * s, 17 * s),
                         circle(x + 20 * s, y + 2 * s, 13 * s),
                         roundBox(x, y + 9 * s, 30 * s, 7 * s, 7 * s)});
    c.fill(shape, linear(0, y - 20 * s, 0, y + 16 * s, {{0, col}, {1, shade(col, 0.88f)}}), 1.5f);
}

// A ridge of hills from the left edge to the right, filled down to the bottom.
void hills(Canvas& c, float baseY, float amp, float period, unsigned seed, Colour top,
           Colour bottom) {
    std::vector<Point> ridge{{0, kH}};
    for (int i = 0; i <= 64; ++i) {
        float x = kW * i / 64;
        float y =
            baseY - amp * (0.6f * std::sin(x / period + seed) + 0.4f * fbm(x, 0, period, seed, 3));
        ridge.push_back({x, y});
    }
    ridge.push_back({kW, kH});
    c.fill(poly(std::move(ridge)), linear(0, baseY - amp, 0, baseY + 40, {{0, top}, {1, bottom}}));
}

// Packed earth from y0 to the bottom, speckled, with a few grass tufts.
void ground(Canvas& c, float y0, Colour near, Colour far, unsigned seed) {
    c.paint({0, y0, kW, kH}, [=](float x, float y) {
        float n = fbm(x, y * 2.5f, 10, seed, 4);
        return shade(lerp(far, near, (y - y0) / (kH - y0)), 0.85f + 0.3f * n);
    });
    Rng rng(seed);
    for (int i = 0; i < 26; ++i) {
        float x = rng.range(0, kW), y = rng.range(y0 + 4, kH), s = 0.5f + (y - y0) / (kH - y0);
        for (int k = -2; k <= 2; ++k)
            c.fill(leaf({x + k * 1.5f * s, y}, {x + k * 3.0f * s, y - 7 * s}, 2 * s, 0.1f * k),
                   hex(0x5A8A30), 0.5f);
    }
}

// Clay roof tiles: rows of rounded tiles in terracotta.
Fill tiles(Colour base) {
    return [=](float x, float y) {
        float row = std::fmod(y, 5.0f) / 5.0f;
        float bump = 0.5f + 0.5f * std::sin(x * 1.2f + std::floor(y / 5) * 1.7f);
        return shade(base, 0.7f + 0.25f * row + 0.12f * bump);
    };
}

// A whitewashed village house: walls, a tiled roof, a door and windows with painted
// frames, standing on baseY.
void house(Canvas& c, float x, float baseY, float w, float h, Colour wall, Colour trim,
           Colour roof) {
    Shape walls = roundBox(x, baseY - h / 2, w / 2, h / 2, 0);
    c.fill(grow(walls, 1), kInk);
    c.fill(walls, linear(x - w / 2, 0, x + w / 2, 0, {{0, wall}, {1, shade(wall, 0.86f)}}));
    c.fill(roundBox(x, baseY - 3, w / 2, 3, 0), trim);
    Shape roofShape = poly({{x - w / 2 - 6, baseY - h + 1},
                            {x + w / 2 + 6, baseY - h + 1},
                            {x + w / 2 - 4, baseY - h - h * 0.42f},
                            {x - w / 2 + 4, baseY - h - h * 0.42f}});
    c.fill(grow(roofShape, 1), kInk);
    c.fill(roofShape, tiles(roof));
    c.fill(roundBox(x, baseY - h + 2, w / 2 + 5, 2, 0), hex(0x000000, 0.25f));
    float doorW = std::min(w * 0.16f, 9.0f), doorH = h * 0.62f;
    float doorX = x - w * 0.2f;
    c.fill(roundBox(doorX, baseY - doorH / 2, doorW + 1.5f, doorH / 2 + 1.5f, 0),
           shade(trim, 1.25f));
    c.fill(roundBox(doorX, baseY - doorH / 2, doorW, doorH / 2, 0), trim);
    c.fill(roundBox(doorX, baseY - doorH / 2, 0.6f, doorH / 2, 0), shade(trim, 0.6f));
    for (float wx : {x + w * 0.12f, x + w * 0.32f}) {
        float wy = baseY - h * 0.55f, ws = std::min(w * 0.09f, 6.0f);
        c.fill(roundBox(wx, wy, ws + 1.5f, ws * 1.3f + 1.5f, 0), shade(trim, 1.25f));
        c.fill(roundBox(wx, wy, ws, ws * 1.3f, 0), hex(0x2A2A3A));
        c.fill(roundBox(wx - ws * 0.5f, wy, ws * 0.5f, ws * 1.3f, 0), trim);
    }
}

void tree(Canvas& c, float x, float baseY, float s, unsigned seed, Colour leaves) {
    c.fill(taper(x, baseY, x + 2 * s, baseY - 40 * s, 6 * s, 3 * s), hex(0x5A3A22));
    c.fill(taper(x + 1 * s, baseY - 26 * s, x - 14 * s, baseY - 44 * s, 2.5f * s, 1.5f * s),
           hex(0x5A3A22));
    Rng rng(seed);
    for (int i = 0; i < 14; ++i) {
        float bx = x + rng.range(-30, 30) * s, by = baseY - 52 * s + rng.range(-20, 16) * s;
        float r = rng.range(11, 17) * s;
        c.fill(circle(bx, by, r),
               radial(bx - r * 0.4f, by - r * 0.5f, r * 2,
                      {{0, shade(leaves, 1.3f)}, {1, shade(leaves, 0.7f)}}),
               1);
    }
}

void bananaTree(Canvas& c, float x, float baseY, float s, unsigned seed) {
    c.fill(taper(x, baseY, x + 3 * s, baseY - 50 * s, 4 * s, 3 * s), hex(0x7A8A4A));
    Rng rng(seed);
    for (int i = 0; i < 7; ++i) {
        float a = -3.1f + 3.1f * i / 6 + rng.range(-0.15f, 0.15f), len = rng.range(34, 46) * s;
        Point base{x + 3 * s, baseY - 50 * s};
        Point tip{base.x + len * std::cos(a), base.y + len * std::sin(a) * 0.6f + 14 * s};
        Shape l = leaf(base, tip, 14 * s, a < -1.57f ? -0.2f : 0.2f);
        c.fill(l, linear(base.x, base.y, tip.x, tip.y, {{0, hex(0x3A8A2A)}, {1, hex(0x7AB84A)}}),
               0.5f);
    }
}

void chapel(Canvas& c, float x, float baseY) {
    Colour wall = hex(0xF6F2E8), trim = hex(0x2E6AB8);
    Shape nave = roundBox(x, baseY - 26, 30, 26, 0);
    Shape front = poly({{x - 32, baseY - 52}, {x + 32, baseY - 52}, {x, baseY - 72}});
    Shape tower = roundBox(x + 42, baseY - 44, 12, 44, 0);
    Shape spire = poly({{x + 28, baseY - 88}, {x + 56, baseY - 88}, {x + 42, baseY - 108}});
    for (const Shape& s : {nave, front, tower}) c.fill(grow(s, 1), kInk);
    c.fill(grow(spire, 1), kInk);
    c.fill(nave, wall);
    c.fill(front, shade(wall, 0.95f));
    c.fill(tower, linear(x + 30, 0, x + 54, 0, {{0, wall}, {1, shade(wall, 0.85f)}}));
    c.fill(spire, tiles(hex(0xB4502A)));
    c.fill(roundBox(x, baseY - 13, 7, 13, 0), trim);
    c.fill(circle(x, baseY - 13 - 13, 7), trim);
    c.fill(circle(x, baseY - 58, 4), trim);
    c.fill(roundBox(x + 42, baseY - 72, 5, 7, 0), hex(0x2A2A3A));
    c.fill(circle(x + 42, baseY - 69, 3.5f), hex(0xD0A030));
    c.fill(roundBox(x, baseY - 3, 30, 3, 0), trim);
    c.fill(roundBox(x + 42, baseY - 3, 12, 3, 0), trim);
    c.fill(capsule(x, baseY - 72, x, baseY - 84, 1), hex(0x4A3A2A));
    c.fill(capsule(x - 4, baseY - 80, x + 4, baseY - 80, 1), hex(0x4A3A2A));
}

void bunting(Canvas& c, float x0, float y0, float x1, float y1, float sag, int flags) {
    static const Colour colours[] = {hex(0xE83A2E), hex(0xFFD23C), hex(0x2EA84A),
                                     hex(0x2E6AD8), hex(0xFF8A1E), hex(0xE85AA8)};
    auto at = [=](float t) {
        return Point{x0 + (x1 - x0) * t, y0 + (y1 - y0) * t + sag * 4 * t * (1 - t)};
    };
    for (int i = 0; i < 20; ++i) {
        Point a = at(i / 20.0f), b = at((i + 1) / 20.0f);
        c.fill(capsule(a.x, a.y, b.x, b.y, 0.6f), hex(0x4A3A2A));
    }
    for (int i = 0; i < flags; ++i) {
        Point p = at((i + 0.5f) / flags);
        c.fill(poly({{p.x - 4, p.y}, {p.x + 4, p.y}, {p.x, p.y + 9}}), colours[i % 6], 0.5f);
    }
}

} // namespace

Image villageCourtyard() {
    return render(kW, kH, 512, 256, [](Canvas& c) {
        sky(c, hex(0x4A9AE0), hex(0xD6EEFA), 150);
        cloud(c, 90, 40, 1.2f, hex(0xFFFFFF));
        cloud(c, 300, 28, 0.9f, hex(0xFFFFFF));
        cloud(c, 440, 52, 1.1f, hex(0xFFFFFF));
        hills(c, 138, 22, 60, 3, hex(0x8AB87A), hex(0x6A9A5A));
        hills(c, 154, 14, 40, 7, hex(0x5E9A48), hex(0x4A8038));
        chapel(c, 300, 168);
        house(c, 70, 176, 90, 44, hex(0xF4EEDC), hex(0x2E6AB8), hex(0xB4502A));
        house(c, 176, 178, 84, 40, hex(0xF6D77A), hex(0x2E8A4A), hex(0xA84A26));
        house(c, 420, 178, 100, 46, hex(0xF0C8C0), hex(0x2E6AB8), hex(0xB85A2E));
        ground(c, 176, hex(0xB88452), hex(0xD4AC78), 31);
        tree(c, 500, 200, 1.4f, 41, hex(0x3E8A34));
        tree(c, 18, 196, 1.1f, 42, hex(0x4A9A3A));
        bunting(c, 0, 40, 512, 30, 46, 26);
        c.fill(ellipse(256, 232, 60, 8), hex(0x000000, 0.12f), 6);
    });
}

Image farmhouseYard() {
    return render(kW, kH, 512, 256, [](Canvas& c) {
        sky(c, hex(0xE8885A), hex(0xFFE2A4), 140);
        c.glow(440, 96, 120, hex(0xFFF0B0, 0.8f), 1.6f);
        c.fill(circle(440, 96, 18), hex(0xFFF6D0), 2);
        cloud(c, 120, 44, 1.0f, hex(0xFFE8D0));
        cloud(c, 330, 30, 0.8f, hex(0xFFE0C8));
        hills(c, 132, 18, 70, 5, hex(0x9AA06A), hex(0x7A8A52));
        hills(c, 150, 10, 45, 9, hex(0x6E8A44), hex(0x5A7438));
        // The farmhouse: long whitewashed walls with a blue base, a deep porch.
        const float baseY = 190;
        Shape walls = roundBox(200, baseY - 34, 150, 34, 0);
        c.fill(grow(walls, 1), kInk);
        c.fill(walls, linear(50, 0, 350, 0, {{0, hex(0xF8F0E0)}, {1, hex(0xE0D4BE)}}));
        c.fill(roundBox(200, baseY - 6, 150, 6, 0), hex(0x2E5EA8));
        Shape roof =
            poly({{36, baseY - 60}, {364, baseY - 60}, {330, baseY - 112}, {70, baseY - 112}});
        c.fill(grow(roof, 1), kInk);
        c.fill(roof, tiles(hex(0xA8482A)));
        c.fill(roundBox(200, baseY - 58, 164, 4, 0), hex(0x000000, 0.3f));
        c.paint({50, baseY - 60, 350, baseY - 44},
                linear(0, baseY - 60, 0, baseY - 44,
                       {{0, hex(0x000000, 0.35f)}, {1, hex(0x000000, 0)}}));
        for (float x : {80.0f, 150.0f, 250.0f, 320.0f}) {
            c.fill(roundBox(x, baseY - 28, 11, 15, 0), hex(0x2E7A4A));
            c.fill(roundBox(x, baseY - 28, 1, 15, 0), hex(0x1A4A2A));
            c.fill(roundBox(x, baseY - 44, 13, 2, 0), hex(0xE8E0D0));
        }
        c.fill(roundBox(200, baseY - 22, 12, 22, 0), hex(0x6A3A1A));
        c.fill(roundBox(200, baseY - 22, 1, 22, 0), hex(0x3A1A08));
        for (float x : {48.0f, 124.0f, 276.0f, 352.0f}) {
            c.fill(roundBox(x, baseY - 30, 3, 30, 0), hex(0x6A4424));
            c.fill(roundBox(x - 1, baseY - 30, 1, 30, 0), hex(0x9A6A3A));
        }
        c.fill(roundBox(200, baseY + 3, 160, 3, 0), hex(0x8A7A6A));
        ground(c, baseY + 4, hex(0xA86840), hex(0xC48A58), 37);
        // The yard: fence, banana trees, a cart wheel and a water jug by the porch.
        for (int i = 0; i < 7; ++i) {
            float x = 392 + i * 18.0f;
            c.fill(poly({{x - 4, 206}, {x - 4, 170}, {x, 164}, {x + 4, 170}, {x + 4, 206}}),
                   hex(0xB88A58), 0.6f);
        }
        c.fill(roundBox(450, 178, 64, 2.5f, 0), hex(0x8A6A40));
        c.fill(roundBox(450, 196, 64, 2.5f, 0), hex(0x8A6A40));
        bananaTree(c, 480, 214, 1.3f, 51);
        bananaTree(c, 20, 208, 1.1f, 52);
        c.fill(ring(380, 214, 16, 4), hex(0x5A3A1E));
        for (int i = 0; i < 8; ++i) {
            float a = 3.14159f * i / 4;
            c.fill(capsule(380, 214, 380 + 15 * std::cos(a), 214 + 15 * std::sin(a), 1.2f),
                   hex(0x5A3A1E));
        }
        c.fill(circle(380, 214, 3), hex(0x3A2410));
        c.fill(ellipse(360, 190, 9, 10), hex(0xB8602E));
        c.fill(roundBox(360, 180, 4, 4, 1), hex(0xA8502A));
        c.paint({0, 0, kW, kH}, [](float, float y) { return hex(0xFF9A40, 0.08f * (1 - y / kH)); });
    });
}

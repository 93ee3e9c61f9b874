// Effect pictures ("Efeito"): sparks, dust, projectiles, glows and the HUD's effect art.
// Most are drawn by the game as blended billboards with an alpha test, so every shape
// has a solid core (it survives the test while the object fades) inside a soft edge.
#include <cmath>
#include <functional>

#include "generators.h"
#include "pictures_effects_items.h"
#include "pictures_effects_kit.h"

using namespace kit;

namespace {

constexpr float kPi = 3.14159265f;

const Colour kWhite = hex(0xFFFFFF);
const Colour kHot = hex(0xFFF6D0);
const Colour kGold = hex(0xFFD040);
const Colour kOrange = hex(0xFF8A1A);
const Colour kDust = hex(0xEEE2C8);
const Colour kDustDark = hex(0xB8A07C);
const Colour kSmoke = hex(0x8F8A84);
const Colour kSmokeDark = hex(0x5E5954);

// A cluster of soft round puffs inside the ellipse (cx, cy, rx, ry), lighter on top:
// dust and smoke.
void puffs(Canvas& c, float cx, float cy, float rx, float ry, int count, unsigned seed, Colour top,
           Colour bottom, float soft) {
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        float a = rng.range(0, 2 * kPi), d = std::sqrt(rng.next());
        float x = cx + std::cos(a) * d * rx * 0.6f, y = cy + std::sin(a) * d * ry * 0.6f;
        float r = rng.range(0.35f, 0.5f) * std::min(rx, ry) * 1.2f;
        c.fill(circle(x, y, r), linear(0, y - r, 0, y + r, {{0, top}, {1, bottom}}), soft);
    }
}

// A horizontal streak of light, thickest at `peak` (0..1 along its length).
void streak(Canvas& c, float w, float h, float peak, Colour glowColour, Colour core) {
    float y = h / 2, px = w * peak;
    Shape glowShape = unite(taper(2, y, px, y, 1, h * 0.42f), taper(px, y, w - 2, y, h * 0.42f, 1));
    Shape coreShape =
        unite(taper(4, y, px, y, 0.4f, h * 0.2f), taper(px, y, w - 4, y, h * 0.2f, 0.6f));
    c.fill(glowShape, withAlpha(glowColour, 0.55f), h * 0.25f);
    c.fill(coreShape, core, 1.5f);
}

// --- pictures -------------------------------------------------------------------------

Image dustPuff() { // 1
    return render(64, 64, 64, 64, [](Canvas& c) {
        puffs(c, 32, 34, 24, 20, 8, 11, kDust, kDustDark, 7);
        c.fill(circle(32, 34, 12), kDust, 8);
    });
}

Image speedLine() { // 2
    return render(256, 32, 128, 16,
                  [](Canvas& c) { streak(c, 256, 32, 0.65f, hex(0xD8ECFF), kWhite); });
}

Image chargeSparkle() { // 3
    return render(64, 64, 64, 64, [](Canvas& c) {
        c.glow(32, 32, 30, withAlpha(kGold, 0.7f), 2.5f);
        glint(c, 32, 32, 29, 3.2f, kHot);
        c.fill(rotate(star(32, 32, 4, 16, 2.5f, 0), 32, 32, kPi / 4), withAlpha(kHot, 0.8f), 1);
        c.fill(circle(32, 32, 5), kWhite, 3);
    });
}

Image stockFlash() { // 4
    return render(256, 256, 256, 256, [](Canvas& c) {
        c.glow(128, 128, 126, withAlpha(kOrange, 0.5f), 1.5f);
        for (int i = 0; i < 16; ++i) {
            float a = 2 * kPi * i / 16, r1 = i % 2 ? 96.0f : 124.0f;
            c.fill(taper(128 + 36 * std::cos(a), 128 + 36 * std::sin(a), 128 + r1 * std::cos(a),
                         128 + r1 * std::sin(a), 5, 0.5f),
                   withAlpha(kHot, 0.9f), 2);
        }
        c.fill(ring(128, 128, 98, 34), withAlpha(kGold, 0.55f), 16, Blend::Light);
        c.fill(ring(128, 128, 98, 12), radial(128, 128, 110, {{0.8f, kWhite}, {1, kGold}}), 4);
        c.glow(128, 128, 60, withAlpha(kHot, 0.9f), 2);
    });
}

Image heelKickUp() { // 5
    return render(192, 128, 128, 64, [](Canvas& c) {
        // A fan of dirt thrown up and forward from a heel at the lower left.
        Rng rng(5);
        for (int i = 0; i < 22; ++i) {
            float a = rng.range(0.35f, 1.35f), d = rng.range(10, 110);
            float x = 30 + d * std::cos(a) * 1.1f, y = 122 - d * std::sin(a) * 0.75f;
            float r = 7 + d * 0.12f;
            c.fill(circle(x, y, r), linear(0, y - r, 0, y + r, {{0, kDust}, {1, kDustDark}}), 12);
        }
        c.fill(ellipse(40, 118, 34, 12), kDust, 8);
        for (int i = 0; i < 12; ++i) {
            float a = rng.range(0.4f, 1.3f), d = rng.range(125, 175);
            float x = 30 + d * std::cos(a) * 1.1f, y = 122 - d * std::sin(a) * 0.75f;
            c.fill(blob(x, y, rng.range(1.8f, 3.5f), 0.3f, 3, i), hex(0x6A4A2C), 0.8f);
        }
    });
}

Image hitStar() { // 6
    return render(64, 64, 64, 64, [](Canvas& c) {
        c.glow(32, 33, 31, withAlpha(kGold, 0.6f), 2);
        Shape s = star(32, 34, 5, 28, 12);
        c.fill(grow(s, 2.5f), hex(0xD2600A), 1);
        c.fill(s, linear(0, 8, 0, 58, {{0, hex(0xFFF7B0)}, {0.5f, kGold}, {1, kOrange}}), 1);
        c.fill(scale(s, 27, 28, 0.4f, 0.4f), withAlpha(kWhite, 0.8f), 2);
    });
}

Image hitStreak() { // 7
    return render(256, 32, 128, 16,
                  [](Canvas& c) { streak(c, 256, 32, 0.85f, hex(0xFFC860), hex(0xFFFBE8)); });
}

Image spark() { // 8
    return render(64, 64, 64, 64, [](Canvas& c) {
        c.glow(32, 32, 31, withAlpha(kOrange, 0.9f), 1.4f);
        glint(c, 32, 32, 27, 2.6f, kHot);
        c.fill(circle(32, 32, 9), radial(32, 32, 10, {{0.3f, kWhite}, {1, hex(0xFFE080)}}), 4);
    });
}

Image smallFlash() { // 9
    return render(32, 32, 32, 32, [](Canvas& c) {
        c.glow(16, 16, 15.5f, withAlpha(kHot, 0.9f), 1.2f);
        c.fill(circle(16, 16, 6), kWhite, 3);
    });
}

// A comic impact burst: a jagged star in layers from orange to white.
Shape impactStar(float cx, float cy, float outer, float inner, int points, unsigned seed) {
    Rng rng(seed);
    std::vector<Point> corners;
    for (int i = 0; i < 2 * points; ++i) {
        float a = kPi * i / points + rng.range(-0.08f, 0.08f);
        float r = i % 2 == 0 ? outer * rng.range(0.8f, 1.0f) : inner * rng.range(0.85f, 1.1f);
        corners.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return poly(std::move(corners));
}

Image hitFlash() { // 10
    return render(128, 128, 128, 128, [](Canvas& c) {
        Shape s = impactStar(64, 64, 62, 30, 12, 10);
        c.glow(64, 64, 63, withAlpha(kOrange, 0.6f), 1.5f);
        c.fill(s, hex(0xFF9A20), 1.5f);
        c.fill(scale(s, 64, 64, 0.78f, 0.78f), hex(0xFFE050), 1.5f);
        c.fill(scale(s, 64, 64, 0.5f, 0.5f), kWhite, 2);
    });
}

Image dustCloud() { // 11
    return render(160, 100, 128, 64, [](Canvas& c) {
        puffs(c, 80, 52, 92, 56, 16, 21, hex(0xF2E8D4), hex(0xB9A584), 10);
        c.fill(ellipse(80, 52, 56, 28), hex(0xE6D9BD), 14);
    });
}

Image floorCrack() { // 12
    return render(512, 64, 512, 64, [](Canvas& c) {
        Rng rng(12);
        for (int i = 0; i <= 26; ++i) {
            float x = 14 + 484 * i / 26.0f, hgt = 1 - std::fabs(x - 256) / 256;
            float r = 9 + 30 * hgt + rng.range(-3, 3);
            float y = 66 - r * 0.9f;
            c.fill(circle(x, y, r), linear(0, y - r, 0, 64, {{0, kDust}, {1, hex(0xA08660)}}), 7);
        }
        for (int i = 0; i < 36; ++i) {
            float x = 256 + rng.range(-1, 1) * rng.range(20, 230);
            float hgt = 1 - std::fabs(x - 256) / 256;
            float y = 60 - rng.range(4, 54) * hgt, r = rng.range(1.5f, 4.0f);
            c.fill(blob(x, y, r, 0.35f, 3, i + 40), hex(0x6E4F32), 0.8f);
        }
    });
}

Image guardSpark() { // 13
    return render(128, 128, 128, 128, [](Canvas& c) {
        auto hexagon = [](float r) {
            std::vector<Point> p;
            for (int i = 0; i < 6; ++i)
                p.push_back({64 + r * std::cos(kPi / 3 * i + kPi / 6),
                             64 + r * std::sin(kPi / 3 * i + kPi / 6)});
            return poly(p);
        };
        c.glow(64, 64, 63, withAlpha(hex(0x40A0FF), 0.6f), 1.5f);
        c.fill(hexagon(50), withAlpha(hex(0x90D0FF), 0.3f), 4);
        c.fill(subtract(hexagon(56), hexagon(46)),
               radial(64, 64, 56, {{0.7f, hex(0x60B8FF)}, {1, kWhite}}), 1.5f);
        for (int i = 0; i < 6; ++i) {
            float a = kPi / 3 * i + kPi / 6;
            glint(c, 64 + 51 * std::cos(a), 64 + 51 * std::sin(a), 10, 2, hex(0xE0F4FF));
        }
    });
}

Image airComboFlash() { // 14
    return render(256, 256, 256, 256, [](Canvas& c) {
        c.glow(128, 128, 127, withAlpha(hex(0xFF3010), 0.55f), 1.2f);
        for (int i = 0; i < 28; ++i) {
            float a = 2 * kPi * i / 28, r1 = i % 2 ? 104.0f : 126.0f;
            float ax = std::cos(a), ay = std::sin(a), nx = -ay, ny = ax;
            c.fill(poly({{128 + 30 * ax + 7 * nx, 128 + 30 * ay + 7 * ny},
                         {128 + r1 * ax, 128 + r1 * ay},
                         {128 + 30 * ax - 7 * nx, 128 + 30 * ay - 7 * ny}}),
                   linear(128, 128, 128 + r1 * ax, 128 + r1 * ay,
                          {{0.2f, kWhite}, {0.6f, hex(0xFFC040)}, {1, hex(0xFF4020)}}),
                   1.5f);
        }
        c.fill(ring(128, 128, 96, 8), hex(0xFFE070), 3);
        c.glow(128, 128, 56, withAlpha(kWhite, 0.9f), 1.5f);
    });
}

// A rounded pebble with a speckled surface, lit from the upper left.
void stone(Canvas& c, float cx, float cy, float r, unsigned seed) {
    Shape s = blob(cx, cy, r, 0.12f, 4, seed);
    c.fill(grow(s, r * 0.06f), hex(0x2E2B28), 1);
    c.fill(s, [=](float x, float y) {
        float t = std::hypot(x - (cx - r * 0.4f), y - (cy - r * 0.45f)) / (r * 1.8f);
        float n = fbm(x, y, r * 0.25f, seed, 3);
        return shade(lerp(hex(0xC9C4BC), hex(0x55504A), t), 0.85f + 0.3f * n);
    });
    c.fill(ellipse(cx - r * 0.35f, cy - r * 0.4f, r * 0.28f, r * 0.16f), withAlpha(kWhite, 0.55f),
           r * 0.12f);
}

Image projectileStone() { // 15
    return render(64, 64, 64, 64, [](Canvas& c) { stone(c, 32, 32, 24, 15); });
}

Image superStone() { // 16
    return render(128, 128, 128, 128, [](Canvas& c) {
        c.glow(78, 64, 62, withAlpha(kOrange, 0.6f), 1.5f);
        Rng rng(16);
        for (int i = 0; i < 7; ++i) {
            float ty = 64 + rng.range(-30, 30), tx = rng.range(4, 30);
            c.fill(taper(tx, ty, 80, 64, 2, 24), withAlpha(hex(0xFF7010), 0.8f), 3, Blend::Light);
        }
        c.fill(taper(14, 64, 80, 64, 3, 20), withAlpha(hex(0xFFD050), 0.9f), 4, Blend::Light);
        c.fill(circle(84, 64, 27), withAlpha(hex(0xFFE6A0), 0.9f), 4);
        stone(c, 84, 64, 22, 16);
    });
}

// The item chest, standing on the bottom edge of a 298 x 228 unit canvas.
void chestBody(Canvas& c) {
    Shape body = roundBox(149, 170, 112, 54, 6);
    c.fill(grow(body, 4), hex(0x2A160A), 1);
    c.fill(body, [](float x, float y) {
        float grain = fbm(x * 0.25f, y * 3, 6, 7, 3);
        float plank = std::fmod(y - 116, 27.0f) < 2.5f ? 0.6f : 1.0f;
        return shade(lerp(hex(0xA0622A), hex(0x6E3C16), (y - 116) / 108),
                     plank * (0.8f + 0.4f * grain));
    });
    for (float x : {62.0f, 236.0f}) {
        c.fill(roundBox(x, 170, 9, 54, 2),
               linear(x - 9, 0, x + 9, 0, {{0, hex(0x8A8A90)}, {1, hex(0x46464C)}}));
        for (float y : {128.0f, 170.0f, 212.0f}) c.fill(circle(x, y, 3), hex(0xD8D8DC), 0.8f);
    }
    c.fill(roundBox(149, 128, 18, 16, 4),
           linear(0, 112, 0, 144, {{0, hex(0xFFE070)}, {1, hex(0xB07818)}}));
    c.stroke(roundBox(149, 128, 18, 16, 4), 2, hex(0x5A3A08));
    c.fill(capsule(149, 124, 149, 134, 3), hex(0x3A2404));
}

Image chestClosed() { // 17
    return render(298, 228, 256, 256, [](Canvas& c) {
        Shape lid = intersect(ellipse(149, 118, 114, 58), roundBox(149, 90, 120, 30, 0));
        c.fill(grow(lid, 4), hex(0x2A160A), 1);
        c.fill(lid, linear(0, 60, 0, 118, {{0, hex(0xC07A38)}, {1, hex(0x84481C)}}));
        for (float x : {62.0f, 236.0f})
            c.fill(intersect(lid, roundBox(x, 90, 9, 40, 0)), hex(0x6E6E74));
        c.fill(star(149, 92, 5, 20, 9), linear(0, 72, 0, 112, {{0, hex(0xFFF0A0)}, {1, kGold}}), 1);
        c.stroke(star(149, 92, 5, 20, 9), 2, hex(0x7A4A08));
        chestBody(c);
    });
}

Image chestOpen() { // 18
    return render(298, 228, 256, 256, [](Canvas& c) {
        Shape lid = poly({{40, 118}, {258, 118}, {236, 14}, {62, 14}});
        c.fill(grow(lid, 4), hex(0x2A160A), 1);
        c.fill(lid, linear(0, 14, 0, 118, {{0, hex(0x7A4420)}, {1, hex(0x4A2610)}}));
        c.fill(grow(poly({{58, 110}, {240, 110}, {222, 26}, {76, 26}}), -2), hex(0x3A1E0C));
        for (int i = 0; i < 9; ++i) {
            float a = -kPi / 2 + (i - 4) * 0.2f;
            c.fill(poly({{149 - 40, 118},
                         {149 + 260 * std::cos(a - 0.05f), 118 + 260 * std::sin(a - 0.05f)},
                         {149 + 260 * std::cos(a + 0.05f), 118 + 260 * std::sin(a + 0.05f)},
                         {149 + 40, 118}}),
                   withAlpha(hex(0xFFE890), 0.35f), 6, Blend::Light);
        }
        c.glow(149, 118, 110, withAlpha(hex(0xFFE070), 0.9f), 1.5f);
        c.fill(ellipse(149, 118, 108, 12), hex(0xFFF4C0), 3);
        chestBody(c);
        glint(c, 96, 64, 16, 2.5f, kHot);
        glint(c, 206, 48, 12, 2, kHot);
        glint(c, 160, 30, 10, 2, kHot);
    });
}

Image fuseSpark() { // 25
    return render(32, 32, 32, 32, [](Canvas& c) {
        c.glow(16, 16, 15.5f, withAlpha(kOrange, 0.9f), 1.3f);
        c.fill(star(16, 16, 6, 13, 4), hex(0xFFE070), 1);
        c.fill(circle(16, 16, 4), kWhite, 2);
    });
}

Image smokePuff() { // 26
    return render(64, 64, 64, 64, [](Canvas& c) {
        puffs(c, 32, 32, 26, 26, 7, 26, hex(0xB4AFA8), hex(0x77726C), 9);
        c.fill(circle(32, 32, 15), hex(0x9A958F), 8);
    });
}

// The burst of a thrown item, frame 0..7: a flash, a fireball, then smoke.
Image burstFrame(int k) { // 27..34
    struct Step {
        float smokeR, smokeA, fireR, fireA, coreR;
    };
    static constexpr Step steps[] = {
        {0, 0, 30, 1, 20},        {34, 0.6f, 40, 1, 22},    {44, 0.85f, 44, 1, 14},
        {52, 0.95f, 38, 0.9f, 6}, {56, 0.95f, 28, 0.7f, 0}, {58, 0.85f, 16, 0.5f, 0},
        {60, 0.6f, 8, 0.3f, 0},   {61, 0.35f, 0, 0, 0},
    };
    const Step& s = steps[k];
    return render(128, 128, 128, 128, [&](Canvas& c) {
        if (k == 0) {
            Shape rays = impactStar(64, 64, 62, 24, 10, 27);
            c.fill(rays, withAlpha(hex(0xFFD060), 0.9f), 2);
        }
        if (s.smokeA > 0) {
            Rng rng(300 + k);
            for (int i = 0; i < 12; ++i) {
                float a = 2 * kPi * i / 12 + rng.range(-0.2f, 0.2f);
                float d = s.smokeR * rng.range(0.45f, 0.7f), r = s.smokeR * rng.range(0.38f, 0.5f);
                float x = 64 + d * std::cos(a), y = 64 + d * std::sin(a);
                c.fill(circle(x, y, r), withAlpha(lerp(kSmoke, kSmokeDark, rng.next()), s.smokeA),
                       8);
            }
        }
        if (s.fireA > 0) {
            Shape fire = blob(64, 64, s.fireR, 0.18f, 6, 40 + k);
            c.fill(fire,
                   radial(64, 64, s.fireR * 1.1f,
                          {{0, withAlpha(kHot, s.fireA)},
                           {0.5f, withAlpha(hex(0xFFB030), s.fireA)},
                           {1, withAlpha(hex(0xE04010), s.fireA)}}),
                   6);
        }
        if (s.coreR > 0) c.glow(64, 64, s.coreR * 1.8f, kWhite, 1.2f);
        if (k >= 3 && k <= 6) {
            Rng rng(90 + k);
            for (int i = 0; i < 10; ++i) {
                float a = rng.range(0, 2 * kPi), d = rng.range(20, 8 + s.smokeR);
                c.fill(circle(64 + d * std::cos(a), 64 + d * std::sin(a), rng.range(1.5f, 3)),
                       hex(0xFFB040), 1);
            }
        }
    });
}

Image burstRing() { // 35
    return render(256, 128, 256, 128, [](Canvas& c) {
        Rng rng(35);
        for (int i = 0; i < 30; ++i) {
            float a = 2 * kPi * i / 30 + rng.range(-0.05f, 0.05f);
            float x = 128 + 106 * std::cos(a), y = 64 + 46 * std::sin(a), r = rng.range(11, 17);
            c.fill(circle(x, y, r),
                   linear(0, y - r, 0, y + r, {{0, hex(0xE8E0D4)}, {1, hex(0x9E968A)}}), 7);
        }
        c.fill(scale(ring(128, 128, 98, 6), 128, 64, 1.0f, 0.45f), withAlpha(hex(0xFFA040), 0.8f),
               4, Blend::Light);
    });
}

// A crackle of zig-zag bolts around the centre, frame 0..2: spark, full, breaking up.
Image sparkleFrame(int k) { // 36..38
    return render(128, 128, 128, 128, [&](Canvas& c) {
        const int bolts[] = {3, 5, 4};
        const float lengths[] = {32, 56, 60};
        Rng rng(36 + 7 * k);
        if (k < 2) c.glow(64, 64, 30 + 10 * k, withAlpha(hex(0xFFE070), 0.9f), 1.5f);
        for (int b = 0; b < bolts[k]; ++b) {
            float a = 2 * kPi * b / bolts[k] + rng.range(-0.4f, 0.4f);
            float x = 64, y = 64, step = lengths[k] / 5;
            for (int i = 0; i < 5; ++i) {
                float d = a + rng.range(-0.7f, 0.7f);
                float nx = x + step * std::cos(d), ny = y + step * std::sin(d);
                if (k < 2 || rng.next() < 0.6f) {
                    float r = 3.2f * (1 - i * 0.15f);
                    c.fill(capsule(x, y, nx, ny, r * 2.2f), withAlpha(hex(0xFF9020), 0.7f), 4,
                           Blend::Light);
                    c.fill(capsule(x, y, nx, ny, r), kHot, 1);
                }
                x = nx;
                y = ny;
            }
        }
        if (k < 2) c.fill(circle(64, 64, 7 + 3 * k), kWhite, 4);
    });
}

// A shard of the clay jug.
Image shard(int k) { // 39..41
    return render(64, 64, 64, 64, [&](Canvas& c) {
        Rng rng(39 + k);
        std::vector<Point> p;
        int corners = 4 + k;
        for (int i = 0; i < corners; ++i) {
            float a = 2 * kPi * i / corners + rng.range(-0.3f, 0.3f), r = rng.range(14, 27);
            p.push_back({32 + r * std::cos(a), 32 + r * 0.8f * std::sin(a)});
        }
        Shape s = poly(p);
        c.fill(grow(s, 2), hex(0x5A240E), 1);
        c.fill(s, linear(10, 10, 54, 54, {{0, hex(0xE0844A)}, {1, hex(0xA04A20)}}));
        c.fill(intersect(s, roundBox(32, 30 + 6 * k - 6, 40, 3, 0)), hex(0xF4E6CC));
        c.fill(grow(move(s, -3, -3), -7), withAlpha(hex(0xF0A070), 0.45f), 3);
    });
}

Image tauntBalloon() { // 42
    return render(256, 200, 256, 256, [](Canvas& c) {
        Shape b = unite(ellipse(132, 88, 112, 74), poly({{78, 138}, {122, 152}, {34, 194}}));
        c.fill(grow(b, 8), hex(0x141414), 1);
        c.fill(b, linear(0, 20, 0, 190, {{0, kWhite}, {0.7f, hex(0xF4F4F4)}, {1, hex(0xD8D8D8)}}));
    });
}

Image tauntWord() { // 43
    return render(256, 128, 256, 128, [](Canvas& c) {
        Lettering t =
            letteringCentred("VEM!", "DejaVuSans-Bold.ttf", 80, 128, 96, c.pixelsPerUnit());
        Shape word = rotate(t.shape, 128, 64, -0.12f);
        c.fill(move(grow(word, 8), 4, 5), withAlpha(hex(0x000000), 0.5f), 2);
        c.fill(grow(word, 8), hex(0x3A0A04), 1);
        c.fill(grow(word, 3.5f), hex(0xFFF4D8), 1);
        c.fill(word, linear(0, 30, 0, 104,
                            {{0, hex(0xFFD040)}, {0.45f, hex(0xFF7A18)}, {1, hex(0xD41E10)}}));
    });
}

Image tearDrop() { // 44
    return render(64, 64, 64, 64, [](Canvas& c) {
        Shape drop = taper(32, 6, 32, 40, 1, 18);
        c.fill(grow(drop, 2), hex(0x1E5A9C), 1);
        c.fill(drop, linear(20, 10, 46, 58, {{0, hex(0xD8F0FF)}, {1, hex(0x4C9EE8)}}));
        c.fill(ellipse(25, 40, 4, 8), withAlpha(kWhite, 0.85f), 2);
    });
}

Image dropSplash() { // 45
    return render(128, 90, 64, 64, [](Canvas& c) {
        Shape pool = blob(64, 68, 44, 0.12f, 7, 45);
        c.fill(scale(grow(pool, 3), 64, 68, 1.2f, 0.4f), hex(0x1E5A9C), 1);
        c.fill(scale(pool, 64, 68, 1.2f, 0.4f),
               linear(0, 55, 0, 82, {{0, hex(0xC8E8FF)}, {1, hex(0x5AA8EE)}}));
        for (Point p :
             {Point{34, 38}, Point{94, 34}, Point{64, 22}, Point{48, 30}, Point{80, 26}}) {
            c.fill(circle(p.x, p.y, 5), hex(0x1E5A9C), 1);
            c.fill(circle(p.x, p.y, 3.5f), hex(0xB8E0FF), 1);
        }
    });
}

// The carbine blast, frame 0..6 (on a 340 x 280 canvas, muzzle at the left edge): a
// flash cone, a fireball, then smoke that thins out.
Image blastFrame(int f) { // 46..52
    static constexpr float smokeA[] = {0, 0.45f, 0.8f, 0.95f, 0.95f, 0.85f, 0.7f};
    static constexpr float fireA[] = {1, 1, 0.9f, 0.6f, 0.3f, 0.12f, 0};
    static constexpr float coreA[] = {1, 0.8f, 0.35f, 0, 0, 0, 0};
    return render(340, 280, 256, 256, [&](Canvas& c) {
        const float mx = 14, my = 140, t = f / 6.0f;
        Rng rng(460 + f);
        if (smokeA[f] > 0)
            for (int i = 0; i < 18; ++i) {
                float u = rng.next(), x = 70 + 40 * t + u * (180 + 30 * t);
                float r = 20 + (x - mx) * 0.13f + 10 * t;
                float spread = std::min((x - mx) * (0.28f + 0.1f * t), 120 - r);
                float y = my + rng.range(-spread, spread);
                Colour col = lerp(hex(0xB0AAA2), hex(0x6A645E), rng.next());
                c.fill(circle(x, y, r), withAlpha(col, smokeA[f]), 10 + 8 * t);
            }
        if (fireA[f] > 0) {
            float reach = 150 + 80 * t;
            for (int i = 0; i < 9; ++i) {
                float u = i / 8.0f, x = mx + 20 + u * reach, r = 14 + 40 * u * (1 - 0.3f * t);
                float y = my + rng.range(-0.12f, 0.12f) * (x - mx);
                Colour col = lerp(lerp(kHot, hex(0xFFB030), u), hex(0xF06018), 0.5f * t + 0.3f * u);
                c.fill(blob(x, y, r, 0.2f, 5, 470 + 10 * f + i), withAlpha(col, fireA[f]), 8);
            }
        }
        if (coreA[f] > 0) {
            c.fill(taper(mx, my, 150 - 40 * t, my, 6, 30), withAlpha(kWhite, coreA[f]), 12);
            for (int i = 0; i < 7; ++i) {
                float a = rng.range(-0.3f, 0.3f), len = rng.range(180, 300);
                c.fill(capsule(mx + 30 * std::cos(a), my + 30 * std::sin(a), mx + len * std::cos(a),
                               my + len * std::sin(a), 1.6f),
                       withAlpha(kHot, coreA[f]), 1.5f);
            }
        }
        if (f >= 2 && f <= 5)
            for (int i = 0; i < 14; ++i) {
                float x = rng.range(60, 310), y = my + rng.range(-90, 90);
                c.fill(circle(x, y, rng.range(1.5f, 3)), hex(0xFFA040), 1);
            }
        // Nothing may reach the picture's border, where the quad would cut it straight.
        c.fadeAlpha({0, 0, 340, 280}, [](float x, float y) {
            return smoothstep(0, 24, std::min({340 - x, y, 280 - y}));
        });
    });
}

Image fadingSpark() { // 53
    return render(64, 64, 64, 64, [](Canvas& c) {
        c.glow(32, 32, 30, withAlpha(hex(0x9CD4FF), 0.7f), 2);
        glint(c, 32, 32, 30, 3, hex(0xEAF6FF));
        c.fill(rotate(star(32, 32, 4, 14, 2, 0), 32, 32, kPi / 4), hex(0xEAF6FF), 1);
    });
}

Image itemMarker() { // 54
    return render(128, 128, 128, 128, [](Canvas& c) {
        Shape arrow = unite(roundBox(64, 34, 17, 28, 5), poly({{20, 58}, {108, 58}, {64, 114}}));
        c.fill(move(grow(arrow, 7), 3, 4), withAlpha(hex(0x000000), 0.35f), 3);
        c.fill(grow(arrow, 7), hex(0x3A2408), 1);
        c.fill(arrow,
               linear(0, 6, 0, 114, {{0, kWhite}, {0.5f, hex(0xFFF0A0)}, {1, hex(0xFFB020)}}));
        c.fill(roundBox(56, 30, 4, 18, 3), withAlpha(kWhite, 0.7f), 2);
    });
}

// The ghost a projectile leaves behind, frame 0..2, smaller each time.
Image afterimage(int k) { // 55..57
    return render(64, 64, 64, 64, [&](Canvas& c) {
        float r = 18 - 4.0f * k;
        c.glow(36, 32, r + 12, withAlpha(hex(0xBFE0FF), 0.8f), 1.5f);
        c.fill(taper(4, 32, 36, 32, 1.5f, r * 0.8f), withAlpha(hex(0xDDEEFF), 0.9f), 4);
        c.fill(circle(36, 32, r), withAlpha(kWhite, 0.95f), 5);
    });
}

Image itemHalo() { // 58
    return render(128, 128, 128, 128, [](Canvas& c) {
        c.fill(ring(64, 64, 46, 20), withAlpha(kGold, 0.45f), 12, Blend::Light);
        c.fill(ring(64, 64, 46, 5), radial(64, 64, 50, {{0.85f, kWhite}, {1, kGold}}), 2);
        glint(c, 64 + 46 * 0.7071f, 64 - 46 * 0.7071f, 16, 2.8f, kHot);
        glint(c, 64 - 46 * 0.7071f, 64 + 46 * 0.7071f, 12, 2.2f, kHot);
        glint(c, 64 - 46, 64, 8, 1.8f, kHot);
    });
}

Image cycleArrows() { // 59
    return render(64, 64, 64, 64, [](Canvas& c) {
        auto head = [](float a, float dir) {
            float x = 32 + 20 * std::cos(a), y = 32 + 20 * std::sin(a);
            float tx = -std::sin(a) * dir, ty = std::cos(a) * dir; // along the turn
            float nx = std::cos(a), ny = std::sin(a);
            return poly(
                {{x + tx * 10, y + ty * 10}, {x + nx * 9, y + ny * 9}, {x - nx * 9, y - ny * 9}});
        };
        Shape arrows = unite({arc(32, 32, 20, 6, 3.6f, 5.9f), head(5.9f, 1),
                              arc(32, 32, 20, 6, 0.46f, 2.76f), head(2.76f, 1)});
        c.fill(grow(arrows, 3.5f), hex(0x1A1A1A), 1);
        c.fill(arrows, linear(0, 8, 0, 56, {{0, kWhite}, {1, hex(0xFFE080)}}));
    });
}

Image leftArrow() { // 60
    return render(64, 64, 64, 64, [](Canvas& c) {
        Shape arrow = unite(poly({{6, 32}, {32, 8}, {32, 56}}), roundBox(44, 32, 15, 9, 3));
        c.fill(grow(arrow, 3.5f), hex(0x1A1A1A), 1);
        c.fill(arrow, linear(0, 10, 0, 54, {{0, kWhite}, {1, hex(0xFFE080)}}));
    });
}

// The air whirl of the diving somersault, frame 0..2: a crescent that thins away.
Image whirl(int k) { // 61..63
    return render(256, 256, 256, 256, [&](Canvas& c) {
        const float offsets[] = {40, 26, 14};
        const float alpha[] = {1, 0.9f, 0.75f};
        Shape crescent = subtract(circle(128, 128, 112), circle(128 - offsets[k], 128, 108));
        c.fill(grow(crescent, 6), withAlpha(hex(0x80C8FF), 0.5f * alpha[k]), 10, Blend::Light);
        c.fill(crescent,
               linear(128, 0, 242, 0,
                      {{0, withAlpha(hex(0xA8DCFF), 0)},
                       {0.55f, withAlpha(hex(0xD8F0FF), alpha[k])},
                       {1, withAlpha(kWhite, alpha[k])}}),
               2);
        c.fill(arc(128 - offsets[k] * 0.5f, 128, 100, 3, -0.9f, 0.9f),
               withAlpha(kWhite, 0.6f * alpha[k]), 1);
    });
}

Image glowDot() { // 64
    return render(64, 64, 64, 64, [](Canvas& c) {
        c.glow(32, 32, 31.5f, withAlpha(kWhite, 0.6f), 1.5f);
        c.fill(circle(32, 32, 17), kWhite, 10);
    });
}

// Which drawing makes which numbers: a recipe draws `count` consecutive pictures from
// `first`, passing the frame 0..count - 1.
struct Recipe {
    int first, count;
    std::function<Image(int)> make;
};

Recipe one(int n, Image (*f)()) {
    return {n, 1, [f](int) { return f(); }};
}

const std::vector<Recipe>& recipes() {
    static const std::vector<Recipe> list = {
        one(1, dustPuff),       one(2, speedLine),       one(3, chargeSparkle),
        one(4, stockFlash),     one(5, heelKickUp),      one(6, hitStar),
        one(7, hitStreak),      one(8, spark),           one(9, smallFlash),
        one(10, hitFlash),      one(11, dustCloud),      one(12, floorCrack),
        one(13, guardSpark),    one(14, airComboFlash),  one(15, projectileStone),
        one(16, superStone),    one(17, chestClosed),    one(18, chestOpen),
        one(19, itemBomb),      one(20, itemWatermelon), one(21, itemCorn),
        one(22, itemPineapple), one(23, itemSaciCap),    one(24, itemClayJug),
        one(25, fuseSpark),     one(26, smokePuff),      {27, 8, burstFrame},
        one(35, burstRing),     {36, 3, sparkleFrame},   {39, 3, shard},
        one(42, tauntBalloon),  one(43, tauntWord),      one(44, tearDrop),
        one(45, dropSplash),    {46, 7, blastFrame},     one(53, fadingSpark),
        one(54, itemMarker),    {55, 3, afterimage},     one(58, itemHalo),
        one(59, cycleArrows),   one(60, leftArrow),      {61, 3, whirl},
        one(64, glowDot),
    };
    return list;
}

} // namespace

void makeEffectPictures(const Outputs& out) {
    for (const Recipe& r : recipes())
        for (int k = 0; k < r.count; ++k)
            savePicture(out, pictureName("Efeito", r.first + k, 3, ".tga"), r.make(k));
}

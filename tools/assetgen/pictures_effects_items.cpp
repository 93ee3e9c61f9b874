#include <cmath>

#include "pictures_effects_items.h"
#include "pictures_effects_kit.h"

using namespace kit;

namespace {

const Colour kInk = hex(0x24140A);

// Lays a dark outline under the shape, then the shape in its fill.
void inked(Canvas& c, const Shape& s, const Fill& f, float outline = 3) {
    c.fill(grow(s, outline), kInk, 1);
    c.fill(s, f);
}

} // namespace

Image itemBomb() {
    return render(128, 128, 128, 128, [](Canvas& c) {
        inked(c, rotate(roundBox(88, 32, 13, 10, 2), 88, 32, 0.7f),
              linear(76, 22, 100, 44, {{0, hex(0xC8CCD4)}, {1, hex(0x5A5E66)}}));
        inked(c, circle(58, 74, 44),
              radial(42, 56, 74, {{0, hex(0x707682)}, {0.35f, hex(0x2E3036)}, {1, hex(0x08080A)}}));
        c.fill(rotate(ellipse(40, 52, 13, 7), 40, 52, -0.7f), withAlpha(hex(0xFFFFFF), 0.6f), 4);
        Shape fuse = unite({capsule(94, 24, 102, 15, 3), capsule(102, 15, 111, 12, 3),
                            capsule(111, 12, 116, 6, 3)});
        inked(c, fuse, solid(hex(0xB08850)), 2);
        c.glow(117, 7, 16, withAlpha(hex(0xFF8A1A), 0.9f), 1.3f);
        c.fill(star(117, 7, 8, 11, 3.5f), hex(0xFFE070), 1);
        c.fill(circle(117, 7, 3), hex(0xFFFFFF), 1.5f);
    });
}

Image itemWatermelon() {
    return render(160, 120, 128, 128, [](Canvas& c) {
        Shape lower = roundBox(80, 74, 80, 50, 0);
        Shape rind = intersect(ellipse(80, 26, 74, 90), lower);
        inked(c, rind, [](float x, float y) {
            float stripe = std::sin(std::atan2(y - 26, x - 80) * 18) > 0.3f ? 0.75f : 1.0f;
            return shade(lerp(hex(0x3AA040), hex(0x1C5C1C), (y - 26) / 90), stripe);
        });
        c.fill(intersect(ellipse(80, 26, 66, 81), lower), hex(0xEAF6D2));
        c.fill(intersect(ellipse(80, 26, 60, 75), lower),
               linear(0, 26, 0, 100, {{0, hex(0xFF6A66)}, {1, hex(0xD81C2C)}}));
        c.fill(roundBox(80, 27, 60, 2, 0), withAlpha(hex(0xFFB0A8), 0.8f));
        for (int i = 0; i < 9; ++i) {
            float a = 0.45f + 2.25f * i / 8, r = i % 2 ? 32.0f : 48.0f;
            float x = 80 + r * std::cos(a), y = 26 + r * 0.95f * std::sin(a);
            c.fill(rotate(ellipse(x, y, 2.6f, 4.6f), x, y, a - 1.5708f), hex(0x1A0E08), 1);
            c.fill(circle(x - 0.8f, y - 1.5f, 0.9f), withAlpha(hex(0xFFFFFF), 0.7f), 0.5f);
        }
    });
}

Image itemCorn() {
    return render(80, 228, 64, 128, [](Canvas& c) {
        Fill husk = linear(0, 120, 0, 226, {{0, hex(0x8CD048)}, {1, hex(0x3A8A28)}});
        inked(c, leaf({40, 226}, {8, 84}, 26, 0.08f), husk, 2.5f);
        inked(c, leaf({40, 226}, {74, 90}, 26, -0.08f), husk, 2.5f);
        Shape cob = ellipse(40, 94, 24, 84);
        inked(c, cob, solid(hex(0xC88A10)), 2.5f);
        for (int row = 0; row < 19; ++row) {
            float y = 20 + row * 8.6f;
            for (int k = -3; k <= 3; ++k) {
                float x = 40 + k * 9.4f + (row % 2 ? 4.7f : 0.0f);
                float side = std::fabs(x - 40) / 26;
                Shape kernel = intersect(roundBox(x, y, 4.0f, 3.8f, 2.2f), grow(cob, -1.5f));
                c.fill(kernel,
                       shade(lerp(hex(0xFFE874), hex(0xE0A020), side), 1.0f - 0.3f * side * side));
                c.fill(intersect(circle(x - 1.2f, y - 1.2f, 1.3f), kernel),
                       withAlpha(hex(0xFFFFFF), 0.6f), 0.6f);
            }
        }
        inked(c, leaf({40, 226}, {16, 132}, 24, -0.05f), husk, 2.5f);
        inked(c, leaf({40, 226}, {64, 122}, 22, 0.06f), husk, 2.5f);
        c.fill(leaf({40, 222}, {18, 140}, 3, -0.05f), withAlpha(hex(0x2A6A1E), 0.7f), 0.8f);
        for (int i = 0; i < 4; ++i)
            c.fill(leaf({40.0f + (i - 1.5f) * 4, 14}, {36.0f + i * 5, 2}, 2.2f, 0.3f),
                   hex(0x8A5A22), 0.6f);
    });
}

Image itemPineapple() {
    return render(180, 240, 128, 128, [](Canvas& c) {
        for (int i = 0; i < 9; ++i) {
            float a = -2.55f + 1.95f * i / 8, len = i % 2 ? 66.0f : 86.0f;
            Colour green = i % 2 ? hex(0x2E7A2A) : hex(0x4EA83C);
            inked(c,
                  leaf({90, 92}, {90 + len * std::cos(a), 88 + len * std::sin(a)}, 16,
                       (i - 4) * 0.04f),
                  linear(90, 92, 90, 10, {{0, shade(green, 0.7f)}, {1, green}}), 2);
        }
        Shape body = ellipse(90, 160, 60, 74);
        inked(c, body, [](float x, float y) {
            float u = std::fmod(x + y + 1000, 24.0f), v = std::fmod(x - y + 1000, 24.0f);
            float line = std::min({u, 24 - u, v, 24 - v});
            float cell = 0.78f + 0.22f * std::min(1.0f, line / 6);
            float light = 1.1f - std::hypot(x - 70, y - 130) / 140;
            Colour base = lerp(hex(0xF6C040), hex(0xB8701A), (y - 90) / 150);
            return line < 1.6f ? hex(0x7A4A10) : shade(base, cell * (0.7f + 0.5f * light));
        });
        for (float y = 96; y < 236; y += 24)
            for (float x = 30; x < 150; x += 24) {
                for (float off : {0.0f, 12.0f}) {
                    float px = x + off, py = y + off;
                    if (body.d(px, py) < -6) c.fill(circle(px, py, 2.2f), hex(0x5A7A20), 0.8f);
                }
            }
        c.fill(ellipse(66, 130, 10, 22), withAlpha(hex(0xFFFFE0), 0.35f), 8);
    });
}

Image itemSaciCap() {
    return render(140, 172, 128, 128, [](Canvas& c) {
        Shape cap = poly({{14, 154},
                          {22, 118},
                          {38, 80},
                          {60, 48},
                          {88, 26},
                          {114, 18},
                          {132, 26},
                          {136, 44},
                          {126, 54},
                          {114, 44},
                          {102, 48},
                          {98, 72},
                          {110, 112},
                          {126, 154}});
        inked(c, cap,
              linear(30, 30, 110, 160,
                     {{0, hex(0xFF5A44)}, {0.6f, hex(0xD82418)}, {1, hex(0x981010)}}));
        c.fill(leaf({40, 140}, {76, 52}, 5, 0.1f), withAlpha(hex(0x7A0808), 0.5f), 1.5f);
        c.fill(leaf({84, 140}, {92, 70}, 4, -0.1f), withAlpha(hex(0x7A0808), 0.45f), 1.5f);
        c.fill(leaf({40, 110}, {78, 40}, 5, 0.12f), withAlpha(hex(0xFFB0A0), 0.5f), 2);
        Shape hem = roundBox(70, 152, 60, 12, 6);
        inked(c, hem, linear(0, 140, 0, 164, {{0, hex(0xC01A14)}, {1, hex(0x7A0A0A)}}), 2.5f);
        glint(c, 24, 40, 12, 2.2f, hex(0xFFF6D0));
        glint(c, 122, 90, 9, 1.8f, hex(0xFFF6D0));
        glint(c, 44, 16, 7, 1.5f, hex(0xFFF6D0));
    });
}

Image itemClayJug() {
    return render(128, 128, 128, 128, [](Canvas& c) {
        Fill clay =
            radial(48, 62, 70, {{0, hex(0xF09A5E)}, {0.6f, hex(0xC0602C)}, {1, hex(0x7E3414)}});
        inked(c, arc(92, 66, 20, 8, -1.25f, 1.25f), clay, 2.5f);
        Shape jug =
            unite({ellipse(60, 80, 44, 40), roundBox(60, 34, 13, 16, 3), ellipse(60, 18, 19, 6)});
        inked(c, jug, clay);
        c.fill(ellipse(60, 17, 12, 3), hex(0x3A1406), 1);
        Shape band = intersect(ellipse(60, 80, 42, 38), roundBox(60, 74, 50, 3, 0));
        c.fill(band, hex(0xF4E6CC));
        for (int i = 0; i < 7; ++i) {
            float x = 26 + i * 11.5f;
            if (ellipse(60, 80, 40, 36).d(x, 88) < 0) c.fill(circle(x, 88, 2.4f), hex(0xF4E6CC), 1);
        }
        c.fill(ellipse(40, 66, 8, 16), withAlpha(hex(0xFFFFFF), 0.3f), 6);
    });
}

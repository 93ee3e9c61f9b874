// The title logo, the menu backgrounds' patterns and the village decorations.
#include <cmath>

#include "pictures_effects_kit.h"
#include "pictures_title_parts.h"

using namespace kit;

namespace {

constexpr float kPi = 3.14159265f;
const Colour kInk = hex(0x2A1608);
const Colour kCream = hex(0xFFF6E0);
const Colour kShadow = hex(0x000000, 0.35f);
const Colour kFlagColours[] = {hex(0xE83A2E), hex(0xFFD23C), hex(0x2EA84A),
                               hex(0x2E6AD8), hex(0xFF8A1E), hex(0xE85AA8)};

// A sagging rope from (x0, y) to (x1, y) with festa flags hanging from it.
void bunting(Canvas& c, float x0, float x1, float y, float sag, int flags, int colourOffset) {
    auto ropeY = [=](float x) {
        float t = (x - x0) / (x1 - x0);
        return y + sag * 4 * t * (1 - t);
    };
    std::vector<Shape> rope;
    const int steps = 24;
    for (int i = 0; i < steps; ++i) {
        float a = x0 + (x1 - x0) * i / steps, b = x0 + (x1 - x0) * (i + 1) / steps;
        rope.push_back(capsule(a, ropeY(a), b, ropeY(b), 1.6f));
    }
    c.fill(unite(std::move(rope)), hex(0x5A4030));
    float step = (x1 - x0) / flags, w = step * 0.38f;
    for (int i = 0; i < flags; ++i) {
        float x = x0 + step * (i + 0.5f), top = ropeY(x);
        Shape flag = poly({{x - w, top - 1}, {x + w, top - 1}, {x, top + w * 2.3f}});
        c.fill(grow(flag, 1.5f), kInk);
        Colour col = kFlagColours[(i + colourOffset) % 6];
        c.fill(flag, linear(x - w, 0, x + w, 0, {{0, shade(col, 1.2f)}, {1, shade(col, 0.8f)}}));
    }
}

// A five-petal flower of the chita print.
void chitaFlower(Canvas& c, float x, float y, float r, float turn) {
    for (int i = 0; i < 5; ++i) {
        float a = turn + 2 * kPi * i / 5;
        Shape petal = circle(x + r * 0.55f * std::cos(a), y + r * 0.55f * std::sin(a), r * 0.5f);
        c.fill(grow(petal, 1.5f), hex(0xC8B898));
        c.fill(petal, radial(x, y, r * 1.1f, {{0, hex(0xFFF0E8)}, {1, hex(0xFFFFFF)}}));
    }
    c.fill(circle(x, y, r * 0.3f), hex(0xFFE6A0));
    for (int i = 0; i < 6; ++i) {
        float a = 2 * kPi * i / 6;
        c.fill(circle(x + r * 0.16f * std::cos(a), y + r * 0.16f * std::sin(a), r * 0.05f),
               hex(0xE0B060));
    }
}

} // namespace

Image titleLogo() {
    return render(472, 404, 512, 512, [](Canvas& c) {
        const float cx = 236, cy = 176, scale = c.pixelsPerUnit();
        // The village sun: wedges of light inside a brass ring.
        c.fill(circle(cx, cy + 5, 150), kShadow, 8);
        c.fill(circle(cx, cy, 150), kInk);
        c.fill(circle(cx, cy, 145), [=](float x, float y) {
            float a = std::atan2(y - cy, x - cx);
            bool light = std::fmod(a + 2 * kPi + kPi / 24, kPi / 6) < kPi / 12;
            Colour base = light ? hex(0xFFC84A) : hex(0xF59A2C);
            return shade(base, 1.1f - 0.35f * std::hypot(x - cx, y - cy) / 145);
        });
        c.fill(ring(cx, cy, 138, 6), hex(0xFFF0B0, 0.9f));
        c.fill(ring(cx, cy, 146, 3), hex(0x7A3A10));
        bunting(c, 10, 462, 34, 46, 13, 0);

        // "TORVEL": cream and ink outlines around a sunny gradient.
        const char* font = "DejaVuSansCondensed-Bold.ttf";
        Lettering probe = lettering("TORVEL", font, 100, 0, 0, scale);
        float size = 100 * 424 / probe.width;
        Lettering title = letteringCentred("TORVEL", font, size, cx, 222, scale);
        Shape word = title.shape;
        c.fill(move(grow(word, 13), 6, 9), hex(0x000000, 0.5f), 5);
        c.fill(grow(word, 13), kInk);
        c.fill(grow(word, 8), kCream);
        c.fill(grow(word, 4), hex(0x8A2A0C));
        c.fill(word, linear(0, 222 - title.ascent * 0.75f, 0, 222,
                            {{0, hex(0xFFF6B0)}, {0.45f, hex(0xFFC420)}, {1, hex(0xE8601A)}}));
        c.fill(
            intersect(word, roundBox(cx, 222 - title.ascent * 0.62f, 240, title.ascent * 0.14f, 0)),
            hex(0xFFFFFF, 0.35f));

        // "ARENA" on a red ribbon with folded tails.
        const float ry = 300;
        for (float side : {-1.0f, 1.0f}) {
            float ex = cx + side * 196, ix = cx + side * 150;
            Shape tail = poly({{ix, ry - 18},
                               {ex + side * 30, ry - 18},
                               {ex, ry + 12},
                               {ex + side * 30, ry + 42},
                               {ix, ry + 42}});
            c.fill(grow(tail, 4), kInk);
            c.fill(tail, hex(0x9A1A16));
        }
        Shape band = poly(
            {{cx - 170, ry - 30}, {cx + 170, ry - 30}, {cx + 176, ry + 30}, {cx - 176, ry + 30}});
        c.fill(move(grow(band, 4), 4, 6), kShadow, 4);
        c.fill(grow(band, 4), kInk);
        c.fill(band, linear(0, ry - 30, 0, ry + 30,
                            {{0, hex(0xF0584A)}, {0.5f, hex(0xD82A22)}, {1, hex(0x941414)}}));
        c.fill(roundBox(cx, ry - 22, 164, 2, 1), hex(0xFFB0A0, 0.6f));
        Shape arena = letteringCentred("ARENA", font, 52, cx, ry + 19, scale).shape;
        c.fill(grow(arena, 5), kInk);
        c.fill(arena, linear(0, ry - 20, 0, ry + 20, {{0, hex(0xFFFFFF)}, {1, hex(0xFFE6A0)}}));
        for (float side : {-1.0f, 1.0f})
            c.fill(star(cx + side * 136, ry, 5, 11, 4.5f), hex(0xFFE070));
    });
}

Image chitaTile() {
    return render(256, 256, 256, 256, [](Canvas& c) {
        // Every motif is drawn at its place and at the places one tile away, so the
        // picture repeats without seams.
        for (int oy = -1; oy <= 1; ++oy)
            for (int ox = -1; ox <= 1; ++ox) {
                float dx = 256.0f * ox, dy = 256.0f * oy;
                for (Point p : {Point{64, 64}, Point{192, 192}}) {
                    for (int i = 0; i < 4; ++i) {
                        float a = 0.4f + kPi / 2 * i;
                        Point tip{p.x + dx + 62 * std::cos(a), p.y + dy + 62 * std::sin(a)};
                        Shape l = leaf({p.x + dx, p.y + dy}, tip, 20, 0.15f);
                        c.fill(grow(l, 1.5f), hex(0xB8C8A0));
                        c.fill(l, hex(0xE4F0D4));
                    }
                    chitaFlower(c, p.x + dx, p.y + dy, 34, 0.3f);
                }
                for (Point p : {Point{192, 64}, Point{64, 192}})
                    chitaFlower(c, p.x + dx, p.y + dy, 18, 1.0f);
                for (Point p : {Point{128, 20}, Point{20, 128}, Point{128, 236}, Point{236, 128}})
                    c.fill(circle(p.x + dx, p.y + dy, 5), hex(0xFFF4E4));
            }
    });
}

Image controlsPicture() {
    return render(512, 256, 512, 256, [](Canvas& c) {
        // Keyboard.
        Shape board = roundBox(170, 150, 150, 74, 12);
        c.fill(move(board, 4, 6), kShadow, 6);
        c.fill(grow(board, 3), kInk);
        c.fill(board, linear(0, 76, 0, 224, {{0, hex(0xE8E4DC)}, {1, hex(0xA8A49C)}}));
        for (int row = 0; row < 4; ++row)
            for (int k = 0; k < 11; ++k) {
                float x = 44 + k * 24.5f + (row % 2) * 8, y = 104 + row * 24.0f;
                c.fill(roundBox(x, y + 2, 10, 9, 3), hex(0x4A4640));
                c.fill(roundBox(x, y, 10, 9, 3), hex(0x6A665E));
            }
        c.fill(roundBox(170, 204, 70, 8, 3), hex(0x6A665E));
        // Joystick.
        Shape base = roundBox(392, 196, 86, 32, 14);
        c.fill(move(base, 4, 6), kShadow, 6);
        c.fill(grow(base, 3), kInk);
        c.fill(base, linear(0, 164, 0, 228, {{0, hex(0x3A3A42)}, {1, hex(0x16161A)}}));
        c.fill(grow(capsule(372, 190, 372, 88, 8), 3), kInk);
        c.fill(capsule(372, 190, 372, 88, 8),
               linear(364, 0, 380, 0, {{0, hex(0xD0D0D8)}, {1, hex(0x60606A)}}));
        c.fill(circle(372, 74, 31), kInk);
        c.fill(
            circle(372, 74, 28),
            radial(362, 62, 40, {{0, hex(0xFF8A7A)}, {0.5f, hex(0xE02828)}, {1, hex(0x8A1010)}}));
        for (int i = 0; i < 3; ++i) {
            float x = 420 + i * 20.0f;
            c.fill(ellipse(x, 186, 9, 6), kInk);
            c.fill(ellipse(x, 185, 7.5f, 4.5f), kFlagColours[i]);
        }
    });
}

Image buntingStrip() {
    return render(512, 128, 512, 128, [](Canvas& c) {
        bunting(c, 0, 256, 10, 34, 5, 0);
        bunting(c, 256, 512, 10, 34, 5, 1);
    });
}

Image sunPicture() {
    return render(256, 256, 256, 256, [](Canvas& c) {
        for (int i = 0; i < 12; ++i) {
            float a = 2 * kPi * i / 12;
            Shape ray = poly({{128 + 62 * std::cos(a - 0.16f), 128 + 62 * std::sin(a - 0.16f)},
                              {128 + 118 * std::cos(a), 128 + 118 * std::sin(a)},
                              {128 + 62 * std::cos(a + 0.16f), 128 + 62 * std::sin(a + 0.16f)}});
            c.fill(ray, hex(0xFFB030));
        }
        c.fill(circle(128, 128, 66), hex(0xE87A1A));
        c.fill(
            circle(128, 128, 62),
            radial(112, 108, 80, {{0, hex(0xFFF6C0)}, {0.6f, hex(0xFFD040)}, {1, hex(0xF5A020)}}));
    });
}

Image cloudPicture() {
    return render(256, 128, 256, 128, [](Canvas& c) {
        Shape cloud = unite({circle(70, 82, 36), circle(116, 60, 46), circle(170, 70, 40),
                             circle(206, 90, 28), roundBox(136, 100, 92, 18, 16)});
        c.fill(move(cloud, 0, 5), hex(0x9AB0C8, 0.5f), 4);
        c.fill(cloud, linear(0, 14, 0, 118,
                             {{0, hex(0xFFFFFF)}, {0.6f, hex(0xF4F8FC)}, {1, hex(0xC8D8E8)}}));
    });
}

Image fenceStrip() {
    return render(256, 128, 256, 128, [](Canvas& c) {
        Fill boards = [](float x, float y) {
            float grain = fbm(x * 0.3f, y * 0.05f, 4, 56, 3);
            return shade(hex(0xB88A58), 0.75f + 0.4f * grain);
        };
        for (float y : {46.0f, 96.0f}) {
            c.fill(roundBox(128, y, 140, 7, 2), kInk);
            c.fill(roundBox(128, y, 140, 5.5f, 2), boards);
        }
        for (int i = 0; i < 4; ++i) {
            float x = 32 + 64.0f * i;
            Shape picket = poly({{x - 13, 124}, {x - 13, 22}, {x, 8}, {x + 13, 22}, {x + 13, 124}});
            c.fill(grow(picket, 2), kInk);
            c.fill(picket, boards);
            c.fill(circle(x, 46, 2), hex(0x3A3A3A));
            c.fill(circle(x, 96, 2), hex(0x3A3A3A));
        }
    });
}

Image paperLantern() {
    return render(128, 256, 128, 256, [](Canvas& c) {
        c.fill(capsule(64, 0, 64, 40, 1.5f), hex(0x3A2A20));
        Shape body = ellipse(64, 130, 48, 84);
        c.fill(grow(body, 3), kInk);
        c.fill(body, [](float, float y) {
            int band = static_cast<int>((y - 46) / 28);
            return shade(kFlagColours[(band + 6) % 6], 1.05f);
        });
        for (int i = 1; i < 6; ++i)
            c.fill(intersect(body, roundBox(64, 46 + 28.0f * i, 60, 1.5f, 0)), kInk);
        c.fill(ellipse(48, 110, 10, 40), hex(0xFFFFFF, 0.3f), 8);
        c.fill(roundBox(64, 44, 20, 6, 2), hex(0x3A2A20));
        c.fill(roundBox(64, 216, 20, 6, 2), hex(0x3A2A20));
        for (int i = 0; i < 5; ++i)
            c.fill(capsule(52 + i * 6.0f, 222, 50 + i * 7.0f, 250, 1.2f), hex(0xE83A2E));
    });
}

Image hangingSign() {
    return render(256, 128, 256, 128, [](Canvas& c) {
        c.fill(capsule(40, 0, 52, 44, 2), hex(0x8A6A40));
        c.fill(capsule(216, 0, 204, 44, 2), hex(0x8A6A40));
        Shape board = roundBox(128, 80, 110, 38, 8);
        c.fill(grow(board, 3), kInk);
        c.fill(board, [](float x, float y) {
            float grain = fbm(x * 0.12f, y * 1.5f, 4, 58, 3);
            float plank = std::fmod(y - 42, 25.0f) < 1.5f ? 0.55f : 1.0f;
            return shade(hex(0x9A6A38), plank * (0.75f + 0.4f * grain));
        });
        for (float x : {52.0f, 204.0f}) c.fill(circle(x, 52, 4), hex(0x4A4A4A));
    });
}

Image bonfire() {
    return render(256, 256, 256, 256, [](Canvas& c) {
        for (float a : {-0.35f, 0.35f, 0.0f}) {
            Shape log = rotate(roundBox(128, 206, 86, 14, 12), 128, 206, a);
            c.fill(grow(log, 3), kInk);
            c.fill(log, linear(0, 190, 0, 222, {{0, hex(0x9A6A3A)}, {1, hex(0x5A3A1A)}}));
        }
        Rng rng(59);
        for (int layer = 0; layer < 3; ++layer) {
            static const Colour flame[] = {hex(0xE8401A), hex(0xFF9A20), hex(0xFFE890)};
            float k = 1 - layer * 0.28f;
            for (int i = 0; i < 5; ++i) {
                float x = 128 + (i - 2) * 22 * k + rng.range(-6, 6),
                      h = (110 + rng.range(-20, 30)) * k;
                c.fill(leaf({x, 206}, {x + rng.range(-14, 14), 206 - h}, 44 * k,
                            rng.range(-0.15f, 0.15f)),
                       flame[layer], 2);
            }
        }
    });
}

Image strawHat() {
    return render(256, 128, 256, 128, [](Canvas& c) {
        Fill straw = [](float x, float y) {
            float weave = std::sin(x * 0.5f) * std::sin(y * 0.5f) * 0.5f + 0.5f;
            return shade(hex(0xE8C068), 0.8f + 0.25f * weave);
        };
        Shape brim = ellipse(128, 92, 120, 28);
        Shape crown = unite(roundBox(128, 62, 58, 34, 26), ellipse(128, 90, 62, 12));
        c.fill(move(brim, 0, 6), kShadow, 5);
        c.fill(grow(brim, 3), kInk);
        c.fill(brim, straw);
        c.fill(grow(crown, 3), kInk);
        c.fill(crown, straw);
        c.fill(intersect(crown, roundBox(128, 80, 70, 9, 0)), hex(0xC8281E));
        c.fill(ellipse(108, 46, 16, 8), hex(0xFFFFFF, 0.3f), 6);
    });
}

Image versusStrip() {
    return render(256, 64, 256, 64, [](Canvas& c) {
        c.paint(
            {0, 0, 256, 64},
            linear(0, 0, 0, 64, {{0, hex(0x8A1414)}, {0.5f, hex(0xC82A1E)}, {1, hex(0x6A0C0C)}}));
        // Slanted stripes with a period that divides the width, so the strip tiles.
        for (int i = -1; i <= 8; ++i) {
            float x = 32.0f * i;
            c.fill(poly({{x, 60}, {x + 14, 60}, {x + 30, 4}, {x + 16, 4}}), hex(0xFF7A30, 0.45f));
        }
        c.fill(roundBox(128, 5, 140, 3, 0), hex(0xFFD050));
        c.fill(roundBox(128, 59, 140, 3, 0), hex(0xFFD050));
        c.fill(roundBox(128, 1, 140, 1.5f, 0), kInk);
        c.fill(roundBox(128, 63, 140, 1.5f, 0), kInk);
    });
}

Image streakBadge() {
    return render(236, 256, 256, 256, [](Canvas& c) {
        const float cx = 118, cy = 140;
        for (float side : {-1.0f, 1.0f})
            for (int i = 0; i < 6; ++i) {
                float a = kPi / 2 + side * (0.5f + i * 0.36f);
                Point base{cx + 100 * std::cos(a), cy + 100 * std::sin(a)};
                Point tip{cx + 112 * std::cos(a - side * 0.3f),
                          cy + 112 * std::sin(a - side * 0.3f)};
                Shape l = leaf(base, tip, 18, side * 0.1f);
                c.fill(grow(l, 2), kInk);
                c.fill(l, hex(0x4EA83C));
            }
        c.fill(leaf({cx, 58}, {cx, 4}, 40, 0), hex(0xE8401A), 2);
        c.fill(leaf({cx, 58}, {cx + 4, 18}, 24, 0.1f), hex(0xFFC030), 2);
        c.fill(circle(cx, cy + 4, 92), kShadow, 6);
        c.fill(circle(cx, cy, 92), kInk);
        c.fill(
            circle(cx, cy, 88),
            linear(0, 52, 0, 228, {{0, hex(0xFFEAA8)}, {0.5f, hex(0xD8A040)}, {1, hex(0x8A5A18)}}));
        c.fill(circle(cx, cy, 72), kInk);
        c.fill(circle(cx, cy, 69),
               radial(cx - 20, cy - 24, 100, {{0, hex(0x3A5AB0)}, {1, hex(0x0E1A44)}}));
        c.fill(star(cx, cy - 40, 5, 16, 7), hex(0xFFE070));
        c.fill(intersect(circle(cx, cy, 68), ellipse(cx, cy - 44, 60, 28)), hex(0xFFFFFF, 0.14f),
               6);
    });
}

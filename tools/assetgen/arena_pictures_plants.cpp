// The cut-outs of fences, the lamp post, the potted flowers, the clothesline and the
// sunflowers, standing on the picture's bottom edge.
#include <cmath>

#include "arena_pictures_materials.h"
#include "arena_pictures_parts.h"
#include "arena_pictures_people_kit.h"

using namespace kit;
using namespace scenery;

namespace {

Image rusticFence() {
    return picture(
        512, 128,
        [](Canvas& c, Wrap) {
            Fill wood = [](float x, float y) {
                return shade(hex(0x9A7A54), 0.8f + 0.3f * fbm2(x, y, 40, 4, {}, 731, 3));
            };
            for (float y : {44.0f, 84.0f}) inked(c, taper(4, y + 2, 508, y - 2, 6, 5.5f), wood, 6);
            for (float x : {24.0f, 256.0f, 488.0f})
                inked(c, unite(roundBox(x, 76, 9, 54, 4), ellipse(x, 24, 9, 4)), roughBark(732), 8);
            for (float x : {140.0f, 372.0f})
                inked(c, capsule(x - 40, 112, x + 40, 30, 4.5f), wood, 4);
        },
        2);
}

Image lampPost() {
    return picture(
        128, 512,
        [](Canvas& c, Wrap) {
            inked(c, taper(40, 512, 42, 30, 9, 6), roughBark(741), 6);
            inked(c, capsule(42, 54, 96, 54, 3.5f), hex(0x5A4632), 3);
            inked(c, capsule(42, 90, 80, 56, 2.5f), hex(0x5A4632), 2);
            c.fill(capsule(96, 56, 96, 66, 1.2f), hex(0x2A2624));
            Shape shadeShape = poly({{80, 66}, {112, 66}, {104, 78}, {88, 78}});
            inked(c, shadeShape, hex(0x3A5A4A), 4);
            inked(c, circle(96, 82, 6), hex(0xFFF4C8), 2, 0.8f);
            for (float y : {140.0f, 300.0f}) c.fill(rect({30, y, 52, y + 3}), hex(0x2A2624, 0.7f));
            c.fill(capsule(42, 36, 4, 60, 1), hex(0x1E1E1E));
        },
        2);
}

Image pottedPlant() {
    return picture(
        128, 128,
        [](Canvas& c, Wrap) {
            Rng rng(751);
            for (int i = 0; i < 14; ++i) {
                float a = -3.14f + i * 0.24f + rng.range(-0.1f, 0.1f), len = rng.range(30, 50);
                Point tip{64 + std::cos(a) * len, 74 + std::sin(a) * len * 0.9f};
                inked(c, leaf({64, 76}, tip, 14, rng.range(-0.2f, 0.2f)),
                      shade(hex(0x3E8A3A), rng.range(0.8f, 1.2f)), 4, 0.8f);
            }
            for (int i = 0; i < 7; ++i) {
                float x = 64 + rng.range(-40, 40), y = 70 - rng.range(0, 44);
                for (int p = 0; p < 5; ++p) {
                    float a = p * 1.2566f;
                    inked(c, circle(x + std::cos(a) * 4, y + std::sin(a) * 4, 3.6f), hex(0xE83A5A),
                          2, 0.6f);
                }
                c.fill(circle(x, y, 2), hex(0xF8E070));
            }
            Shape pot =
                unite(poly({{38, 84}, {90, 84}, {82, 128}, {46, 128}}), rect({34, 78, 94, 90}, 2));
            inked(c, pot, hex(0xC0643A), 10);
        },
        2);
}

Image barbedWire() {
    return picture(
        512, 128,
        [](Canvas& c, Wrap) {
            for (float x : {20.0f, 180.0f, 340.0f, 492.0f})
                inked(c, roundBox(x, 72, 6, 58, 2), roughBark(791), 5);
            for (float y : {36.0f, 64.0f, 92.0f}) {
                c.fill(rect({0, y - 0.9f, 512, y + 0.9f}), hex(0x5A5650));
                for (float x = 10; x < 512; x += 24) {
                    c.fill(capsule(x - 3, y - 3, x + 3, y + 3, 0.8f), hex(0x4A4640));
                    c.fill(capsule(x - 3, y + 3, x + 3, y - 3, 0.8f), hex(0x4A4640));
                }
            }
        },
        2);
}

Image clothesline() {
    return picture(
        512, 256,
        [](Canvas& c, Wrap) {
            for (float x : {14.0f, 498.0f}) {
                inked(c, roundBox(x, 150, 5, 104, 2), roughBark(801), 4);
                inked(c, capsule(x - 16, 52, x + 16, 52, 3), hex(0x7A5A3A), 3);
            }
            auto line = [](float x) { return 54 + 30 * std::sin((x - 14) / 484 * 3.14159f); };
            for (float x = 14; x < 498; x += 8)
                c.fill(capsule(x, line(x), x + 8, line(x + 8), 0.9f), hex(0x3A3430));
            struct Cloth {
                float x0, x1, drop;
                unsigned colour;
                int kind; // 0 sheet, 1 shirt, 2 trousers, 3 dress
            };
            static const Cloth kClothes[] = {
                {40, 120, 110, 0xF4F0E6, 0},  {130, 190, 74, 0x3A7AC0, 1},
                {200, 250, 104, 0x4A5A7A, 2}, {262, 330, 96, 0xE86A9A, 3},
                {342, 402, 70, 0xF8C83A, 1},  {414, 480, 100, 0xB8302A, 0}};
            for (const Cloth& k : kClothes) {
                float y0 = line(k.x0), y1 = line(k.x1), mid = (k.x0 + k.x1) / 2;
                Shape s;
                if (k.kind == 0) {
                    s = poly(
                        {{k.x0, y0}, {k.x1, y1}, {k.x1 - 2, y1 + k.drop}, {k.x0 + 2, y0 + k.drop}});
                } else if (k.kind == 1) {
                    s = unite(poly({{k.x0, y0},
                                    {k.x1, y1},
                                    {k.x1 - 10, y1 + k.drop},
                                    {k.x0 + 10, y0 + k.drop}}),
                              poly({{k.x0 - 10, y0 + 2},
                                    {k.x1 + 10, y1 + 2},
                                    {k.x1 + 6, y1 + 30},
                                    {k.x0 - 6, y0 + 30}}));
                } else if (k.kind == 2) {
                    s = unite(poly({{k.x0, y0},
                                    {mid - 2, line(mid)},
                                    {mid - 4, y0 + k.drop},
                                    {k.x0 + 2, y0 + k.drop}}),
                              poly({{mid + 2, line(mid)},
                                    {k.x1, y1},
                                    {k.x1 - 2, y1 + k.drop},
                                    {mid + 4, y1 + k.drop}}));
                } else {
                    s = poly({{k.x0 + 12, y0},
                              {k.x1 - 12, y1},
                              {k.x1 + 4, y1 + k.drop},
                              {k.x0 - 4, y0 + k.drop}});
                }
                Fill f = k.kind == 3 ? flowered(hex(k.colour), 10, 802) : solid(hex(k.colour));
                inked(
                    c, s,
                    [f](float x, float y) {
                        float fold = 0.9f + 0.1f * std::sin(x * 0.25f);
                        return shade(f(x, y), fold);
                    },
                    10);
                for (float px : {k.x0 + 6, k.x1 - 6})
                    inked(c, roundBox(px, line(px) + 2, 2, 6, 1), hex(0xC8A070), 1, 0.6f);
            }
        },
        2);
}

Image sunflowers() {
    return picture(
        256, 256,
        [](Canvas& c, Wrap) {
            struct Flower {
                float x, top, r;
            };
            static const Flower kFlowers[] = {
                {50, 60, 26}, {110, 30, 30}, {160, 80, 24}, {212, 46, 28}};
            for (const Flower& f : kFlowers) {
                inked(c, taper(f.x, 256, f.x + 4, f.top + f.r, 4, 3), hex(0x5A8A2A), 2);
                for (float s : {-1.0f, 1.0f}) {
                    float y = f.top + f.r + 60 + s * 10;
                    inked(c, leaf({f.x + 2, y}, {f.x + s * 34, y - 6}, 18, s * 0.2f), hex(0x4A8A2A),
                          5);
                }
            }
            for (const Flower& f : kFlowers) {
                Rng rng(static_cast<unsigned>(f.x));
                for (int p = 0; p < 16; ++p) {
                    float a = p * 0.3927f + rng.range(-0.1f, 0.1f);
                    Point tip{f.x + std::cos(a) * f.r * 1.5f,
                              f.top + f.r + std::sin(a) * f.r * 1.5f};
                    inked(c, leaf({f.x, f.top + f.r}, tip, f.r * 0.5f, 0), hex(0xF8C020), 3, 0.6f);
                }
                inked(
                    c, circle(f.x, f.top + f.r, f.r * 0.62f),
                    [](float x, float y) {
                        return shade(hex(0x5A3414), 0.8f + 0.3f * noise(x, y, 2.5f, {}, 811));
                    },
                    f.r * 0.4f);
            }
        },
        2);
}

const PictureEntry kPlants[] = {
    {4, rusticFence}, {11, lampPost},    {12, pottedPlant},
    {16, barbedWire}, {23, clothesline}, {24, sunflowers},
};

} // namespace

Image plantCutout(int n) {
    return pictureFrom(kPlants, n);
}
